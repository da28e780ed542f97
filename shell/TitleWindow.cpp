#include "TitleWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "Controls.h"
#include "DataEntry.h"
#include "Drops.h"
#include "FormulaWindow.h"
#include "Gradient.h"
#include "PointSources.h"
#include "Program.h"
#include "SharedState.h"

namespace {
WindowAccessor<TitleWindow> accessor;

constexpr double Label1Top = 720;
constexpr double Label3DesignedWidth = 8415;
constexpr double Command1Top = 5760, Command1Width = 2775;
constexpr double Command2Top = 5760, Command2Width = 2655;
constexpr double ButtonHeight = 495;
constexpr double CreditWidth = 4200, CreditHeight = 420;
constexpr Color ShadowColor = 0xC000C0;
constexpr std::uint16_t FullChannel = 0xFF00;
// Rows of the gradient made at a time: a band of a third of a megabyte at 1280 pixels.
constexpr int GradientBandRows = 64;

// The name on the credit line: the program's authors' team, not a person.
const char* const AuthorName = "Лаборатория обработки данных";
}  // namespace

TitleWindow& Form1() { return accessor.Get(); }

TitleWindow::TitleWindow() : FormWindow(WindowUnits::Twips, FontSpec{Face::MsSansSerif, 8}) {
    Label1 = MakeLabel(this, "", {Face::MicrosoftSansSerif, 14.25, true, true}, 0x80FF80, 0xFF0000,
                       Qt::AlignHCenter | Qt::AlignTop);
    Label3 = MakeLabel(this, "", {Face::MicrosoftSansSerif, 12, true}, 0xFFC0C0, std::nullopt,
                       Qt::AlignHCenter | Qt::AlignTop);
    Label2 = MakeLabel(this, "", {Face::MonotypeCorsiva, 14.25, false, true}, 0xFF, 0xFFFFC0);
    for (QLabel** bar : {&Label4, &Label5, &Label6, &Label7})
        *bar = MakeLabel(this, "", {Face::MsSansSerif, 8}, ShadowColor);
    Command1 = MakeButton(this, "Готовы к работе ?", {Face::MsSansSerif, 12});
    Command2 = MakeButton(this, "Не готовы к работе ?", {Face::MsSansSerif, 12});
    PlaceControl(Label1, 0, Label1Top, 5500, 1800);
    PlaceControl(Label3, 0, 0, Label3DesignedWidth, 1300);
    PlaceControl(Command1, 0, Command1Top, Command1Width, ButtonHeight);
    PlaceControl(Command2, 0, Command2Top, Command2Width, ButtonHeight);
    connect(Command1, &QPushButton::clicked, this, &TitleWindow::Command1Click);
    setAcceptDrops(true);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this, [this] {
        if (const std::string path = AskFileToOpen(); !path.empty()) OpenPointFile(path);
    });
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this,
            [this] { ReplacePoints(PointsOfClipboard()); });
    connect(Command2, &QPushButton::clicked, this, &TitleWindow::Command2Click);
}

void TitleWindow::LoadSetUp() {
    FillFormulaTexts();
    SetCaption("Аппроксимация экспериментальных данных");
    PlaceWindow(0, 0, ScreenWidthTwips(), ScreenHeightTwips());
    PlaceWindow(0, 0, ScreenWidthTwips(), ScreenHeightTwips());

    const double windowWidth = WidthUnits();
    auto half = [](double v) { return std::trunc(std::nearbyint(v) / 2); };
    const double label1Width = 5500, label1Height = 1800;
    const double label1Left = half(windowWidth) - half(label1Width);
    PlaceControl(Label1, label1Left, Label1Top, label1Width, label1Height);
    SetLabelCaption(Label1,
                    "\rПрограмма аппроксимации экспериментальных\rданных типовой зависимостью\r");
    FitCaptionToWidth(Label1);

    const double label3Top = Label1Top + label1Height + 500;
    const double label3Left = label1Left - (Label3DesignedWidth - label1Width) / 2;
    const double label3Width = 8800, label3Height = 1300;
    PlaceControl(Label3, label3Left, label3Top, label3Width, label3Height);
    SetLabelCaption(Label2, " автор " + std::string(AuthorName));
    SetLabelCaption(Label3,
                    "\rПрограмма предназначена для расчета коэффициентов типовой\r\r"
                    "зависимости при проведении научно-исследовательских работ\r");
    FitCaptionToWidth(Label3);

    // Shadow bars: a vertical one along the right edge, a horizontal one under the block.
    auto shadow = [this](double left, double top, double width, double height, QLabel* vertical,
                         QLabel* horizontal) {
        PlaceControl(vertical, left + width, top + 100, 100, height - 50);
        PlaceControl(horizontal, left + 50, top + height, width + 50, 100);
    };
    shadow(label1Left, Label1Top, label1Width, label1Height, Label4, Label5);
    shadow(label3Left, label3Top, label3Width, label3Height, Label6, Label7);

    PlaceControl(Label2, 12000, Command1Top + 2000, CreditWidth, CreditHeight);
    Label2->adjustSize();

    Command1->setFocusPolicy(Qt::StrongFocus);
    Command2->setFocusPolicy(Qt::NoFocus);
    const double command1Left = windowWidth / 3 - (Command1Width + Command2Width) / 3;
    const auto gap = static_cast<std::int16_t>(std::nearbyint(command1Left));
    PlaceControl(Command1, command1Left, Command1Top, Command1Width, ButtonHeight);
    PlaceControl(Command2, command1Left + Command1Width + gap, Command2Top, Command2Width,
                 ButtonHeight);
}

void TitleWindow::paintEvent(QPaintEvent* event) {
    // In the window's device pixels on a scaled screen.
    const double ratio = devicePixelRatioF();
    const auto w = static_cast<std::int32_t>(std::lround(width() * ratio));
    const auto h = static_cast<std::int32_t>(std::lround(height() * ratio));
    if (w <= 0 || h <= 0) return;
    const QRect asked = event->rect();
    const int firstRow = std::max(0, static_cast<int>(std::floor(asked.top() * ratio)));
    const int endRow = std::min(h, static_cast<int>(std::ceil((asked.bottom() + 1) * ratio)));
    if (band_.width() != w) band_ = QImage(w, GradientBandRows, QImage::Format_RGB32);
    band_.setDevicePixelRatio(ratio);
    const std::vector<GradientTriangle> triangles = {{0, 1, 2}, {0, 2, 3}};
    QPainter painter(this);
    for (int top = firstRow; top < endRow; top += GradientBandRows) {
        // The corners moved up by the band's first row: the same pixels, as the
        // gradient depends on differences of coordinates only.
        const std::int32_t up = -top, down = h - top;
        const std::vector<GradientVertex> vertices = {
            {0, up, 0, FullChannel, 0, 0},
            {w, up, 0, 0, FullChannel, 0},
            {w, down, FullChannel, 0, 0, 0},
            {0, down, 0, FullChannel, FullChannel, 0},
        };
        GradientFill(band_, vertices, triangles);
        const int rows = std::min(GradientBandRows, endRow - top);
        painter.drawImage(QPointF(0, top / ratio), band_, QRectF(0, 0, w, rows));
    }
}

void TitleWindow::hideEvent(QHideEvent* event) {
    FormWindow::hideEvent(event);
    band_ = QImage();
}

void TitleWindow::Command1Click() {
    hide();  // never shown again
    EnterPoints();
}

void TitleWindow::ReplacePoints(const std::optional<PointTable>& table) {
    if (!table) return;
    hide();  // never shown again
    ReplacePointsAndChooseFormula(*table);
}

void TitleWindow::OpenPointFile(const std::string& path) {
    OpenPointsOrWork(path, [this](const auto& table) { ReplacePoints(table); });
}

void TitleWindow::dragEnterEvent(QDragEnterEvent* event) { AcceptFileDrag(event); }

void TitleWindow::dropEvent(QDropEvent* event) {
    if (const std::string path = TakeDroppedFile(event); !path.empty()) OpenPointFile(path);
}

void TitleWindow::Command2Click() {
    CloseOtherWindows();
    EndProgram();
}
