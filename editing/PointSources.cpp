#include "PointSources.h"

#include <filesystem>

#include "Clipboard.h"
#include "Dialogs.h"

namespace {
std::optional<PointTable> Checked(const PointTable& table, const std::string& source) {
    if (table.error.empty()) return table;
    TheDialogs().Beep();
    TheDialogs().Inform("Точки не взяты из " + source + ": " + table.error + ".", "ОШИБКА !",
                        MessageIcon::Warning);
    return std::nullopt;
}
}  // namespace

std::optional<PointTable> PointsOfFile(const std::string& path) {
    return Checked(ReadPointFile(path), "файла «" + FileNameOf(path) + "»");
}

std::optional<PointTable> PointsOfClipboard() {
    return Checked(ReadPointTable(ClipboardText()), "буфера обмена");
}

std::optional<PointTable> PointsOfChosenFile() {
    const std::string path = TheDialogs().OpenFileName("Открыть файл с точками");
    if (path.empty()) return std::nullopt;
    return PointsOfFile(path);
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}
