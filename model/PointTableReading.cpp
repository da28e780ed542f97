#include <csv.h>

#include <algorithm>
#include <iterator>
#include <tuple>

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

// A group separator at the start of text under these roles: a blank or an apostrophe
// always, "," or "." where that is its role; its length in bytes, or 0.
std::size_t GroupSeparatorAt(std::string_view text, MarkRoles roles) {
    if (text.starts_with('\'')) return 1;
    if (text.starts_with(',')) return roles.comma == MarkRole::Group ? 1 : 0;
    if (text.starts_with('.')) return roles.point == MarkRole::Group ? 1 : 0;
    return text.starts_with('\t') ? 0 : BlankAt(text);
}

bool IsDecimalMark(char c, MarkRoles roles) {
    return (c == ',' && roles.comma == MarkRole::Decimal) ||
           (c == '.' && roles.point == MarkRole::Decimal);
}

std::size_t DigitsAt(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
    return n;
}

std::string_view WithoutBlanks(std::string_view cell) {
    while (std::size_t n = BlankAt(cell)) cell.remove_prefix(n);
    while (!cell.empty()) {
        std::size_t n = 0;
        for (std::size_t k : {1, 2, 3})
            if (cell.size() >= k && BlankAt(cell.substr(cell.size() - k)) == k) n = k;
        if (n == 0) break;
        cell.remove_suffix(n);
    }
    return cell;
}
}  // namespace

std::optional<std::string> CellNumber(std::string_view cell, MarkRoles roles) {
    cell = WithoutBlanks(cell);
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
    for (std::size_t n; digits >= 1 && digits <= 3 && (n = GroupSeparatorAt(cell, roles)) > 0;) {
        if (DigitsAt(cell.substr(n)) != 3) return std::nullopt;
        number += cell.substr(n, 3);
        cell.remove_prefix(n + 3);
        allDigits += 3;
    }
    if (!cell.empty() && IsDecimalMark(cell.front(), roles)) {
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

// A number under some roles of "," and ".": what a header or a column of numbers is
// told by before the roles are known.
bool LooksLikeNumber(std::string_view cell) {
    constexpr MarkRoles tried[] = {{MarkRole::Decimal, MarkRole::Decimal},
                                   {MarkRole::Group, MarkRole::Decimal},
                                   {MarkRole::Decimal, MarkRole::Group}};
    return std::any_of(std::begin(tried), std::end(tried),
                       [cell](MarkRoles roles) { return CellNumber(cell, roles).has_value(); });
}

// What one number cell says of the roles of "," and ".": both marks in it (the last
// is the decimal one), one mark twice (groups), or one mark once, which is a group
// separator only as in "1,234" (one to three digits, not a lone 0, then exactly three)
// and there says nothing.
struct MarkEvidence {
    std::optional<MarkRole> comma, point;
};

MarkEvidence EvidenceOf(std::string_view cell) {
    cell = WithoutBlanks(cell);
    MarkEvidence evidence;
    const std::size_t commas = std::count(cell.begin(), cell.end(), ',');
    const std::size_t points = std::count(cell.begin(), cell.end(), '.');
    if (commas > 0 && points > 0) {
        const bool commaLast = cell.rfind(',') > cell.rfind('.');
        evidence.comma = commaLast ? MarkRole::Decimal : MarkRole::Group;
        evidence.point = commaLast ? MarkRole::Group : MarkRole::Decimal;
        return evidence;
    }
    if (commas + points == 0) return evidence;
    std::optional<MarkRole>& role = commas > 0 ? evidence.comma : evidence.point;
    if (commas + points > 1) {
        role = MarkRole::Group;
        return evidence;
    }
    const std::size_t mark = cell.find_first_of(",.");
    std::string_view before = cell.substr(0, mark), after = cell.substr(mark + 1);
    if (before.starts_with('+') || before.starts_with('-')) before.remove_prefix(1);
    const bool groupLike = DigitsAt(before) == before.size() && before.size() >= 1 &&
                           before.size() <= 3 && before != "0" && after.size() == 3 &&
                           DigitsAt(after) == 3;
    if (!groupLike) role = MarkRole::Decimal;
    return evidence;
}

const char* MarkName(char mark) { return mark == ',' ? "запятая" : "точка"; }
const char* RoleName(MarkRole role) {
    return role == MarkRole::Decimal ? "десятичный знак" : "разделитель разрядов";
}

// One line of the table: its number in the text and its cells.
struct TableLine {
    std::size_t number = 0;
    std::vector<std::string> cells;
};

struct SplitTable {
    std::vector<std::string> header;  // empty when the first line holds a number
    std::vector<TableLine> lines;
    std::string error;
};

// The lines of the text split into cells: the byte-order mark, "sep=", blank lines and
// comments taken away, the header set apart.
SplitTable SplitText(std::string_view text) {
    SplitTable table;
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
        // A first line none of whose cells is a number names the columns.
        if (first && std::none_of(cells.begin(), cells.end(), LooksLikeNumber))
            table.header = std::move(cells);
        else
            table.lines.push_back({lineNumber, std::move(cells)});
        first = false;
    }
    return table;
}

// A header's cell as a name: blanks trimmed, Latin and Cyrillic capitals made small
// (in UTF-8 А..П are D0 90..9F, Р..Я D0 A0..AF, Ё D0 81; а..п D0 B0..BF, р..я D1
// 80..8F, ё D1 91).
std::string NameOf(std::string_view cell) {
    std::string name = TrimBlanks(cell);
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (c >= 'A' && c <= 'Z') name[i] = static_cast<char>(c - 'A' + 'a');
        if (c != 0xD0 || i + 1 == name.size()) continue;
        auto& next = reinterpret_cast<unsigned char&>(name[i + 1]);
        if (next >= 0x90 && next <= 0x9F) {
            next = static_cast<unsigned char>(next + 0x20);
        } else if (next >= 0xA0 && next <= 0xAF) {
            name[i] = static_cast<char>(0xD1);
            next = static_cast<unsigned char>(next - 0x20);
        } else if (next == 0x81) {
            name[i] = static_cast<char>(0xD1);
            next = 0x91;
        }
        ++i;
    }
    return name;
}

// The place of the column the header names by one of these names.
std::optional<std::size_t> NamedColumn(const SplitTable& table,
                                       std::initializer_list<std::string_view> names) {
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        const std::string name = NameOf(table.header[c]);
        if (std::find(names.begin(), names.end(), name) != names.end()) return c;
    }
    return std::nullopt;
}

// A column as the user refers to it: its number from 1 or its header's text.
std::optional<std::size_t> RequestedColumn(const SplitTable& table, std::size_t width,
                                           const std::string& request) {
    const std::string wanted = TrimBlanks(request);
    if (!wanted.empty() && DigitsAt(wanted) == wanted.size()) {
        const std::size_t number = wanted.size() > 3 ? 0 : std::stoul(wanted);
        if (number >= 1 && number <= width) return number - 1;
        return std::nullopt;
    }
    for (std::size_t c = 0; c < table.header.size(); ++c)
        if (NameOf(table.header[c]) == NameOf(wanted)) return c;
    return std::nullopt;
}

// The columns' labels for a choice: "1 «N»" by the header, or "1 «1; 2; 3…»" by the
// first values.
std::string ColumnLabel(const SplitTable& table, std::size_t c) {
    std::string label = c < table.header.size() ? TrimBlanks(table.header[c]) : "";
    if (label.empty()) {
        int shown = 0;
        for (const TableLine& line : table.lines) {
            if (c >= line.cells.size()) continue;
            if (shown == 3) {
                label += "…";
                break;
            }
            label += (shown++ ? "; " : "") + TrimBlanks(line.cells[c]);
        }
    }
    return std::to_string(c + 1) + " «" + label + "»";
}

struct Columns {
    std::size_t x = 0, y = 1;
    std::optional<std::size_t> sigma;
    std::string error;
    std::vector<std::string> choice;  // the columns to choose from, with the error
};

// Which columns hold X and Y (and sigma): the ones asked for, the ones the header
// names, the two that hold numbers; never a guess among more.
Columns DecideColumns(const SplitTable& table, const std::optional<ColumnRequest>& request) {
    Columns columns;
    std::size_t width = table.header.size();
    for (const TableLine& line : table.lines) width = std::max(width, line.cells.size());
    if (request) {
        const auto x = RequestedColumn(table, width, request->x);
        const auto y = RequestedColumn(table, width, request->y);
        const bool withSigma = !request->sigma.empty();
        const auto sigma = withSigma ? RequestedColumn(table, width, request->sigma) : std::nullopt;
        if (!x || !y || (withSigma && !sigma)) {
            columns.error = "нет столбца «" +
                            (!x   ? request->x
                             : !y ? request->y
                                  : request->sigma) +
                            "»";
        } else if (*x == *y || (sigma && (*sigma == *x || *sigma == *y))) {
            columns.error = sigma ? "X, Y и σ — не три разных столбца" : "X и Y — один столбец";
        } else {
            columns.x = *x;
            columns.y = *y;
            columns.sigma = sigma;
        }
        return columns;
    }
    const auto namedX = NamedColumn(table, {"x", "\xD1\x85"}),
               namedY = NamedColumn(table, {"y", "\xD1\x83"});
    if (namedX && namedY) {
        columns.x = *namedX;
        columns.y = *namedY;
        columns.sigma = NamedColumn(table, {"σ", "Σ", "sigma", "dy", "погрешность", "ошибка"});
        return columns;
    }
    std::vector<std::size_t> numbered;
    for (std::size_t c = 0; c < width; ++c)
        if (std::any_of(table.lines.begin(), table.lines.end(), [c](const TableLine& line) {
                return c < line.cells.size() && LooksLikeNumber(line.cells[c]);
            }))
            numbered.push_back(c);
    if (numbered.size() == 2) {
        columns.x = numbered[0];
        columns.y = numbered[1];
    } else if (numbered.size() > 2) {
        columns.error = "столбцов с числами больше двух";
        for (std::size_t c = 0; c < width; ++c) columns.choice.push_back(ColumnLabel(table, c));
    }
    return columns;
}

// The roles of "," and "." for the whole table: from its own cells first, then from
// the user's regional convention (under which "1,234" is a thousand, or one and a
// bit); an error naming the first cell that disagrees with an earlier one.
struct Marks {
    MarkRoles roles;
    std::string error;
};

// The columns read, each with the name a message gives its cells.
struct ReadColumn {
    std::size_t place;
    const char* name;
};

std::vector<ReadColumn> ReadColumns(const Columns& columns) {
    std::vector<ReadColumn> read = {{columns.x, "X"}, {columns.y, "Y"}};
    if (columns.sigma) read.push_back({*columns.sigma, "σ"});
    return read;
}

Marks DecideMarks(const SplitTable& table, const Columns& columns, RegionalMarks regional) {
    struct Seen {
        std::optional<MarkRole> role;
        std::size_t line = 0;
    } comma, point;
    Marks marks;
    for (const TableLine& line : table.lines)
        for (const auto [c, name] : ReadColumns(columns)) {
            if (c >= line.cells.size() || !LooksLikeNumber(line.cells[c])) continue;
            const MarkEvidence evidence = EvidenceOf(line.cells[c]);
            for (auto [said, seen, mark] : {std::tuple{evidence.comma, &comma, ','},
                                            std::tuple{evidence.point, &point, '.'}}) {
                if (!said) continue;
                if (seen->role && *seen->role != *said) {
                    marks.error =
                        InLine(line.number, "в ячейке " + std::string(name) + " «" + line.cells[c] +
                                                "» " + MarkName(mark) + " — " + RoleName(*said) +
                                                ", а в строке " + std::to_string(seen->line) +
                                                " — " + RoleName(*seen->role));
                    return marks;
                }
                if (!seen->role) *seen = {said, line.number};
            }
        }
    const auto resolve = [&regional](const Seen& own, char mark) {
        if (own.role) return *own.role;
        return regional.group == mark && regional.decimal != mark ? MarkRole::Group
                                                                  : MarkRole::Decimal;
    };
    marks.roles = {resolve(comma, ','), resolve(point, '.')};
    return marks;
}
}  // namespace

PointTable ReadPointTable(std::string_view text, const TableReading& how) {
    PointTable table;
    const SplitTable split = SplitText(text);
    if (!split.error.empty()) {
        table.error = split.error;
        return table;
    }
    const Columns columns = DecideColumns(split, how.columns);
    if (!columns.error.empty()) {
        table.error = columns.error;
        table.columns = columns.choice;
        return table;
    }
    const Marks marks = DecideMarks(split, columns, how.regional);
    if (!marks.error.empty()) {
        table.error = marks.error;
        return table;
    }
    const std::vector<ReadColumn> read = ReadColumns(columns);
    for (const TableLine& line : split.lines) {
        std::vector<std::string> numbers;
        for (const auto [c, name] : read) {
            const std::string cell = c < line.cells.size() ? line.cells[c] : std::string();
            const std::optional<std::string> number = CellNumber(cell, marks.roles);
            std::string fault;
            if (!number) {
                const bool blank = cell.find_first_not_of(" \t") == std::string::npos;
                fault = blank ? "нет числа " + std::string(name)
                              : "в ячейке " + std::string(name) + " не число: «" + cell + "»";
            } else if (TypedValueBeyondRange(*number)) {
                fault = "число " + std::string(name) + " вне допустимого диапазона";
            } else if (c == columns.sigma && !UsableSigma(*number)) {
                fault = "в ячейке σ не больше нуля: «" + cell + "»";
            }
            if (!fault.empty()) {
                table.error = InLine(line.number, fault);
                return table;
            }
            numbers.push_back(*number);
        }
        if (table.pairs.size() == MaxEnteredPoints) {
            table.error = "больше " + std::to_string(MaxEnteredPoints) + " пар точек";
            return table;
        }
        table.pairs.push_back({numbers[0], numbers[1], columns.sigma ? numbers[2] : std::string()});
    }
    table.withSigma = columns.sigma.has_value();
    if (table.pairs.empty())
        table.error = how.noPoints;
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
        StoreTypedValue(i, PairPart::Sigma, table.withSigma ? pair.sigma : "");
    }
    Shared.PointCount = static_cast<std::int16_t>(i);
    Shared.SigmaPresent = table.withSigma;
    SortPointsByX();
}
