#include <csv.h>

#include <algorithm>

#include "NumberText.h"
#include "PointSet.h"
#include "PointTable.h"
#include "SharedState.h"
#include "Utf8Text.h"

namespace {
const std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The cells of one line, read by libcsv with this separator; with blanks as the
// separator a run of blanks separates once.
std::vector<std::string> SplitCells(std::string_view line, unsigned char separator) {
    struct Reading {
        std::vector<std::string> cells;
        bool blanks;
    } reading{{}, separator == ' '};
    csv_parser parser;
    csv_init(&parser, 0);
    csv_set_delim(&parser, separator);
    // A tab separates; only blanks around a cell are trimmed.
    csv_set_space_func(&parser, [](unsigned char c) { return c == ' ' ? 1 : 0; });
    auto cell = [](void* text, std::size_t length, void* data) {
        auto* r = static_cast<Reading*>(data);
        if (r->blanks && length == 0) return;
        r->cells.emplace_back(static_cast<const char*>(text), length);
    };
    csv_parse(&parser, line.data(), line.size(), cell, nullptr, &reading);
    csv_fini(&parser, cell, nullptr, &reading);
    csv_free(&parser);
    return reading.cells;
}

// A tab, else a semicolon; else blanks where they part the line into cells neither
// of which leans on a comma ("1,5 2,5"), and a comma otherwise ("1.5, 2.5").
std::vector<std::string> SplitLine(std::string_view line) {
    if (line.find('\t') != std::string_view::npos) return SplitCells(line, '\t');
    if (line.find(';') != std::string_view::npos) return SplitCells(line, ';');
    std::vector<std::string> byBlanks = SplitCells(line, ' ');
    bool leansOnComma = false;
    for (const std::string& c : byBlanks)
        leansOnComma = leansOnComma || c.empty() || c.front() == ',' || c.back() == ',';
    if (byBlanks.size() >= 2 && !leansOnComma) return byBlanks;
    return SplitCells(line, ',');
}

// A blank a spreadsheet may leave around a cell or write between groups of three
// digits: a space, a no-break space (U+00A0), a narrow no-break space (U+202F); an
// apostrophe also separates groups. Its length in bytes at the start of text, or 0.
std::size_t BlankAt(std::string_view text) {
    if (text.starts_with(' ') || text.starts_with('\t')) return 1;
    if (text.starts_with("\xC2\xA0")) return 2;
    if (text.starts_with("\xE2\x80\xAF")) return 3;
    return 0;
}

std::size_t GroupSeparatorAt(std::string_view text) {
    if (text.starts_with('\'')) return 1;
    return text.starts_with('\t') ? 0 : BlankAt(text);
}

std::size_t DigitsAt(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
    return n;
}
}  // namespace

std::optional<std::string> CellNumber(std::string_view cell) {
    while (std::size_t n = BlankAt(cell)) cell.remove_prefix(n);
    while (!cell.empty()) {
        std::size_t n = 0;
        for (std::size_t k : {1, 2, 3})
            if (cell.size() >= k && BlankAt(cell.substr(cell.size() - k)) == k) n = k;
        if (n == 0) break;
        cell.remove_suffix(n);
    }
    std::string number;
    if (cell.starts_with('+') || cell.starts_with('-')) {
        number += cell.front();
        cell.remove_prefix(1);
    }
    // The integer part: digits, or groups of three after a first group of one to three.
    std::size_t digits = DigitsAt(cell);
    std::size_t allDigits = digits;
    number += cell.substr(0, digits);
    cell.remove_prefix(digits);
    for (std::size_t n; digits >= 1 && digits <= 3 && (n = GroupSeparatorAt(cell)) > 0;) {
        if (DigitsAt(cell.substr(n)) != 3) return std::nullopt;
        number += cell.substr(n, 3);
        cell.remove_prefix(n + 3);
        allDigits += 3;
    }
    if (cell.starts_with('.') || cell.starts_with(',')) {
        number += cell.front();
        cell.remove_prefix(1);
        digits = DigitsAt(cell);
        allDigits += digits;
        number += cell.substr(0, digits);
        cell.remove_prefix(digits);
    }
    if (allDigits == 0) return std::nullopt;
    if (cell.starts_with('e') || cell.starts_with('E')) {
        std::size_t sign = cell.size() > 1 && (cell[1] == '+' || cell[1] == '-') ? 1 : 0;
        digits = DigitsAt(cell.substr(1 + sign));
        if (digits == 0) return std::nullopt;
        number += cell.substr(0, 1 + sign + digits);
        cell.remove_prefix(1 + sign + digits);
    }
    if (!cell.empty()) return std::nullopt;
    return number;
}

namespace {
std::string InLine(std::size_t line, const std::string& what) {
    return "в строке " + std::to_string(line) + " " + what;
}
}  // namespace

PointTable ReadPointTable(std::string_view text, std::string_view noPoints) {
    PointTable table;
    unsigned char separator = 0;  // as the lines show it, unless a first line names it
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    if (text.find('\0') != std::string_view::npos || !ValidUtf8(text)) {
        table.error = "в нём не текст";
        return table;
    }
    std::size_t lineNumber = 0;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
        // \r\n, \n and \r each end a line.
        if (text.substr(0, 2) == "\r\n")
            text.remove_prefix(2);
        else if (!text.empty())
            text.remove_prefix(1);
        ++lineNumber;
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string_view::npos || line[start] == '#') continue;
        if (first && line.starts_with("sep=") && line.size() == 5) {
            separator = line[4];
            continue;
        }
        std::vector<std::string> cells = separator ? SplitCells(line, separator) : SplitLine(line);
        cells.resize(std::max<std::size_t>(cells.size(), 2));
        const std::optional<std::string> numbers[2] = {CellNumber(cells[0]), CellNumber(cells[1])};
        const bool header = first && (!numbers[0] || !numbers[1]);
        first = false;
        if (header) continue;
        for (int k = 0; k < 2; ++k) {
            const std::string name = k == 0 ? "X" : "Y";
            if (!numbers[k]) {
                const bool blank = cells[k].find_first_not_of(" \t") == std::string::npos;
                table.error = InLine(lineNumber,
                                     blank ? "нет числа " + name
                                           : "в ячейке " + name + " не число: «" + cells[k] + "»");
                return table;
            }
            if (TypedValueBeyondRange(*numbers[k])) {
                table.error = InLine(lineNumber, "число " + name + " вне допустимого диапазона");
                return table;
            }
        }
        if (table.pairs.size() == MaxEnteredPoints) {
            table.error = "больше " + std::to_string(MaxEnteredPoints) + " пар точек";
            return table;
        }
        table.pairs.push_back({*numbers[0], *numbers[1]});
    }
    if (table.pairs.empty())
        table.error = noPoints;
    else if (table.pairs.size() < MinEnteredPoints)
        table.error = "пар точек меньше " + std::to_string(MinEnteredPoints) + " (" +
                      std::to_string(table.pairs.size()) + ")";
    return table;
}

void ReplacePointsWith(const PointTable& table) {
    int i = 0;
    for (const TypedPair& pair : table.pairs) {
        ++i;
        StoreTypedValue(i, PairPart::X, pair.x);
        StoreTypedValue(i, PairPart::Y, pair.y);
    }
    Shared.PointCount = static_cast<std::int16_t>(i);
    SortPointsByX();
}
