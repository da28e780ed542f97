#pragma once
// Form2, the formula window: first the backdrop of the data entry with its list of
// typed pairs, then the list of approximating formulas whose choice starts the first
// fit. After a failed fit it shows the report and "Окончание работы". Designed in
// twips.

#include <QLabel>
#include <QListWidget>
#include <functional>
#include <optional>

#include "Controls.h"
#include "FormWindow.h"
#include "PointTable.h"

// Twips per line of the window's list, and per step down of the boxes that ask for
// the line's values (the pairs, the degree of a polynomial).
constexpr double EntryLineHeight = 195;

class FormulaWindow : public FormWindow {
    Q_OBJECT
public:
    FormulaWindow();
    void LoadSetUp() override;

    QListWidget* List1 = nullptr;       // entry list, then formula list
    QLabel* Label4 = nullptr;           // prompt under the formula list
    CaptionButton* Command5 = nullptr;  // "Окончание работы"
    // The formulas are offered (not the backdrop of the data entry): the comparison
    // of every formula may be asked for.
    bool ChoosingFormula = false;

    // Clears and fills the formula list with the formulas the point count allows.
    void RefillFormulaList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A file of points dropped on the window replaces the pairs.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Command5Click();
    // Ctrl+O or a drop: the pairs of a file in place of these, the choice afresh.
    void ReplacePoints(const std::optional<PointTable>& table);
};

// The formula window, loaded on first reference.
FormulaWindow& Form2();
bool Form2Loaded();

// Lays the formula window out as the formula choice: caption, list, prompt and the
// place of "Окончание работы".
void FormulaWindowLayout();

// The driver of the first fit: the chosen kind (1-based), the degree of a
// polynomial, the unknowns check, the engine steps and, on success, the results
// window.
void ChooseFormula(int kind);
// The same driver from the engine steps on, for the formula the shared state holds.
void ShowFirstFit();

// A file opened on the title or the formula window (Ctrl+O, a drop, the command line):
// a saved work goes straight to the results window as it was saved, the caller
// closed; a table of points goes to replacePoints.
void OpenPointsOrWork(const std::string& path,
                      const std::function<void(const std::optional<PointTable>&)>& replacePoints);

// Rebuilds the formula choice and shows it again, with the results window's commands
// restored behind it.
void ReturnToFormulaChoice();
