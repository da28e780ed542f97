#include "FormulaWindow.h"

#include <QKeyEvent>
#include <QTimer>

#include "Dialogs.h"
#include "ErrorReport.h"
#include "Evaluate.h"
#include "Fit.h"
#include "FormulaChoice.h"
#include "Graph.h"
#include "NumberText.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "SharedState.h"
#include "Table.h"

namespace {
WindowAccessor<FormulaWindow> accessor;

constexpr double ListWidth = 10000, ListTop = 2000;
constexpr double Label4Width = 6735, Label4Height = 855;
constexpr double Command5Width = 2895, Command5Height = 495;
constexpr double LongListHeight = 2600, ShortListHeight = 2100;

double FormulaListHeight() { return Shared.PointCount > 3 ? LongListHeight : ShortListHeight; }
}  // namespace

FormulaWindow& Form2() { return accessor.Get(); }
bool Form2Loaded() { return accessor.Loaded(); }

FormulaWindow::FormulaWindow() : FormWindow(WindowUnits::Twips, FontSpec{Face::Courier, 12, true}) {
    List1 = MakeList(this, FontSpec{Face::Courier, 9.75, true});
    Label4 = MakeLabel(this, "", FontSpec{Face::MsSansSerif, 12, true}, 0x80FF, std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    Command5 = MakeButton(this, "Окончание работы", FontSpec{Face::TimesNewRoman, 12, true});
    PlaceControl(Label4, 0, 0, Label4Width, Label4Height);
    PlaceControl(Command5, 0, 0, Command5Width, Command5Height);
    // A click on a formula, or Enter on the current one, chooses it. The choice runs
    // after the list has finished with the event, since it refills the list.
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int kind = List1->row(item) + 1;
        QTimer::singleShot(0, this, [kind] { ChooseFormula(kind); });
    });
    List1->installEventFilter(this);
    connect(Command5, &QPushButton::clicked, this, &FormulaWindow::Command5Click);
}

bool FormulaWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && List1->currentRow() >= 0 && !List1->isHidden()) {
            const int kind = List1->currentRow() + 1;
            QTimer::singleShot(0, this, [kind] { ChooseFormula(kind); });
            return true;
        }
    }
    return FormWindow::eventFilter(watched, event);
}

void FormulaWindow::LoadSetUp() {
    PlaceControl(List1, 0, ListTop, ListWidth, PixelsToTwips(List1->height()));
    PlaceWindow(0, 0, ScreenWidthTwips(), ScreenHeightTwips());
    const double width = WidthUnits();
    PlaceControl(List1, width / 2 - ListWidth / 2, ListTop, ListWidth, PixelsToTwips(List1->height()));
    Command5->hide();
    PlaceControl(Command5, width / 2 - Command5Width / 2, PixelsToTwips(Command5->y()), Command5Width, Command5Height);
}

void FormulaWindow::RefillFormulaList() {
    List1->clear();
    PlaceControl(List1, PixelsToTwips(List1->x()), PixelsToTwips(List1->y()), PixelsToTwips(List1->width()),
                 FormulaListHeight());
    for (int k = 1; k <= OfferedFormulaCount(Shared.PointCount); ++k) AddListLine(List1, Shared.FormulaTexts[k]);
}

void FormulaWindow::Command5Click() {
    hide();
    CloseOtherWindows();
    EndProgram();
}

void FormulaWindowLayout() {
    FormulaWindow& form = Form2();
    form.Drawing().Clear();
    form.update();
    form.SetCaption("Выбор вида аппроксимирующей зависимости");
    form.RefillFormulaList();
    form.Label4->show();
    SetLabelCaption(form.Label4, "\rВыберите вид аппроксимирующей зависимости");
    const double listTop = PixelsToTwips(form.List1->y()), listHeight = PixelsToTwips(form.List1->height());
    const double labelWidth = PixelsToTwips(form.Label4->width()), labelHeight = PixelsToTwips(form.Label4->height());
    const double labelTop = listHeight + listTop + 1000;
    form.PlaceControl(form.Label4, form.WidthUnits() / 2 - labelWidth / 2, labelTop, labelWidth, labelHeight);
    form.PlaceControl(form.Command5, PixelsToTwips(form.Command5->x()), labelHeight + labelTop + 300,
                      PixelsToTwips(form.Command5->width()), PixelsToTwips(form.Command5->height()));
}

void ReturnToFormulaChoice() {
    FormulaWindowLayout();
    ResetResultsCommands();
    Form2().show();
}

namespace {
// After a failed step the report stands on the formula window with the way out.
bool ReportedFailure() {
    if (!Shared.ComputationFailed) return false;
    ReportFailureOnFormulaWindow(Form2().Drawing(), Shared.ComputationFailed);
    Form2().update();
    Form2().Command5->show();
    return true;
}
}  // namespace

void ChooseFormula(int kind) {
    auto& s = Shared;
    FormulaWindow& form = Form2();
    s.FormulaKind = static_cast<std::uint8_t>(kind);
    if (kind == 1 || kind == 2) {
        const std::string answer =
            TheDialogs().InputBox(" Введите максимальную степень полинома ", "ВВОД СТЕПЕНИ ПОЛИНОМА ", 2200,
                                  2400 + 195.0 * kind);
        s.TypedDegree = WholeNumberValue(NormalizeNumberText(answer));
        const int unknowns = PolynomialUnknowns(s.FormulaKind, s.TypedDegree);
        s.UnknownCount = static_cast<std::int16_t>(std::min(unknowns, 32767));
        if (s.TypedDegree <= 0) {
            form.hide();
            ReturnToFormulaChoice();
            return;
        }
        // A count the solver cannot take, or the 8-bit copy cannot hold, is refused
        // with the unknowns message like one that is not below the point count;
        // only an accepted count is copied.
        if (!UnknownsAccepted(unknowns, s.PointCount)) {
            form.Label4->hide();
            if (!TheDialogs().AskYesNo(TooManyUnknownsMessage, TooManyUnknownsTitle, MessageIcon::Question)) {
                EndProgram();
                return;
            }
            form.Label4->show();
            form.RefillFormulaList();
            return;
        }
        s.FitUnknownCount = static_cast<std::uint8_t>(unknowns);
    }
    FitCoefficients();
    if (ReportedFailure()) return;
    RecoverCoefficients();
    if (ReportedFailure()) return;
    EvaluateAtArg();
    if (ReportedFailure()) return;
    SampleCurve();

    form.hide();
    CloseOtherWindows();
    ResultsWindow& results = Form3();
    results.Redraw();
    s.InterpolationActive = False;
    results.ApplyCommand3Rule();
    results.ApplyCommand4Rule(ResultsWindow::RemovalRule::Strict);
    results.Command5->SetCaption("Интерполяция");
    for (QWidget* control : {static_cast<QWidget*>(results.Label4), static_cast<QWidget*>(results.List1),
                             static_cast<QWidget*>(results.Label1), static_cast<QWidget*>(results.Text1)})
        control->hide();
    results.SetCaption("Результаты расчета");
    results.show();
}
