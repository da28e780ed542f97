#include "FormulaWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>

#include "ComparisonWindow.h"
#include "DegreeQuestion.h"
#include "Drops.h"
#include "EngineSequence.h"
#include "ErrorReport.h"
#include "FormulaChoice.h"
#include "PointSources.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "SessionFile.h"
#include "SharedState.h"

namespace {
WindowAccessor<FormulaWindow> accessor;

constexpr double ListWidth = 10000, ListTop = 2000;
constexpr double Label4Width = 6735, Label4Height = 855;
constexpr double Command5Width = 2895, Command5Height = 495;
constexpr double LongListHeight = 2600, ShortListHeight = 2100;
// The degree box: twips of the screen, one list line lower for each kind.
constexpr double DegreeBoxX = 2200, DegreeBoxTop = 2400;

double FormulaListHeight() { return Shared.PointCount > 3 ? LongListHeight : ShortListHeight; }
}  // namespace

FormulaWindow& Form2() { return accessor.Get(); }
bool Form2Loaded() { return accessor.Loaded(); }

FormulaWindow::FormulaWindow() : FormWindow(WindowUnits::Twips, FontSpec{Face::Courier, 12, true}) {
    List1 = MakeList(this, FontSpec{Face::Courier, 9.75, true});
    Label4 = MakeLabel(this, "", FontSpec{Face::MsSansSerif, 12, true}, 0x80FF, std::nullopt,
                       Qt::AlignHCenter | Qt::AlignTop);
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
    setAcceptDrops(true);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, [this] {
        if (const std::string path = AskFileToOpen(); !path.empty())
            OpenPointsOrWork(path, [this](const auto& table) { ReplacePoints(table); });
    });
    // The comparison of every formula, once the pairs are in and the formulas offered.
    AddComparisonShortcuts(this, [this] {
        if (!ChoosingFormula) return;
        CompareAndChoose(this, [](std::uint8_t kind, std::int16_t degree) {
            if (TakeFormula(kind, degree)) ShowFirstFit();
        });
    });
}

void FormulaWindow::ReplacePoints(const std::optional<PointTable>& table) {
    if (!table) return;
    ReplacePointsWith(*table);
    Command5->hide();
    FormulaWindowLayout();
}

void FormulaWindow::dragEnterEvent(QDragEnterEvent* event) { AcceptFileDrag(event); }

void FormulaWindow::dropEvent(QDropEvent* event) {
    if (const std::string path = TakeDroppedFile(event); !path.empty())
        OpenPointsOrWork(path, [this](const auto& table) { ReplacePoints(table); });
}

bool FormulaWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && List1->currentRow() >= 0 &&
            !List1->isHidden()) {
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
    PlaceControl(List1, width / 2 - ListWidth / 2, ListTop, ListWidth,
                 PixelsToTwips(List1->height()));
    Command5->hide();
    PlaceControl(Command5, width / 2 - Command5Width / 2, PixelsToTwips(Command5->y()),
                 Command5Width, Command5Height);
}

void FormulaWindow::RefillFormulaList() {
    List1->clear();
    PlaceControl(List1, PixelsToTwips(List1->x()), PixelsToTwips(List1->y()),
                 PixelsToTwips(List1->width()), FormulaListHeight());
    for (int k = 1; k <= OfferedFormulaCount(Shared.PointCount); ++k)
        AddListLine(List1, Shared.FormulaTexts[k]);
}

void FormulaWindow::Command5Click() {
    hide();
    CloseOtherWindows();
    EndProgram();
}

void FormulaWindowLayout() {
    FormulaWindow& form = Form2();
    form.ChoosingFormula = true;
    form.Drawing().Clear();
    form.update();
    form.SetCaption("Выбор вида аппроксимирующей зависимости");
    form.RefillFormulaList();
    form.Label4->show();
    SetLabelCaption(form.Label4, "\rВыберите вид аппроксимирующей зависимости");
    const double listTop = PixelsToTwips(form.List1->y()),
                 listHeight = PixelsToTwips(form.List1->height());
    const double labelWidth = PixelsToTwips(form.Label4->width()),
                 labelHeight = PixelsToTwips(form.Label4->height());
    const double labelTop = listHeight + listTop + 1000;
    form.PlaceControl(form.Label4, form.WidthUnits() / 2 - labelWidth / 2, labelTop, labelWidth,
                      labelHeight);
    form.PlaceControl(form.Command5, PixelsToTwips(form.Command5->x()),
                      labelHeight + labelTop + 300, PixelsToTwips(form.Command5->width()),
                      PixelsToTwips(form.Command5->height()));
}

void ReturnToFormulaChoice() {
    FormulaWindowLayout();
    ResetResultsCommands();
    Form2().show();
}

void ChooseFormula(int kind) {
    auto& s = Shared;
    FormulaWindow& form = Form2();
    if (IsPolynomialKind(static_cast<std::uint8_t>(kind))) {
        switch (AskPolynomialDegree(static_cast<std::uint8_t>(kind), DegreeBoxX,
                                    DegreeBoxTop + EntryLineHeight * kind,
                                    [&form] { form.Label4->hide(); })) {
            case DegreeAnswer::StartAfresh:
                form.hide();
                ReturnToFormulaChoice();
                return;
            case DegreeAnswer::EndProgram:
                EndProgram();
                return;
            case DegreeAnswer::ChooseAgain:
                form.Label4->show();
                form.RefillFormulaList();
                return;
            case DegreeAnswer::Accepted:
                break;
        }
    } else {
        s.FormulaKind = static_cast<std::uint8_t>(kind);
    }
    ShowFirstFit();
}

void ShowFirstFit() {
    auto& s = Shared;
    FormulaWindow& form = Form2();
    if (const std::uint8_t failed = RunEngineSequence()) {
        // The report stands on the formula window with the way out.
        ReportFailureOnFormulaWindow(form.Drawing(), failed);
        form.update();
        form.Command5->show();
        return;
    }

    form.hide();
    CloseOtherWindows();
    ResultsWindow& results = Form3();
    results.Redraw();
    s.InterpolationActive = False;
    results.ReturnToResults(ResultsWindow::RemovalRule::Strict);
    results.show();
    results.TellIfRefinementFailed();
}

void OpenPointsOrWork(const std::string& path,
                      const std::function<void(const std::optional<PointTable>&)>& replacePoints) {
    if (!IsSessionFile(path)) {
        replacePoints(PointsOfFile(path));
        return;
    }
    const std::optional<Work> work = WorkOfSessionFile(path);
    if (!work) return;
    // Straight to the results, past the entry that would have set the colours.
    SetColourSettings();
    ResultsWindow& results = Form3();
    CloseOtherWindows();
    results.ShowWork(*work);
}
