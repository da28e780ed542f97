// The results window's ways in and out besides its buttons: points opened from a
// file or pasted from a spreadsheet, the points saved, the results copied, the report
// written as a PDF; by shortcut or from the menu of a right click, in the results
// state only.
#include <QShortcut>

#include "Clipboard.h"
#include "Dialogs.h"
#include "EngineCodes.h"
#include "FormulaChoice.h"
#include "PointSources.h"
#include "PrintReport.h"
#include "ResultsText.h"
#include "ResultsWindow.h"
#include "SessionFile.h"
#include "SharedState.h"

void ResultsWindow::SetUpDataExchange() {
    const std::vector<Shortcut> keys = {
        {QKeySequence::Open, &ResultsWindow::OpenPoints},
        {QKeySequence::Paste, &ResultsWindow::PastePoints},
        {QKeySequence::Save, &ResultsWindow::SavePoints},
        {QKeySequence::Copy, &ResultsWindow::CopyResults},
        {QKeySequence(Qt::CTRL | Qt::Key_E), &ResultsWindow::SaveReportPdf},
        {QKeySequence(Qt::CTRL | Qt::Key_R), &ResultsWindow::CompareFormulasAndChoose},
        {QKeySequence(Qt::Key_F3), &ResultsWindow::CompareFormulasAndChoose},
    };
    AddResultsShortcuts(keys);
}

void ResultsWindow::ShowDataMenu(int xPixels, int yPixels) {
    std::vector<std::string> items = {
        "Открыть файл с точками…\tCtrl+O", "Вставить точки из буфера обмена\tCtrl+V",
        "Сохранить точки в файл…\tCtrl+S", "Сравнить все зависимости…\tCtrl+R"};
    std::vector<void (ResultsWindow::*)()> commands = {
        &ResultsWindow::OpenPoints, &ResultsWindow::PastePoints, &ResultsWindow::SavePoints,
        &ResultsWindow::CompareFormulasAndChoose};
    if (fitOnDisplay_) {
        items.insert(items.end(),
                     {"Копировать результаты\tCtrl+C", "Сохранить отчёт в PDF…\tCtrl+E"});
        commands.insert(commands.end(),
                        {&ResultsWindow::CopyResults, &ResultsWindow::SaveReportPdf});
        // The fit on display and how sure it is (FitOnY.cpp).
        items.insert(items.end(), {Shared.FitMode == FitOnY ? "Показать линеаризованный МНК\tCtrl+Y"
                                                            : "Показать МНК по Y\tCtrl+Y",
                                   "Точность коэффициентов…\tCtrl+D"});
        commands.insert(commands.end(),
                        {&ResultsWindow::ToggleFitMode, &ResultsWindow::ShowSpread});
        // How sure the curve is (BandsCommand.cpp).
        items.insert(items.end(), {Shared.BandsShown ? "Скрыть полосы 95 %\tCtrl+B"
                                                     : "Показать полосы 95 %\tCtrl+B",
                                   "Остатки…\tF4"});
        commands.insert(commands.end(),
                        {&ResultsWindow::ToggleBands, &ResultsWindow::ShowResiduals});
    }
    items.push_back("Сохранить работу…\tCtrl+Shift+S");
    commands.push_back(&ResultsWindow::SaveWork);
    // The history's steps, named (UndoCommand.cpp).
    if (history_.CanUndo()) {
        items.push_back("Отменить: " + history_.UndoName() + "\tCtrl+Z");
        commands.push_back(&ResultsWindow::UndoStep);
    }
    if (history_.CanRedo()) {
        items.push_back("Вернуть: " + history_.RedoName() + "\tCtrl+Shift+Z");
        commands.push_back(&ResultsWindow::RedoStep);
    }
    const int chosen = TheDialogs().ChooseFromMenu(items, xPixels, yPixels);
    if (chosen >= 0 && chosen < static_cast<int>(commands.size())) (this->*commands[chosen])();
}

void ResultsWindow::OpenPoints() {
    const std::string path = AskFileToOpen();
    if (path.empty()) return;
    // A saved work replaces the whole work; a table, the points.
    if (IsSessionFile(path)) {
        if (const auto work = WorkOfSessionFile(path)) ShowWork(*work);
        return;
    }
    if (const auto table = PointsOfFile(path)) ReplacePoints(*table);
}

void ResultsWindow::PastePoints() {
    if (const auto table = PointsOfClipboard()) ReplacePoints(*table);
}

void ResultsWindow::ReplacePoints(const PointTable& table) {
    auto& s = Shared;
    ReplacePointsWith(table);
    Drawing().Clear();
    // The formula on display may need more points than the new set has.
    if (!ChosenFormulaFits()) {
        fitOnDisplay_ = false;
        update();
        TheDialogs().Inform("Пар точек теперь " + std::to_string(s.PointCount) +
                                ": выбранной зависимости их мало. Выберите другую.",
                            "Внимание !", MessageIcon::Warning);
        Command2Click();
        return;
    }
    if (RunGuardedComputation()) ShowFit();
    ReturnToResults(RemovalRule::Strict);
}

void ResultsWindow::SavePoints() {
    const std::string path = TheDialogs().SaveFileName("Сохранить точки в файл", "точки.tsv");
    if (path.empty()) return;
    if (const Outcome saved = SavePointFile(path); !saved)
        TheDialogs().Inform(
            "Точки не сохранены в файл «" + FileNameOf(path) + "»: " + saved.error + ".",
            "ОШИБКА !", MessageIcon::Warning);
}

void ResultsWindow::CopyResults() {
    if (fitOnDisplay_) SetClipboardText(ResultsText());
}

void ResultsWindow::SaveReportPdf() {
    if (!fitOnDisplay_) return;
    const std::string path = TheDialogs().SaveFileName("Сохранить отчёт в PDF", "отчёт.pdf");
    if (path.empty()) return;
    const Outcome outcome = SaveReportAsPdf(path);
    // Composing the page used the print table: the screen table is drawn again.
    Redraw();
    if (!outcome)
        TheDialogs().Inform(
            "Отчёт не сохранён в файл «" + FileNameOf(path) + "»: " + outcome.error + ".",
            "ОШИБКА !", MessageIcon::Warning);
}
