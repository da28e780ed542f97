#include "Sheet.h"

#include "NumberFormat.h"
#include "SharedState.h"
#include "StandardNumberText.h"

namespace {
std::string NineDecimals(double value) { return FormatFixed(value, 12, 9); }
}  // namespace

const Sheet& ScreenSheet() {
    static const Sheet sheet{.meanText = " СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ = ",
                             .correlationText = " КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ = ",
                             .tableLeft = 640,
                             .tableTop = 20,
                             .deviationHeader = " Отклон.%",
                             .equationHeadingX = 390,
                             .equationHeadingY = 80,
                             .equationX = 400,
                             .equationY = 100,
                             .polynomialHeadingX = 400,
                             .polynomialHeadingY = 60,
                             .polynomialX = 400,
                             .polynomialY = 80,
                             .polynomialPrefix = " ",
                             .polynomialText = NineDecimals};
    return sheet;
}

// On paper the coefficient panel stands under the graph, 100 pixels right of the
// offset (106), and its heading and lines are 10 pixels apart the other way round
// from the screen's; the statistics have no blanks around "=".
const Sheet& PaperSheet() {
    static const Sheet sheet{.offsetX = 6,
                             .offsetY = 50,
                             .recordsPointPixels = false,
                             .captionDx = 6,
                             .captionY = 60,
                             .meanText = "СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ=",
                             .correlationText = "КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ=",
                             .tableLeft = 370,
                             .tableTop = 80,
                             .deviationHeader = "Отклонен%",
                             .colouredCoefficients = false,
                             .boldCoefficients = false,
                             .equationHeadingX = 96,
                             .equationHeadingY = 440,
                             .equationX = 106,
                             .equationY = 462,
                             .polynomialHeadingX = 106,
                             .polynomialHeadingY = 440,
                             .polynomialX = 96,
                             .polynomialY = 462,
                             .polynomialPrefix = "",
                             .polynomialText = StandardNumberText};
    return sheet;
}

Sheet PlacedPaperSheet() {
    Sheet sheet = PaperSheet();
    sheet.offsetX = Shared.PrintOffsetX;
    sheet.offsetY = Shared.PrintOffsetY;
    return sheet;
}
