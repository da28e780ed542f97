#include "QuestionWindow.h"

#include <cmath>

#include "Program.h"

namespace {
WindowAccessor<QuestionWindow> accessor;

constexpr Color QuestionBackColor = 0x80C0FF;  // light orange
constexpr double WindowWidth = 4800, WindowHeight = 1800;
constexpr double ButtonWidth = 1095, ButtonHeight = 375;
constexpr double Label1Width = 1335, Label2Left = 120, Label2Width = 4455;
}  // namespace

QuestionWindow& Form4() { return accessor.Get(); }
bool Form4Loaded() { return accessor.Loaded(); }

QuestionWindow::QuestionWindow() : FormWindow(WindowUnits::Twips, FontSpec{Face::MsSansSerif, 8}) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetBackColor(QuestionBackColor);
    Label1 = MakeLabel(this, "Убираете", FontSpec{Face::Courier, 12, true});
    Label2 = MakeLabel(this, "", FontSpec{Face::Courier, 9.75, false});
    Command1 = MakeButton(this, "Да", FontSpec{Face::MsSansSerif, 8}, 0x0000FF);
    Command2 = MakeButton(this, "Нет", FontSpec{Face::MsSansSerif, 8}, 0x00FF00);
    PlaceControl(Label1, 0, 0, Label1Width, 300);
    PlaceControl(Label2, Label2Left, 0, Label2Width, 300);
    PlaceControl(Command1, 0, 0, ButtonWidth, ButtonHeight);
    PlaceControl(Command2, 0, 0, ButtonWidth, ButtonHeight);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (OnYes) OnYes();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (OnNo) OnNo();
    });
}

void QuestionWindow::LoadSetUp() {
    SetCaption("Внимание !");
    SetLabelCaption(Label1, "Убираете");
    PlaceWindow(0, 0, WindowWidth, WindowHeight);
    Command1->setFocusPolicy(Qt::StrongFocus);
    const double gap = std::nearbyint((WindowWidth - ButtonWidth - ButtonWidth) / 3);
    PlaceControl(Label1, (WindowWidth - Label1Width) / 2, 180, Label1Width, 300);
    PlaceControl(Command1, gap, 850, ButtonWidth, ButtonHeight);
    PlaceControl(Command2, gap + ButtonWidth + gap, 850, ButtonWidth, ButtonHeight);
    PlaceControl(Label2, Label2Left, 480, Label2Width, 300);
}

void QuestionWindow::CloseRequested() {
    if (OnNo) OnNo();
}
