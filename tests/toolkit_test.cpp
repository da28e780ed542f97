// The window toolkit: text positions of the drawing surface, the standard number
// text, the gradient, the fixed-pitch cell, and the loaded windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <random>

#include "Controls.h"
#include "Fonts.h"
#include "FormWindow.h"
#include "Gradient.h"
#include "KeyboardLayout.h"
#include "PainterSurface.h"
#include "Program.h"
#include "ProgramFixture.h"
#include "ProgramIcon.h"
#include "RecordingSurface.h"
#include "StandardNumberText.h"
#include "StandardTexts.h"

namespace {

template <class SurfaceType>
void CheckTextPositionRules(SurfaceType& surface) {
    surface.Clear();
    EXPECT_EQ(surface.CurrentX(), 0);
    EXPECT_EQ(surface.CurrentY(), 0);
    surface.MoveTo(100, 40);
    surface.Print("АБВ", false);  // not ending the line: just after the text
    EXPECT_DOUBLE_EQ(surface.CurrentX(), 100 + surface.TextAdvance("АБВ"));
    EXPECT_EQ(surface.CurrentY(), 40);
    surface.Print("x");  // ending it: x = 0, one text line lower
    EXPECT_EQ(surface.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(surface.CurrentY(), 40 + surface.TextLineHeight());
    surface.MoveTo(5, 5);
    surface.Clear();
    EXPECT_EQ(surface.CurrentX(), 0);
    EXPECT_EQ(surface.CurrentY(), 0);
}

TEST(DrawingSurface, TextPositionRulesOnEverySurface) {
    RecordingSurface recording;
    CheckTextPositionRules(recording);
    ImageSurface image(FontSpec{Face::Courier, 9.75, true}, 1);
    image.EnsureSize(400, 200);
    CheckTextPositionRules(image);
    EXPECT_DOUBLE_EQ(image.TextAdvance("АБВ"), 24);  // three 8-pixel cells
}

TEST(DrawingSurface, RecordsStateWithEachOperation) {
    RecordingSurface surface;
    surface.SetForeColor(0x8000);
    surface.SetBold(true);
    surface.MoveTo(3, 4);
    surface.Print("N");
    surface.SetDrawWidth(3);
    surface.SetDrawStyle(LineStyle::Dotted);
    surface.Line(1, 2, 3, 4);
    surface.Line(1, 2, 3, 4, 0xFF);
    surface.Circle(10, 20, 8, 0xFF0000);
    surface.FilledBox(0, 0, 5, 5, 0xFF0000);
    const auto& ops = surface.Ops();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].kind, SurfaceOp::Text);
    EXPECT_TRUE(ops[0].bold);
    EXPECT_EQ(ops[0].color, 0x8000u);
    EXPECT_EQ(ops[0].x1, 3);
    EXPECT_EQ(ops[1].color, 0x8000u);  // a line without its own colour takes the text colour
    EXPECT_EQ(ops[1].width, 3);
    EXPECT_EQ(ops[1].style, LineStyle::Dotted);
    EXPECT_EQ(ops[2].color, 0xFFu);
    EXPECT_EQ(ops[3].x2, 8);
    EXPECT_EQ(ops[4].kind, SurfaceOp::Box);
}

TEST(DrawingSurface, ImageKeepsWhatWasDrawnWhenGrown) {
    ImageSurface surface(FontSpec{}, 1);
    surface.SetBackground(0xFFFFFF);
    surface.EnsureSize(100, 100);
    surface.Clear();
    surface.FilledBox(10, 10, 20, 20, 0x0000FF);
    surface.EnsureSize(300, 300);
    EXPECT_EQ(surface.Image().pixelColor(15, 15), QColor(255, 0, 0));
    EXPECT_EQ(surface.Image().pixelColor(200, 200), QColor(255, 255, 255));
}

TEST(DrawingSurface, ClearsAndGrowthShowTheirColoursWhenever) {
    // The image is filled only when shown or drawn on: whatever was asked before
    // shows as asked, in the order asked.
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255);
    {
        ImageSurface surface(FontSpec{}, 1);
        surface.SetBackground(0x0000FF);  // red
        surface.EnsureSize(100, 100);
        surface.Clear();
        surface.SetBackground(0x00FF00);  // green, not yet cleared to
        surface.EnsureSize(200, 200);
        EXPECT_EQ(surface.Image().pixelColor(50, 50), red) << "the old blank part";
        EXPECT_EQ(surface.Image().pixelColor(150, 150), green) << "the part grown";
    }
    {
        ImageSurface surface(FontSpec{}, 1);
        surface.SetBackground(0xFFFFFF);
        surface.EnsureSize(100, 100);
        surface.Clear();
        surface.FilledBox(10, 10, 20, 20, 0xFF0000);  // blue
        EXPECT_EQ(surface.Image().pixelColor(15, 15), blue);
        surface.SetBackground(0x00FF00);
        surface.Clear();
        surface.EnsureSize(150, 150);
        EXPECT_EQ(surface.Image().pixelColor(15, 15), green) << "a Clear wipes the drawing";
        EXPECT_EQ(surface.Image().pixelColor(120, 120), green);
    }
}

TEST(DrawingSurface, ShownBlankInItsOwnColour) {
    // What a window shows of its drawing: a blank image as its one colour (the one it
    // was cleared to, not a background set since), a drawn one as drawn.
    const auto shown = [](const ImageSurface& surface) {
        QImage target(120, 120, QImage::Format_RGB32);
        target.fill(Qt::black);
        QPainter painter(&target);
        surface.PaintOn(painter);
        return target;
    };
    ImageSurface surface(FontSpec{}, 1);
    surface.SetBackground(0x0000FF);  // red
    surface.EnsureSize(100, 100);
    surface.Clear();
    surface.SetBackground(0x00FF00);  // green, not yet cleared to
    EXPECT_EQ(shown(surface).pixelColor(50, 50), QColor(255, 0, 0));
    EXPECT_EQ(shown(surface).pixelColor(110, 110), QColor(0, 0, 0)) << "beyond the image";
    surface.FilledBox(10, 10, 20, 20, 0xFF0000);  // blue
    const QImage drawn = shown(surface);
    EXPECT_EQ(drawn.pixelColor(15, 15), QColor(0, 0, 255));
    EXPECT_EQ(drawn.pixelColor(50, 50), QColor(255, 0, 0));
}

TEST(DrawingSurface, ScaledScreensGetTheirOwnPixels) {
    // At twice the pixels the image holds two device pixels per pixel drawn, and the
    // drawing in pixels lands where it did at 100 %.
    ImageSurface surface(FontSpec{}, 1, 2.0);
    surface.SetBackground(0xFFFFFF);
    surface.EnsureSize(100, 50);
    surface.Clear();
    surface.FilledBox(10, 10, 20, 20, 0x0000FF);
    const QImage& image = surface.Image();
    EXPECT_EQ(image.width(), 200);
    EXPECT_EQ(image.height(), 100);
    EXPECT_EQ(image.pixelColor(21, 21), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(39, 39), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(41, 41), QColor(255, 255, 255));
}

TEST(Controls, TheWindowsCarryTheProgramsIcon) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(64, 64).toImage();
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "round corners";
    // A picture, not a plain square: more than a few colours drawn on it.
    std::set<QRgb> colours;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 4u);
}

TEST(Controls, StandardButtonsAreRussian) {
    ASSERT_TRUE(UseRussianStandardTexts()) << "Qt's own translations are installed here";
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
}

TEST(Controls, ChosenListLineStaysReadable) {
    QWidget window;
    QListWidget* list = MakeList(&window, FontSpec{Face::Courier, 9.75, true});
    list->setGeometry(0, 0, 400, 60);
    AddListLine(list, "Y=A[0]+A[1]*X");
    AddListLine(list, "Y=B*(X^A)");
    window.show();
    list->setCurrentRow(0);
    list->clearFocus();  // as behind the degree box
    const QImage image = list->grab().toImage();
    const QRect row = list->visualItemRect(list->item(0)).translated(list->viewport()->pos());
    // Text shows as pixels that stand out from the line's own background.
    const QColor background = image.pixelColor(row.right() - 2, row.center().y());
    int standingOut = 0;
    for (int x = row.left(); x < row.left() + 100; ++x)
        for (int y = row.top(); y <= row.bottom(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.lightness() - background.lightness()) > 100) ++standingOut;
        }
    EXPECT_GT(standingOut, 50) << "the chosen line shows no text";
}

TEST(KeyboardLayout, NumberBoxesTypeAsTheUsLayout) {
    EXPECT_EQ(UsEnglishCharacter(10, false), '1');
    EXPECT_EQ(UsEnglishCharacter(26, false), 'e');
    EXPECT_EQ(UsEnglishCharacter(26, true), 'E');
    EXPECT_EQ(UsEnglishCharacter(59, false), ',');
    EXPECT_EQ(UsEnglishCharacter(60, false), '.');
    EXPECT_EQ(UsEnglishCharacter(20, false), '-');
    EXPECT_EQ(UsEnglishCharacter(9, false), 0);  // Escape types nothing
    ActivateKeyboardLayout(UsEnglishLayout, 0);
    QLineEdit box, other;
    MarkNumberBox(&box);
    // The key of "e" under a Russian layout, which types "у".
    auto russianKey = [](std::uint32_t keycode, const char* typed) {
        return QKeyEvent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, keycode, 0, 0,
                         QString::fromUtf8(typed));
    };
    // The Russian layout's own decimal point sits on the US "/" key (61): it stays a point.
    for (auto [keycode, typed] :
         {std::pair{10u, "1"}, {61u, "."}, {10u, "1"}, {26u, "у"}, {14u, "5"}}) {
        QKeyEvent key = russianKey(keycode, typed);
        QApplication::sendEvent(&box, &key);
        QKeyEvent again = russianKey(keycode, typed);
        QApplication::sendEvent(&other, &again);
    }
    EXPECT_EQ(box.text(), QStringLiteral("1.1e5"));
    EXPECT_EQ(other.text(), QStringLiteral("1.1у5")) << "only number boxes";
}

TEST(Fonts, FixedPitchCellIsEightPixelsWideWithCyrillic) {
    for (bool bold : {false, true}) {
        QFontMetrics metrics(MakeFont(FontSpec{Face::Courier, 9.75, bold}));
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("0")), 8);
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("Ж")), 8);
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("СРЕДНЕСТАТИСТИЧЕСКОЕ")), 20 * 8);
    }
    EXPECT_EQ(MakeFont(FontSpec{Face::Courier, 9.75}).family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(QFontInfo(MakeFont(FontSpec{Face::Courier, 9.75})).family(),
              QStringLiteral("Liberation Mono"));
}

TEST(StandardNumberText, BlankOrMinusPointAndFifteenDigits) {
    EXPECT_EQ(StandardNumberText(0), " 0");
    EXPECT_EQ(StandardNumberText(5), " 5");
    EXPECT_EQ(StandardNumberText(-2.5), "-2.5");
    EXPECT_EQ(StandardNumberText(0.1 + 0.2), " 0.3");
    EXPECT_EQ(StandardNumberText(1.0 / 3), " 0.333333333333333");
    EXPECT_EQ(StandardNumberText(123456789012345.0), " 123456789012345");
    EXPECT_EQ(StandardNumberText(1e15), " 1E+15");
    EXPECT_EQ(StandardNumberText(-1.5e-10), "-1.5E-10");
    EXPECT_EQ(StandardNumberText(1e-9), " 1E-09");
    EXPECT_EQ(StandardNumberText(0.0001), " 0.0001");
    EXPECT_EQ(WholeNumberText(12), "12");
}

TEST(Gradient, FourCornersAndTheCentre) {
    QImage image(201, 101, QImage::Format_RGB32);
    image.fill(Qt::black);
    const std::uint16_t full = 0xFF00;
    const std::vector<GradientVertex> corners = {{0, 0, 0, full, 0, 0},
                                                 {201, 0, 0, 0, full, 0},
                                                 {201, 101, full, 0, 0, 0},
                                                 {0, 101, 0, full, full, 0}};
    ASSERT_TRUE(GradientFill(image, corners, {{0, 1, 2}, {0, 2, 3}}));
    auto near = [](QColor c, int r, int g, int b) {
        return std::abs(c.red() - r) <= 4 && std::abs(c.green() - g) <= 4 &&
               std::abs(c.blue() - b) <= 4;
    };
    EXPECT_TRUE(near(image.pixelColor(0, 0), 0, 255, 0))
        << image.pixelColor(0, 0).name().toStdString();
    EXPECT_TRUE(near(image.pixelColor(200, 0), 0, 0, 255))
        << image.pixelColor(200, 0).name().toStdString();
    EXPECT_TRUE(near(image.pixelColor(200, 100), 255, 0, 0));
    EXPECT_TRUE(near(image.pixelColor(0, 100), 0, 255, 255));
    // The centre lies on the shared diagonal: half of green (vertex 0) and half of red (vertex 2).
    EXPECT_TRUE(near(image.pixelColor(100, 50), 127, 127, 0))
        << image.pixelColor(100, 50).name().toStdString();
    EXPECT_FALSE(GradientFill(image, corners, {{0, 1, 7}}));
}

// Every pixel as the rule defines it, worked out the slow way: weights by division,
// the edge tested, the channels interpolated; compared with the fill over the title
// window's four corners and over random triangles, bit for bit.
TEST(Gradient, EveryPixelAsTheQuotientsMakeIt) {
    const auto reference = [](QImage& image, const GradientVertex& a, const GradientVertex& b,
                              const GradientVertex& c) {
        const double area = double(b.x - a.x) * (c.y - a.y) - double(c.x - a.x) * (b.y - a.y);
        const auto level = [](double v) { return std::clamp(int(v / 256.0), 0, 255); };
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double wa =
                    (double(b.x - px) * (c.y - py) - double(c.x - px) * (b.y - py)) / area;
                const double wb =
                    (double(c.x - px) * (a.y - py) - double(a.x - px) * (c.y - py)) / area;
                const double wc = 1 - wa - wb;
                if (area == 0 || wa < -1e-9 || wb < -1e-9 || wc < -1e-9) continue;
                image.setPixel(x, y,
                               qRgb(level(wa * a.red + wb * b.red + wc * c.red),
                                    level(wa * a.green + wb * b.green + wc * c.green),
                                    level(wa * a.blue + wb * b.blue + wc * c.blue)));
            }
    };
    std::mt19937 random(9122026);
    std::uniform_int_distribution<int> coordinate(-200, 1500), channel(0, 0xFF00);
    const std::uint16_t full = 0xFF00;
    // The title window's corners; a full triangle, where the quotients make some pixels
    // 254.999... (level 254) though the exact value is 255.
    std::vector<std::vector<GradientVertex>> sets = {{{0, 0, 0, full, 0, 0},
                                                      {1280, 0, 0, 0, full, 0},
                                                      {1280, 1024, full, 0, 0, 0},
                                                      {0, 1024, 0, full, full, 0}},
                                                     {{46, 30, full, full, full, 0},
                                                      {-17, 40, full, full, full, 0},
                                                      {58, 55, full, full, full, 0},
                                                      {58, 55, full, full, full, 0}}};
    for (int k = 0; k < 6; ++k) {
        std::vector<GradientVertex> v;
        for (int i = 0; i < 4; ++i)
            v.push_back({coordinate(random), coordinate(random), std::uint16_t(channel(random)),
                         std::uint16_t(channel(random)), std::uint16_t(channel(random)), 0});
        sets.push_back(v);
    }
    for (const auto& v : sets) {
        QImage filled(1280, 1024, QImage::Format_RGB32), expected(1280, 1024, QImage::Format_RGB32);
        filled.fill(Qt::black);
        expected.fill(Qt::black);
        ASSERT_TRUE(GradientFill(filled, v, {{0, 1, 2}, {0, 2, 3}}));
        reference(expected, v[0], v[1], v[2]);
        reference(expected, v[0], v[2], v[3]);
        EXPECT_TRUE(filled == expected) << "vertex 1 at " << v[1].x << ", " << v[1].y;
    }
}

class TestWindow : public FormWindow {
public:
    TestWindow() : FormWindow(WindowUnits::Pixels, FontSpec{}) {}
    void LoadSetUp() override { ++loads; }
    int loads = 0;
};
WindowAccessor<TestWindow> first, second, third;

class LoadedWindowsTest : public ProgramFixture {};

TEST_F(LoadedWindowsTest, AccessorLoadsOnceAndAgainAfterUnload) {
    TestWindow& w = first.Get();
    EXPECT_EQ(w.loads, 1);
    EXPECT_EQ(&first.Get(), &w);
    EXPECT_EQ(LoadedWindows().size(), 1u);
    UnloadWindow(&w);
    EXPECT_FALSE(first.Loaded());
    EXPECT_EQ(first.Get().loads, 1);  // a new window, loaded afresh
}

TEST_F(LoadedWindowsTest, CloseOtherWindowsKeepsTheMostRecent) {
    first.Get();
    CloseOtherWindows();
    EXPECT_TRUE(first.Loaded());
    second.Get();
    third.Get();
    ASSERT_EQ(LoadedWindows().size(), 3u);
    CloseOtherWindows();
    EXPECT_FALSE(first.Loaded());
    EXPECT_FALSE(second.Loaded());
    ASSERT_TRUE(third.Loaded());
    EXPECT_EQ(LoadedWindows().front(), third.IfLoaded());
}

TEST_F(LoadedWindowsTest, EndingTheProgramUnloadsEverything) {
    first.Get().show();
    second.Get();
    EndProgram();
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(LoadedWindows().empty());
}

TEST_F(LoadedWindowsTest, TitleBarCloseEndsTheProgram) {
    TestWindow& w = first.Get();
    w.show();
    w.close();
    EXPECT_TRUE(Ended());
}

}  // namespace
