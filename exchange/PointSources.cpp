#include "PointSources.h"

#include <filesystem>

#include "Clipboard.h"
#include "Dialogs.h"
#include "FileText.h"
#include "NumberFormat.h"
#include "Utf8Text.h"
#include "WholeFile.h"

namespace {
RegionalMarks regionalMarks;

std::optional<PointTable> Checked(const PointTable& table, const std::string& source) {
    if (table.error.empty()) return table;
    TheDialogs().Beep();
    TheDialogs().Inform("Точки не взяты из " + source + ": " + table.error + ".", "ОШИБКА !",
                        MessageIcon::Warning);
    return std::nullopt;
}

// The table of a text; where its columns of X and Y are not to be told, the user is
// asked which they are and it is read again with them. None on Cancel.
std::optional<PointTable> AskedTable(const FileText& file, std::string_view noPoints,
                                     const std::string& source) {
    if (!file.outcome) return Checked({{}, file.outcome.error, {}}, source);
    TableReading how = ReadingOf(noPoints);
    PointTable table = ReadPointTable(file.text, how);
    if (!table.columns.empty()) {
        const std::optional<ColumnPair> chosen = TheDialogs().ChooseColumns(table.columns);
        if (!chosen) return std::nullopt;
        how.columns = ColumnRequest{std::to_string(chosen->x + 1), std::to_string(chosen->y + 1),
                                    chosen->sigma < 0 ? "" : std::to_string(chosen->sigma + 1)};
        table = ReadPointTable(file.text, how);
    }
    return Checked(table, source);
}
}  // namespace

void UseRegionalMarks(RegionalMarks marks) { regionalMarks = marks; }

TableReading ReadingOf(std::string_view noPoints, std::optional<ColumnRequest> columns) {
    return {noPoints, regionalMarks, std::move(columns)};
}

PointTable PointTableOfFile(const std::string& path, std::optional<ColumnRequest> columns) {
    const FileText file = ReadFileText(path);
    if (!file.outcome) return {{}, file.outcome.error, {}};
    return ReadPointTable(file.text, ReadingOf("в файле нет точек", std::move(columns)));
}

std::optional<PointTable> PointsOfFile(const std::string& path) {
    return AskedTable(ReadFileText(path), "в файле нет точек", "файла «" + FileNameOf(path) + "»");
}

std::optional<PointTable> PointsOfClipboard() {
    return AskedTable({ClipboardText(), {}}, "в буфере обмена нет точек", "буфера обмена");
}

std::string AskFileToOpen() { return TheDialogs().OpenFileName("Открыть файл с точками"); }

std::optional<PointTable> PointsOfChosenFile() {
    const std::string path = AskFileToOpen();
    if (path.empty()) return std::nullopt;
    return PointsOfFile(path);
}

Outcome SavePointFile(const std::string& path) {
    return WriteWholeFile(path, PointTableText(DecimalSeparator()));
}

std::string FileNameOf(const std::string& path) {
    return EscapedUtf8(std::filesystem::path(path).filename().string());
}
