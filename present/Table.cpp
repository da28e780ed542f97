#include "Table.h"

#include <cmath>
#include <string>

#include "NumberFormat.h"
#include "SharedState.h"
#include "Sheet.h"
#include "Surface.h"
#include "Utf8Text.h"

namespace {
constexpr std::int16_t TableRowHeight = 16;
constexpr std::int16_t TableColumnWidth = 84;
constexpr std::uint8_t TableNumberColumnWidth = 30;
constexpr int CharCell = 8;  // pixels of the fixed-pitch font
constexpr std::int16_t ComputedWidth = 10;
constexpr std::int16_t DeviationDecimals = 3;
constexpr std::size_t DeviationShownChars = 8;
const char* const NotComputedMark = "—";

// Decimals the user typed for Y: characters after the first ".", or the whole
// length when there is none.
std::int16_t TypedDecimals(const std::string& yText) {
    std::string t = TrimBlanks(yText);
    std::size_t point = t.find('.');
    std::size_t length = CharCount(t);
    if (point == std::string::npos) return static_cast<std::int16_t>(length);
    return static_cast<std::int16_t>(length - CharCount(t.substr(0, point + 1)));
}
}  // namespace

void DrawTable(Surface& surface, const Sheet& sheet, TableContent content) {
    auto& s = Shared;
    s.TableLeft = sheet.tableLeft;
    s.TableTop = sheet.tableTop;
    s.RowHeight = TableRowHeight;
    s.ColumnWidth = TableColumnWidth;
    s.NumberColumnWidth = TableNumberColumnWidth;
    const int n = s.PointCount;
    const double left = s.TableLeft, top = s.TableTop, row = s.RowHeight, column = s.ColumnWidth;
    const double numberWidth = s.NumberColumnWidth;
    const double valuesLeft = left + numberWidth;

    surface.SetBold(true);
    surface.SetForeColor(s.GridColor);
    for (int k = 0; k <= n + 1; ++k)
        surface.Line(left, top + k * row, left + 4 * column + numberWidth, top + k * row);
    surface.Line(left, top, left, top + (n + 1) * row);
    for (int j = 0; j <= 4; ++j)
        surface.Line(valuesLeft + j * column, top, valuesLeft + j * column, top + (n + 1) * row);

    const double headerY = top + 2;
    surface.MoveTo(left + (numberWidth - CharCell) / 2, headerY);
    surface.Print("N");
    const char* headers[4] = {"  X(исх.)", "  Y(исх.)", " Y(расч.)", sheet.deviationHeader};
    for (int j = 0; j < 4; ++j) {
        surface.MoveTo(valuesLeft + j * column, headerY);
        surface.Print(headers[j]);
    }

    for (int i = 1; i <= n; ++i) {
        const double x =
            i <= 9 ? left + (numberWidth - CharCell) / 2 : left + (numberWidth - 2 * CharCell) / 2;
        surface.MoveTo(x, top + i * row + 2);
        surface.Print(std::to_string(i));
    }

    const std::size_t cellChars = s.NumberColumnWidth / 3;
    for (int i = 1; i <= n; ++i) {
        const double y = top + i * row + 2;
        surface.SetForeColor(s.SourceColor);
        auto writeTyped = [&](const std::string& typed, double columnLeft) {
            std::string t = TrimBlanks(typed);
            std::size_t length = CharCount(t);
            if (length > cellChars) {
                t = FirstChars(t, cellChars);
                length = cellChars;
            }
            surface.MoveTo(columnLeft + (column - CharCell * static_cast<double>(length)) / 2, y);
            surface.Print(t);
        };
        writeTyped(s.PointXText[i], valuesLeft);
        writeTyped(s.PointYText[i], valuesLeft + column);

        if (content == TableContent::TypedOnly) continue;
        surface.SetForeColor(s.ComputedColor);
        std::string computed =
            FormatFixed(s.FitMatrix[i][0], ComputedWidth, TypedDecimals(s.PointYText[i]));
        surface.MoveTo(valuesLeft + 2 * column + (column - CharCell * ComputedWidth) / 2, y);
        surface.Print(CenterText(computed, ComputedWidth));

        // A deviation beyond the range of a double is no number to show: a dash.
        const bool deviationComputed = !std::isnan(s.Deviation[i]);
        std::string deviation =
            deviationComputed
                ? TrimBlanks(FormatFixed(s.Deviation[i], ComputedWidth, DeviationDecimals))
                : NotComputedMark;
        const std::size_t length = CharCount(deviation);
        surface.MoveTo(
            valuesLeft + 3 * column + (column - CharCell * static_cast<double>(length)) / 2, y);
        // Cut to 8 characters: the last decimals go, and where the integer part itself
        // is wider, the exponent form that fits (-3,0E+09), never a cut exponent.
        if (length > DeviationShownChars)
            deviation =
                TrimBlanks(FormatFixed(s.Deviation[i], DeviationShownChars, DeviationDecimals));
        surface.Print(CenterText(deviation, static_cast<std::uint8_t>(length)));
    }
    surface.SetForeColor(0);
}

void ShowTable(Surface& form3) { DrawTable(form3, ScreenSheet()); }
void PrintTable(Surface& form5) { DrawTable(form5, PaperSheet()); }
void ShowTypedTable(Surface& form3) { DrawTable(form3, ScreenSheet(), TableContent::TypedOnly); }
