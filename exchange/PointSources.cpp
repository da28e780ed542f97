#include "PointSources.h"

#include <filesystem>

#include "Clipboard.h"
#include "Dialogs.h"
#include "FileText.h"
#include "NumberFormat.h"
#include "WholeFile.h"

namespace {
std::optional<PointTable> Checked(const PointTable& table, const std::string& source) {
    if (table.error.empty()) return table;
    TheDialogs().Beep();
    TheDialogs().Inform("Точки не взяты из " + source + ": " + table.error + ".", "ОШИБКА !",
                        MessageIcon::Warning);
    return std::nullopt;
}
}  // namespace

PointTable PointTableOfFile(const std::string& path) {
    const FileText file = ReadFileText(path);
    if (!file.outcome) return {{}, file.outcome.error};
    return ReadPointTable(file.text, "в файле нет точек");
}

std::optional<PointTable> PointsOfFile(const std::string& path) {
    return Checked(PointTableOfFile(path), "файла «" + FileNameOf(path) + "»");
}

std::optional<PointTable> PointsOfClipboard() {
    return Checked(ReadPointTable(ClipboardText(), "в буфере обмена нет точек"), "буфера обмена");
}

std::optional<PointTable> PointsOfChosenFile() {
    const std::string path = TheDialogs().OpenFileName("Открыть файл с точками");
    if (path.empty()) return std::nullopt;
    return PointsOfFile(path);
}

Outcome SavePointFile(const std::string& path) {
    return WriteWholeFile(path, PointTableText(DecimalSeparator()));
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}
