#include "PointTable.h"

#include <csv.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "NumberText.h"
#include "PointSet.h"
#include "SharedState.h"

namespace {
const std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The cells of one line, read by libcsv with this separator; with blanks as the
// separator a run of blanks separates once.
std::vector<std::string> Cells(std::string_view line, unsigned char separator) {
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
    if (line.find('\t') != std::string_view::npos) return Cells(line, '\t');
    if (line.find(';') != std::string_view::npos) return Cells(line, ';');
    std::vector<std::string> byBlanks = Cells(line, ' ');
    bool leansOnComma = false;
    for (const std::string& c : byBlanks)
        leansOnComma = leansOnComma || c.empty() || c.front() == ',' || c.back() == ',';
    if (byBlanks.size() >= 2 && !leansOnComma) return byBlanks;
    return Cells(line, ',');
}

bool HasNumber(const std::string& cell) {
    // A leading number as typed input reads it: digits, possibly after a sign or point
    // (an empty cell holds none, though an empty answer to a box counts as 0).
    if (cell.empty()) return false;
    const std::string text = NormalizeNumberText(cell);
    for (char c : text) {
        if (c >= '0' && c <= '9') return true;
        if (c != ' ' && c != '\t' && c != '+' && c != '-' && c != '.') return false;
    }
    return false;
}

bool ValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80           ? 1
                                   : (c >> 5) == 0x6  ? 2
                                   : (c >> 4) == 0xE  ? 3
                                   : (c >> 3) == 0x1E ? 4
                                                      : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string InLine(std::size_t line, const std::string& what) {
    return "в строке " + std::to_string(line) + " " + what;
}
}  // namespace

PointTable ReadPointTable(std::string_view text) {
    PointTable table;
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
        std::vector<std::string> cells = SplitLine(line);
        cells.resize(std::max<std::size_t>(cells.size(), 2));
        const bool header = first && !HasNumber(cells[0]) && !HasNumber(cells[1]);
        first = false;
        if (header) continue;
        for (int k = 0; k < 2; ++k) {
            const char* const name = k == 0 ? "X" : "Y";
            if (!HasNumber(cells[k])) {
                table.error = InLine(lineNumber, std::string("нет числа ") + name);
                return table;
            }
            if (TypedValueBeyondRange(cells[k])) {
                table.error =
                    InLine(lineNumber, std::string("число ") + name + " вне допустимого диапазона");
                return table;
            }
        }
        if (table.pairs.size() == MaxEnteredPoints) {
            table.error = "больше " + std::to_string(MaxEnteredPoints) + " пар точек";
            return table;
        }
        table.pairs.push_back({cells[0], cells[1]});
    }
    if (table.pairs.size() < MinEnteredPoints)
        table.error = "пар точек меньше " + std::to_string(MinEnteredPoints) + " (" +
                      std::to_string(table.pairs.size()) + ")";
    return table;
}

PointTable ReadPointFile(const std::string& path) {
    PointTable table;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const char* const why = errno == ENOENT   ? "файла нет"
                                : errno == EACCES ? "нет прав на чтение"
                                                  : "он не открылся";
        table.error = std::string("файл не прочитан: ") + why;
        return table;
    }
    std::string bytes;
    bytes.resize(MaxPointFileBytes + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        table.error = "файл не прочитан: ошибка чтения";
        return table;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > MaxPointFileBytes) {
        table.error = "файл не прочитан: он больше 1 МБ";
        return table;
    }
    return ReadPointTable(bytes);
}

void UsePointTable(const PointTable& table) {
    int i = 0;
    for (const TypedPair& pair : table.pairs) {
        ++i;
        StoreTypedValue(i, PairPart::X, pair.x);
        StoreTypedValue(i, PairPart::Y, pair.y);
    }
    Shared.PointCount = static_cast<std::int16_t>(i);
    SortPointsByX();
}

namespace {
// A cell that would not read back alike unquoted (blanks at its ends, a tab, a quote
// or a line break in it) is quoted, its quotes doubled.
std::string Cell(const std::string& text) {
    const bool plain = !text.empty() && text.front() != ' ' && text.back() != ' ' &&
                       text.find_first_of("\t\"\r\n") == std::string::npos;
    if (plain) return text;
    std::string quoted(2 * text.size() + 2, '\0');
    quoted.resize(csv_write(quoted.data(), quoted.size(), text.data(), text.size()));
    return quoted;
}
}  // namespace

// A stored text as typed input must be to come back to it: reading normalises the
// first comma to a point again, so a text that still holds a comma (typed with two)
// is written with its point before that comma as the comma it was.
std::string AsTyped(std::string stored) {
    const std::size_t comma = stored.find(',');
    if (comma == std::string::npos) return stored;
    const std::size_t point = stored.rfind('.', comma);
    if (point != std::string::npos) stored[point] = ',';
    return stored;
}

std::string PointTableText() {
    // A text the entry took for 0 because it held no number is written as that 0:
    // a file line without a number is refused when read.
    auto cell = [](const std::string& stored) {
        return Cell(HasNumber(stored) ? AsTyped(stored) : "0");
    };
    std::string text = "X\tY\n";
    for (int i = 1; i <= Shared.PointCount; ++i)
        text += cell(Shared.PointXText[i]) + "\t" + cell(Shared.PointYText[i]) + "\n";
    return text;
}

bool WritePointFile(const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = errno == EACCES || errno == EROFS ? "нет прав на запись"
                                                  : "файл не открылся для записи";
        return false;
    }
    const std::string text = PointTableText();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        error = "запись не закончена (нет места на диске?)";
        return false;
    }
    return true;
}
