#pragma once
// Form3, the results window: the graph, the coefficient panel and the table drawn on
// its client area, seven command buttons in two columns below the graph, and the
// controls that only some commands show (the formula list with its caption line,
// the pick prompt, the cell editor). Works in pixels. The window's state is which
// of its controls are visible.

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "Controls.h"
#include "FormWindow.h"

class ResultsWindow : public FormWindow {
    Q_OBJECT
public:
    ResultsWindow();
    void LoadSetUp() override;

    CaptionButton* Command1 = nullptr;  // "Окончание работы"
    CaptionButton* Command2 = nullptr;  // change the formula
    CaptionButton* Command3 = nullptr;  // add a pair
    CaptionButton* Command4 = nullptr;  // remove a pair
    CaptionButton* Command5 = nullptr;  // interpolation
    CaptionButton* Command6 = nullptr;  // print
    CaptionButton* Command7 = nullptr;  // correct a pair
    QListWidget* List1 = nullptr;     // formula list of the formula change
    QLabel* Label4 = nullptr;         // its caption line
    QLabel* Label1 = nullptr;         // pick prompt
    QLineEdit* Text1 = nullptr;       // in-place cell editor

    // Clears and fills List1 with the formulas the point count allows.
    void RefillResultsFormulaList();
    // FitCoefficients, RecoverCoefficients, the trial evaluation and SampleCurve; a
    // failure is reported on this window and false returned, and the caller then
    // ends its handler.
    bool RunGuardedComputation();
    // Clears the drawing and draws graph, coefficients and table again.
    void Redraw();
    // Command3 is offered while a pair may still be added.
    void ApplyCommand3Rule();
    // Command4 is offered while a pair may be removed: the strict rule keeps one
    // more pair than the fit needs beyond its unknowns.
    enum class RemovalRule { Strict, Inclusive };
    void ApplyCommand4Rule(RemovalRule rule);

    // The command buttons in order, Command1 first.
    std::vector<CaptionButton*> Commands() const;

private:
    void Command1Click();
};

// The results window, loaded on first reference.
ResultsWindow& Form3();
bool Form3Loaded();

// Restores the results window's command set (shown or not by the usual rules) and its
// caption; the window itself is not shown.
void ResetResultsCommands();
