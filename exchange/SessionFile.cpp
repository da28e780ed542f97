#include "SessionFile.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <filesystem>

#include "Dialogs.h"
#include "FileText.h"
#include "FormulaChoice.h"
#include "FormulaKinds.h"
#include "PointSet.h"
#include "PointSources.h"
#include "SharedState.h"
#include "WholeFile.h"

namespace {
const char* const FormatName = "approximation-session";

QString Q(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

std::string SessionText(const Work& work) {
    QJsonArray points;
    for (int i = 1; i <= work.pointCount; ++i) {
        QJsonObject pair{{"x", Q(work.xText[i])}, {"y", Q(work.yText[i])}};
        if (work.sigmaPresent) pair.insert("sigma", Q(work.sigmaText[i]));
        points.append(pair);
    }
    QJsonObject root{
        {"format", FormatName},    {"version", SessionVersion},
        {"points", points},        {"formula", work.kind},
        {"degree", work.degree},   {"fit", work.fitMode == FitOnY ? "on_y" : "linearised"},
        {"bands", work.bandsShown}};
    if (work.sigmaPresent)
        root.insert("sigma", work.sigmaConvention == SigmaAbsolute ? "absolute" : "relative");
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

std::optional<Work> WorkOfSessionText(std::string_view text, std::string& error) {
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())), &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        error = "файл работы повреждён (не JSON: " + parse.errorString().toStdString() + ")";
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value("format").toString() != FormatName) {
        error = "это не файл работы программы";
        return std::nullopt;
    }
    const int version = root.value("version").toInt(0);
    if (version > SessionVersion) {
        error =
            "файл сохранён более новой версией программы (версия " + std::to_string(version) + ")";
        return std::nullopt;
    }
    const QJsonArray points = root.value("points").toArray();
    if (version < 1 || points.size() < MinEnteredPoints || points.size() > MaxEnteredPoints) {
        error = "файл работы повреждён: в нём не от " + std::to_string(MinEnteredPoints) + " до " +
                std::to_string(MaxEnteredPoints) + " пар точек";
        return std::nullopt;
    }
    const SharedState before = Shared;
    Shared.PointCount = static_cast<std::int16_t>(points.size());
    // Either every pair has its sigma or none has.
    Shared.SigmaPresent = points.at(0).toObject().contains("sigma");
    for (int i = 1; i <= points.size(); ++i) {
        const QJsonObject pair = points.at(i - 1).toObject();
        const std::string sigma = pair.value("sigma").toString().toStdString();
        if (!pair.value("x").isString() || !pair.value("y").isString() ||
            pair.contains("sigma") != Shared.SigmaPresent) {
            Shared = before;
            error = "файл работы повреждён: у пары " + std::to_string(i) + " нет X, Y или σ";
            return std::nullopt;
        }
        StoreTypedValue(i, PairPart::X, pair.value("x").toString().toStdString());
        StoreTypedValue(i, PairPart::Y, pair.value("y").toString().toStdString());
        StoreTypedValue(i, PairPart::Sigma, sigma);
        if (Shared.SigmaPresent && !UsableSigma(sigma)) {
            Shared = before;
            error = "файл работы повреждён: σ пары " + std::to_string(i) + " не больше нуля";
            return std::nullopt;
        }
    }
    Shared.SigmaConvention =
        root.value("sigma").toString() == "absolute" ? SigmaAbsolute : SigmaRelative;
    SortPointsByX();
    const int kind = root.value("formula").toInt(0);
    const QString fit = root.value("fit").toString();
    Shared.FitMode = fit == "on_y" ? FitOnY : FitLinearised;
    Shared.BandsShown = root.value("bands").toBool(false);
    const bool taken = kind >= 1 && kind <= FormulaCount &&
                       (fit == "on_y" || fit == "linearised") &&
                       TakeFormula(static_cast<std::uint8_t>(kind),
                                   static_cast<std::int16_t>(root.value("degree").toInt(0)));
    const Work work = WorkOfSharedState();
    Shared = before;
    if (!taken) {
        error = "файл работы повреждён: формула, степень или метод не подходят к точкам";
        return std::nullopt;
    }
    return work;
}

bool IsSessionFile(const std::string& path) {
    if (std::filesystem::path(path).extension() == SessionExtension) return true;
    const FileText file = ReadFileText(path);
    const std::size_t first = file.text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    return file.outcome && first != std::string::npos && file.text[first] == '{';
}

std::optional<Work> ReadSessionFile(const std::string& path, std::string& error) {
    const FileText file = ReadFileText(path);
    if (!file.outcome) {
        error = file.outcome.error;
        return std::nullopt;
    }
    return WorkOfSessionText(file.text, error);
}

std::optional<Work> WorkOfSessionFile(const std::string& path) {
    std::string error;
    if (auto work = ReadSessionFile(path, error)) return work;
    TheDialogs().Beep();
    TheDialogs().Inform("Работа не открыта из файла «" + FileNameOf(path) + "»: " + error + ".",
                        "ОШИБКА !", MessageIcon::Warning);
    return std::nullopt;
}

bool SaveWorkAsked() {
    std::string path = TheDialogs().SaveFileName("Сохранить работу", "работа.approx");
    if (path.empty()) return false;
    if (!std::filesystem::path(path).has_extension()) path += SessionExtension;
    const Outcome saved = WriteWholeFile(path, SessionText(WorkOfSharedState()));
    if (saved) return true;
    TheDialogs().Inform(
        "Работа не сохранена в файл «" + FileNameOf(path) + "»: " + saved.error + ".", "ОШИБКА !",
        MessageIcon::Warning);
    return false;
}
