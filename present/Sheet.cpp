#include "Sheet.h"

#include "NumberFormat.h"
#include "StandardNumberText.h"

namespace {
std::string NineDecimals(double value) { return FormatFixed(value, 12, 9); }
}  // namespace

const Sheet& ScreenSheet() {
    static const Sheet sheet = [] {
        Sheet s;
        s.meanText = " СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ = ";
        s.correlationText = " КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ = ";
        s.tableLeft = 640;
        s.tableTop = 20;
        s.deviationHeader = " Отклон.%";
        s.equationHeadingX = 390;
        s.equationHeadingY = 80;
        s.equationX = 400;
        s.equationY = 100;
        s.polynomialHeadingX = 400;
        s.polynomialHeadingY = 60;
        s.polynomialX = 400;
        s.polynomialY = 80;
        s.polynomialPrefix = " ";
        s.polynomialText = NineDecimals;
        return s;
    }();
    return sheet;
}

const Sheet& PaperSheet() {
    static const Sheet sheet = [] {
        Sheet s;
        s.offsetX = 6;
        s.offsetY = 50;
        s.recordsPointPixels = false;
        s.captionDx = 6;
        s.captionY = 60;
        // No blanks around "=" on paper.
        s.meanText = "СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ=";
        s.correlationText = "КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ=";
        s.tableLeft = 370;
        s.tableTop = 80;
        s.deviationHeader = "Отклонен%";
        s.colouredCoefficients = false;
        s.boldCoefficients = false;
        // The panel stands under the graph, its lines 100 pixels right of the offset;
        // the two layouts place heading and lines 10 pixels apart the other way round.
        const double x0 = s.offsetX + 100;
        s.equationHeadingX = x0 - 10;
        s.equationHeadingY = 440;
        s.equationX = x0;
        s.equationY = 462;
        s.polynomialHeadingX = x0;
        s.polynomialHeadingY = 440;
        s.polynomialX = x0 - 10;
        s.polynomialY = 462;
        s.polynomialPrefix = "";
        s.polynomialText = StandardNumberText;
        return s;
    }();
    return sheet;
}
