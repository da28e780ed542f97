#include "ResultsWindow.h"

#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>

#include "Controls.h"
#include "Dialogs.h"
#include "EngineSequence.h"
#include "ErrorReport.h"
#include "FormulaChoice.h"
#include "Graph.h"
#include "KeyboardLayout.h"
#include "Program.h"
#include "SharedState.h"
#include "Table.h"

namespace {
WindowAccessor<ResultsWindow> accessor;

constexpr int ButtonWidth = 265, ButtonHeight = 50, ButtonGap = 20, ColumnGap = 40;
constexpr int LeftColumnX = 16, FirstButtonTop = 390;
constexpr int ListWidth = 500, ListTop = 400;
const FontSpec ButtonFont{Face::Arial, 9.75, true};
}  // namespace

ResultsWindow& Form3() { return accessor.Get(); }
bool Form3Loaded() { return accessor.Loaded(); }

ResultsWindow::ResultsWindow()
    : FormWindow(WindowUnits::Pixels, FontSpec{Face::Courier, 9.75, true}) {
    Command1 = MakeButton(this, "Окончание работы", ButtonFont, 0x0000FF);
    Command2 =
        MakeButton(this, "Изменение вида аппроксимирующей зависимости", ButtonFont, 0xFFFFC0);
    Command3 = MakeButton(this, "Увеличение числа пар точек исходных данных", ButtonFont, 0xFFFF80);
    Command4 = MakeButton(this, "Уменьшение числа пар точек исходных данных", ButtonFont, 0xFFFF00);
    Command5 = MakeButton(this, "Интерполяция", ButtonFont, 0xC0C000);
    Command6 = MakeButton(this, "Печать результатов", ButtonFont, 0x00FF00);
    Command7 = MakeButton(this, "Изменение исходных данных", ButtonFont, 0xFFFFC0);
    List1 = MakeList(this, FontSpec{Face::Courier, 9.75, true});
    Label4 = MakeLabel(this, "", FontSpec{Face::MsSansSerif, 12, true});
    Label1 = MakeLabel(this, "", FontSpec{Face::TimesNewRoman, 12, true});
    Text1 = MakeTextBox(this, FontSpec{Face::Courier, 9.75, false});
    Text1->setText(QStringLiteral(" ???"));
    MarkNumberBox(Text1);
    Drawing().SetBold(true);
    connect(Command1, &QPushButton::clicked, this, &ResultsWindow::Command1Click);
    connect(Command2, &QPushButton::clicked, this, &ResultsWindow::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &ResultsWindow::Command3Click);
    connect(Command4, &QPushButton::clicked, this, &ResultsWindow::Command4Click);
    connect(Command5, &QPushButton::clicked, this, &ResultsWindow::Command5Click);
    connect(Command6, &QPushButton::clicked, this, &ResultsWindow::Command6Click);
    connect(Command7, &QPushButton::clicked, this, &ResultsWindow::Command7Click);
    // The formula chosen runs after the list has finished with the click, since it
    // refills the list.
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int index = List1->row(item);
        QTimer::singleShot(0, this, [this, index] { List1Click(index); });
    });
    Text1->installEventFilter(this);
    SetUpDataExchange();
    SetUpFitOnY();
    SetUpBands();
    SetUpUndo();
}

std::vector<CaptionButton*> ResultsWindow::Commands() const {
    return {Command1, Command2, Command3, Command4, Command5, Command6, Command7};
}

void ResultsWindow::LoadSetUp() {
    PlaceWindow(0, 0, ScreenSizePixels().width(), ScreenSizePixels().height());
    PlaceControl(List1, 0, ListTop, ListWidth, List1->height());
    SetBackColor(Shared.ResultsBackColor);
    Drawing().Clear();
    List1->hide();
    Label1->hide();
    Label4->hide();
    Text1->hide();
    Command5->SetCaption("Интерполяция");
    Command2->SetCaption("Изменение вида\rаппроксимирующей \rзависимости");
    int top = FirstButtonTop;
    for (CaptionButton* button : {Command2, Command3, Command4, Command5}) {
        PlaceControl(button, LeftColumnX, top, ButtonWidth, ButtonHeight);
        top += ButtonHeight + ButtonGap;
    }
    const int rightX = LeftColumnX + ButtonWidth + ColumnGap;
    PlaceControl(Command7, rightX, Command2->y(), ButtonWidth, ButtonHeight);
    PlaceControl(Command6, rightX, Command3->y(), ButtonWidth, ButtonHeight);
    PlaceControl(Command1, rightX, Command5->y(), ButtonWidth, ButtonHeight);
}

void ResultsWindow::RefillResultsFormulaList() {
    const int n = Shared.PointCount;
    List1->clear();
    PlaceControl(List1, List1->x(), List1->y(), List1->width(), n > 3 ? 180 : 140);
    for (int k = 1; k <= OfferedFormulaCount(n); ++k) AddListLine(List1, Shared.FormulaTexts[k]);
}

bool ResultsWindow::RunGuardedComputation() {
    const std::uint8_t failed = RunEngineSequence();
    if (!failed) {
        TellIfRefinementFailed();
        return true;
    }
    ReportFailureOnResultsWindow(Drawing(), failed);
    // The pairs stay in view, so that the one to correct or remove can be picked; but
    // no coefficient, curve or statistic that no fit of them produced.
    ShowTypedTable(Drawing());
    // No fit stands on the window now: the commands that read the fit (interpolation,
    // printing) wait for the next successful one.
    fitOnDisplay_ = false;
    Command5->hide();
    Command6->hide();
    update();
    FollowResiduals();
    return false;
}

void ResultsWindow::ShowFit() {
    ShowResults(Drawing());
    ShowTable(Drawing());
    fitOnDisplay_ = true;
    update();
    FollowResiduals();
}

void ResultsWindow::Redraw() {
    Drawing().Clear();
    ShowFit();
}

void ResultsWindow::ShowCommandSet(RemovalRule rule) {
    for (CaptionButton* button : {Command1, Command2, Command7}) button->show();
    Command3->setVisible(Shared.PointCount <= MaxEnteredPoints - 1);
    // Never fewer pairs than the data entry accepts, whatever few unknowns the fit
    // has: below 3 pairs no formula is offered at all.
    const int spare = Shared.PointCount - 1, unknowns = Shared.FitUnknownCount;
    Command4->setVisible(Shared.PointCount > MinEnteredPoints &&
                         (rule == RemovalRule::Always ||
                          (rule == RemovalRule::Strict ? spare > unknowns : spare >= unknowns)));
    Command5->SetCaption("Интерполяция");
    Command5->setVisible(fitOnDisplay_);
    Command6->setVisible(fitOnDisplay_);
    // Hidden after the buttons are back, so that the keyboard focus of a hidden
    // control passes to a button.
    for (QWidget* control : {static_cast<QWidget*>(List1), static_cast<QWidget*>(Label4),
                             static_cast<QWidget*>(Label1), static_cast<QWidget*>(Text1)})
        control->hide();
}

void ResultsWindow::ReturnToResults(RemovalRule rule, Caption caption) {
    ShowCommandSet(rule);
    if (caption == Caption::Results) SetCaption(ResultsCaption);
    state_ = State::Results;
    lastRule_ = rule;
    RecordStep(rule);
}

void ResultsWindow::AddResultsShortcuts(const std::vector<Shortcut>& keys) {
    for (const auto& [key, command] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, command = command] {
            if (state_ == State::Results) (this->*command)();
        });
}

void ResultsWindow::Command1Click() { EndProgram(); }

const char* const ResultsCaption = "Результаты расчета";

void ResetResultsCommands() { Form3().ReturnToResults(ResultsWindow::RemovalRule::Inclusive); }

void ResultsWindow::mousePressEvent(QMouseEvent* event) {
    const int button = event->button() == Qt::LeftButton    ? 1
                       : event->button() == Qt::RightButton ? 2
                                                            : 4;
    MouseDown(button, event->position().x(), event->position().y());
}

void ResultsWindow::MouseDown(int button, double x, double y) {
    text1Pressed_ = false;
    // While a pair is being corrected only the left button picks: another would move
    // the pick, and with it the cell the typed value is stored in.
    if (Shared.CorrectPickMode && button != 1) return;
    const bool found = PickCell(x, y);
    // A pick below the last row (possible where the mouse reports fractions of a
    // pixel) names no pair and removes nothing.
    if (found && Shared.RemovePickMode && PickedRow <= Shared.PointCount) {
        MarkPairForRemoval();
        Command1->hide();
        TheDialogs().Beep();
        Label1->hide();
        Command2->hide();
        AskWhetherToRemove();
    }
    if (Shared.CorrectPickMode && button == 1) {
        if (PickCell(x, y)) OpenCellEditor();
        return;
    }
    // In the results state a right click offers the ways in and out; in the other
    // states it keeps its meaning above.
    if (button == 2 && state_ == State::Results) {
        const QPoint at = mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y)));
        ShowDataMenu(at.x(), at.y());
    }
}
