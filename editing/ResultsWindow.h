#pragma once
// Form3, the results window: the graph, the coefficient panel and the table drawn on
// its client area, seven command buttons in two columns below the graph, and the
// controls that only some commands show (the formula list with its caption line,
// the pick prompt, the cell editor). Works in pixels. What the window is doing is
// its State, set where a command starts or returns to the results.

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Controls.h"
#include "FormWindow.h"
#include "PointTable.h"
#include "Work.h"

class ResidualWindow;

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
    QListWidget* List1 = nullptr;       // formula list of the formula change
    QLabel* Label4 = nullptr;           // its caption line
    QLabel* Label1 = nullptr;           // pick prompt
    QLineEdit* Text1 = nullptr;         // in-place cell editor

    // Clears and fills List1 with the formulas the point count allows.
    void RefillResultsFormulaList();
    // The engine sequence; a failure is reported on this window and false returned,
    // and the caller then ends its handler.
    bool RunGuardedComputation();
    // Draws graph, coefficients and table of the fit (without clearing first), and
    // Redraw the same on a cleared window.
    void ShowFit();
    void Redraw();
    bool FitOnDisplay() const { return fitOnDisplay_; }
    // The formula now in the shared state fitted and shown, as a choice in the list
    // shows it.
    void ShowChosenFormula();
    // The comparison of every formula (Ctrl+R, F3, the menu); a fit chosen in it is
    // shown as a choice in the list.
    void CompareFormulasAndChoose();
    // Switches the fit on display between the linearised one and least squares on Y,
    // and refits (Ctrl+Y, the menu).
    void ToggleFitMode();
    // "Точность коэффициентов" for the fit on display (Ctrl+D, the menu).
    void ShowSpread();
    // After a fit in the mode on Y whose refinement failed: says so, in words.
    void TellIfRefinementFailed();
    // The 95 % bands on or off, and the window redrawn (Ctrl+B, the menu).
    void ToggleBands();
    // "Остатки" of the fit on display, in a window that follows every refit (F4, the
    // menu).
    void ShowResiduals();
    ResidualWindow* Residuals() const { return residuals_; }
    // Takes back, or brings again, the last change of the work (Ctrl+Z, Ctrl+Shift+Z,
    // the menu), and shows the window as it was then.
    void UndoStep();
    void RedoStep();
    const WorkHistory& History() const { return history_; }
    // A saved work (a session file) made the work on display: its points, formula,
    // fit mode and view settings, fitted and shown; the history starts afresh.
    void ShowWork(const Work& work);

    // How Command4 (remove a pair) is offered when a handler returns the window to
    // its results: the designed rules differ from handler to handler, and are kept.
    enum class RemovalRule {
        Strict,     // N - 1 > FitUnknownCount: first display, "Да", formula change
        Inclusive,  // N - 1 >= FitUnknownCount: refused degree, correction, "Нет", interpolation
        Always,     // a pair was just added
    };
    // What the window is doing: it decides what a click, a key or a shortcut does.
    enum class State {
        Results,               // the fit (or the failure) with the command set
        FormulaList,           // the formula change's list
        AddingPair,            // the boxes of a new pair
        PickingForRemoval,     // the pick prompt of a removal
        Question,              // the removal question
        PickingForCorrection,  // the pick prompt of a correction
        EditingCell,           // the cell editor open
        Interpolation,         // an interpolated value on display
    };
    State CurrentState() const { return state_; }
    // Back to the results: the command set by the rule, the state, and the caption
    // "Результаты расчета" unless the command keeps its own.
    enum class Caption { Results, Kept };
    void ReturnToResults(RemovalRule rule, Caption caption = Caption::Results);

    // The results state's command set: Command1, 2 and 7; Command3 below 40 pairs;
    // Command4 by the rule, never leaving fewer than 3 pairs; Command5 ("Интерполяция")
    // and Command6 while a fit is on display. The formula list, its caption line, the
    // pick prompt and the cell editor are hidden. The window caption is the caller's.
    void ShowCommandSet(RemovalRule rule);

    // The command buttons in order, Command1 first.
    std::vector<CaptionButton*> Commands() const;

    // The hit test of a pick: a cell of the X or Y column, or a point of the graph
    // (which stands for its Y cell). Sets PickedColumn, PickedRow, the selection, the
    // editor's text and TextBeforeEdit.
    bool PickCell(double x, double y);
    // A mouse-down on the window (button 1 is the left one).
    void MouseDown(int button, double x, double y);

    // The answers of the removal question.
    void RemovePickedPair();
    void KeepPickedPair();

    std::uint8_t PickedColumn = 0;  // 1 = X, 2 = Y, 0 = nothing picked
    std::uint8_t PickedRow = 0;     // pair 1..N, 0 = nothing picked
    std::string TextBeforeEdit;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One flag per editable cell: column 1..2 by row 1..41.
    std::array<std::array<bool, 42>, 3> SelectedCells{};

    void Command1Click();
    void Command2Click();
    void List1Click(int index);
    void Command3Click();
    void Command4Click();
    void Command5Click();
    void Command6Click();
    void Command7Click();

    enum class PickPurpose { Removal, Correction };
    // The start of a pick: the commands but "Окончание работы" hidden, the prompt.
    void StartPick(PickPurpose purpose);
    void SelectCell(int column, int row);
    // Finds the last flagged cell, column 1 then 2, rows upwards.
    void FindPickedCell();
    void MarkPairForRemoval();
    void AskWhetherToRemove();
    void OpenCellEditor();
    bool CommitCellEdit();
    void EndCorrection();
    void Text1KeyPress(int key);
    void Text1MouseDown(int button);
    void Text1Click();
    void Text1DoubleClick();
    bool text1DoubleClicked_ = false;
    bool text1Pressed_ = false;  // the last press on the window was one on the editor
    bool fitOnDisplay_ = false;
    State state_ = State::Results;

    void Interpolate();
    void EndInterpolation();

    // Shortcuts that run their command in the results state only, as every shortcut of
    // this window does.
    using Shortcut = std::pair<QKeySequence, void (ResultsWindow::*)()>;
    void AddResultsShortcuts(const std::vector<Shortcut>& keys);

    void SetUpFitOnY();

    // The bands and the residuals (BandsCommand.cpp).
    void SetUpBands();
    // Draws the residuals of the fit now on display where their window is open.
    void FollowResiduals();
    ResidualWindow* residuals_ = nullptr;  // a child window, made on first use

    // Undo and redo (UndoCommand.cpp): a step recorded at every return to the results.
    void SetUpUndo();
    void RecordStep(RemovalRule rule);
    void ShowStep();
    WorkHistory history_;
    RemovalRule lastRule_ = RemovalRule::Strict;  // of the last return to the results

    // Ways in and out besides the buttons (DataExchange.cpp).
    void SetUpDataExchange();
    void ShowDataMenu(int xPixels, int yPixels);
    void OpenPoints();
    void PastePoints();
    void ReplacePoints(const PointTable& table);
    void SavePoints();
    void CopyResults();
    void SaveReportPdf();
    void SaveWork();
};

// The results window, loaded on first reference.
ResultsWindow& Form3();
bool Form3Loaded();

// The window caption of the results state.
extern const char* const ResultsCaption;

// Restores the results window's command set as after a refused degree, and its
// caption; the window itself is not shown.
void ResetResultsCommands();
