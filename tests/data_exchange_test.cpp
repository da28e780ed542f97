// Points in and out of the real windows: a file opened, dropped or named at start,
// a table pasted from the clipboard, the points saved and opened again, the results
// copied, the report written as a PDF; bad input refused in words with nothing lost.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "ComparisonWindow.h"
#include "DialogDriver.h"
#include "DrawingMatchers.h"
#include "EngineCodes.h"
#include "FormulaChoice.h"
#include "FormulaKinds.h"
#include "FormulaWindow.h"
#include "PointSetup.h"
#include "PointSources.h"
#include "QuestionWindow.h"
#include "ResidualWindow.h"
#include "ResultsFixture.h"
#include "ScratchFolder.h"
#include "SharedState.h"
#include "TitleWindow.h"
#include "WholeFile.h"

namespace {

// Files of the test in a folder of its own, removed afterwards.
class DataExchange : public Commands {
protected:
    std::string File(const std::string& name, const std::string& text) {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string Path(const std::string& name) { return folder_.Path(name); }
    static void Clipboard(const std::string& text) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
    // A shortcut typed on the window, which the user has in front.
    static void Key(QWidget* window, const QKeySequence& sequence) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keySequence(window, sequence);
    }
    // The formula choice stands with these pairs, no box asked for them.
    void ExpectFormulaChoiceWith(int pairs) {
        ASSERT_TRUE(WaitUntil([] { return Form2Loaded() && Form2().List1->isVisible(); }));
        EXPECT_EQ(Form2().windowTitle().toStdString(), "Выбор вида аппроксимирующей зависимости");
        EXPECT_EQ(Shared.PointCount, pairs);
    }
    ScratchFolder folder_{"approximation-exchange"};
};

const char* const Semicolons = "X;Y\n1;2,7\n3;7,6\n2;4,4\n4;12,1\n5;20,3\n";

TEST_F(DataExchange, FileOpenedOnTheTitleWindowSkipsTheBoxes) {
    driver.ChooseFile(File("points.csv", Semicolons));
    Form1().show();
    Key(&Form1(), QKeySequence::Open);
    ExpectFormulaChoiceWith(5);
    EXPECT_EQ(Shared.PointXText[2], "2");    // sorted by X
    EXPECT_EQ(Shared.PointYText[2], "4.4");  // as typed input keeps a decimal comma
    EXPECT_EQ(Shared.PointY[5], 20.3);
    ASSERT_EQ(driver.SeenBoxes().size(), 1u);
    EXPECT_EQ(driver.SeenBoxes()[0].kind, "file");
    ClickFormula(KindExponential);
    ASSERT_TRUE(ResultsShown());
    EXPECT_EQ(Visible(), All());
}

// Drags the file over the window and drops it, as a file manager does.
void DropFile(QWidget* window, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    ASSERT_TRUE(enter.isAccepted()) << "the window takes no file";
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
}

TEST_F(DataExchange, FileDroppedOnTheTitleAndTheFormulaWindow) {
    Form1().show();
    DropFile(&Form1(), File("points.tsv", "1\t2\n2\t4\n3\t8\n"));
    ExpectFormulaChoiceWith(3);
    // On the formula window a dropped file replaces the pairs.
    DropFile(&Form2(), File("other.tsv", "1\t1\n2\t2\n3\t3\n4\t5\n"));
    EXPECT_EQ(Shared.PointCount, 4);
    EXPECT_EQ(Form2().List1->count(), 13);
}

TEST_F(DataExchange, FileNamedAtStart) {
    const std::string path = File("points.tsv", "1\t2\n2\t4\n3\t8\n");
    Form1().show();
    Form1().OpenPointFile(path);
    ExpectFormulaChoiceWith(3);
    // A bad file leaves the title window standing.
    UnloadAllWindows();
    Form1().show();
    driver.Ok();
    Form1().OpenPointFile(Path("missing.tsv"));
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(driver.SeenBoxes().back().prompt,
              "Точки не взяты из файла «missing.tsv»: файл не прочитан: файла нет.");
    EXPECT_TRUE(Form1().isVisible());
    // A named pipe with no writer and a folder are refused at once, not waited on.
    const std::string pipe = Path("fifo.csv");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const auto& [path, said] :
         {std::pair{pipe, "«fifo.csv»: это не обычный файл."},
          std::pair{Path("folder"), "«folder»: это папка, а не файл."}}) {
        std::filesystem::create_directories(Path("folder"));
        QElapsedTimer timer;
        timer.start();
        driver.Ok();
        Form1().OpenPointFile(path);
        ASSERT_TRUE(driver.Done());
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_EQ(driver.SeenBoxes().back().prompt, std::string("Точки не взяты из файла ") + said);
    }
}

TEST_F(DataExchange, TablePastedIntoTheCountBox) {
    Clipboard("1\t2,5\n2\t3,5\n3\t4,5\n4\t5,5\n");
    driver.Paste();
    PressReady();
    ExpectFormulaChoiceWith(4);
    EXPECT_EQ(Shared.PointYText[4], "5.5");
    ASSERT_EQ(driver.SeenBoxes().size(), 1u) << "no X or Y box";
}

struct BadSource {
    const char* name;
    std::string text;
    std::string said;
};

TEST_F(DataExchange, BadFilesAreRefusedAndNothingChanges) {
    std::string lines;
    for (int i = 1; i <= 41; ++i) lines += std::to_string(i) + ";" + std::to_string(i) + "\n";
    const BadSource sources[] = {
        {"two.csv", "1;2\n3;4\n", "Точки не взяты из файла «two.csv»: пар точек меньше 3 (2)."},
        {"many.csv", lines, "Точки не взяты из файла «many.csv»: больше 40 пар точек."},
        {"one.csv", "1;2\n2;3\n7\n4;5\n",
         "Точки не взяты из файла «one.csv»: в строке 3 нет числа Y."},
        {"binary.dat",
         std::string("\x7f"
                     "ELF\0\0\x01",
                     7),
         "Точки не взяты из файла «binary.dat»: не текст в кодировке UTF-8, UTF-16 или "
         "Windows-1251."},
        {"date.csv", "X;Y\n1;2\n2;01.02.2026\n3;4\n",
         "Точки не взяты из файла «date.csv»: в строке 3 в ячейке Y не число: «01.02.2026»."},
        {"empty.csv", "", "Точки не взяты из файла «empty.csv»: в файле нет точек."},
        {"big.csv", "1;2\n2;3\n3;4\n" + std::string(1 << 20, '#'),
         "Точки не взяты из файла «big.csv»: файл не прочитан: он больше 1 МБ."},
    };
    Form1().show();
    for (const auto& source : sources) {
        driver.ChooseFile(File(source.name, source.text)).Ok();
        Key(&Form1(), QKeySequence::Open);
        ASSERT_TRUE(driver.Done()) << source.name;
        EXPECT_EQ(driver.SeenBoxes().back().prompt, source.said);
        EXPECT_EQ(driver.SeenBoxes().back().title, "ОШИБКА !");
        EXPECT_TRUE(Form1().isVisible()) << "the program goes on where it was";
        EXPECT_EQ(Shared.PointCount, 0);
    }
    Clipboard("");
    driver.Ok();
    Key(&Form1(), QKeySequence::Paste);
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(driver.SeenBoxes().back().prompt,
              "Точки не взяты из буфера обмена: в буфере обмена нет точек.");
}

TEST_F(DataExchange, FilesInEveryEncodingOrRefusedByTheirType) {
    // "Т, К;Давление" then three pairs, in the encodings office files come in.
    const std::string header1251 = "\xD2, \xCA;\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5\n";
    const std::string pairs = "1;2 306,48\n2;3\n3;4\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("X\tY\n1\t2 306,48\n2\t3\n3\t4\n")) utf16 += {c, '\0'};
    for (const std::string& text : {"\xEF\xBB\xBF" + pairs, header1251 + pairs, utf16}) {
        const PointTable table = PointTableOfFile(File("points.csv", text));
        ASSERT_EQ(table.error, "");
        ASSERT_EQ(table.pairs.size(), 3u);
        EXPECT_EQ(table.pairs[0].y, "2306,48");
    }
    EXPECT_EQ(PointTableOfFile(Path("")).error, "это папка, а не файл");
    EXPECT_EQ(PointTableOfFile(Path("missing.csv")).error, "файл не прочитан: файла нет");
    // A named pipe with no writer, refused by its type at once, not waited on.
    const std::string pipe = Path("pipe.csv");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(PointTableOfFile(pipe).error, "это не обычный файл");
    EXPECT_EQ(PointTableOfFile("/dev/zero").error, "это не обычный файл");
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST_F(DataExchange, SavesReplaceTheFileWholeOrLeaveItAsItWas) {
    UsePoints({{"1", "2.5"}, {"2", "3"}, {"3", "4"}});
    const std::string path = File("old.tsv", "X\tY\n7\t8\n");
    // A write that fails part-way (a file size limit stands in for a full disk).
    struct rlimit before {};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = before;
    small.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &small);
    const Outcome failed = SavePointFile(path);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(failed);
    EXPECT_EQ(WriteFailureReason(ENOSPC), "нет места на диске");
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "X\tY\n7\t8\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Path("")), {}), 1)
        << "no temporary file left behind";
    // Written whole, the file holds the new points and nothing else.
    ASSERT_TRUE(SavePointFile(path));
    EXPECT_EQ(PointTableOfFile(path).pairs.size(), 3u);
    EXPECT_EQ(SavePointFile(Path("")).error, "это папка, а не файл");
}

TEST_F(DataExchange, SavesWriteThroughLinksUnderAnyName) {
    namespace fs = std::filesystem;
    UsePoints({{"1", "2.5"}, {"2", "3"}, {"3", "4"}});
    const std::string real = File("real.tsv", "X\tY\n7\t8\n");
    fs::create_directory(Path("links"));
    fs::create_symlink("../real.tsv", Path("links/link.tsv"));
    ASSERT_TRUE(SavePointFile(Path("links/link.tsv")));
    EXPECT_TRUE(fs::is_symlink(Path("links/link.tsv"))) << "the link was replaced";
    EXPECT_EQ(PointTableOfFile(real).pairs.size(), 3u) << "the linked file was not written";
    // A name as long as a folder takes, one longer, and one that is not UTF-8.
    ASSERT_TRUE(SavePointFile(Path(std::string(251, 'n') + "x")));
    const Outcome tooLong = SavePointFile(Path(std::string(300, 'n')));
    EXPECT_EQ(tooLong.error, "слишком длинное имя файла");
    const std::string latin1 = Path("t\xE9.tsv");
    ASSERT_TRUE(SavePointFile(latin1));
    EXPECT_EQ(PointTableOfFile(latin1).pairs.size(), 3u);
    EXPECT_EQ(FileNameOf(latin1), "t\\xE9.tsv");
    EXPECT_EQ(std::distance(fs::directory_iterator(Path("")), {}), 4)
        << "a temporary file left behind";
}

TEST_F(DataExchange, ATableOfThreeColumnsAsksWhichAreXAndY) {
    const std::string path = File("n-x-y.csv", "1;0.5;2.7\n2;1.5;4.4\n3;2.5;7.6\n4;3.5;9.9\n");
    driver.ChooseFile(path).ChooseColumns(1, 2);
    Form1().show();
    Key(&Form1(), QKeySequence::Open);
    ExpectFormulaChoiceWith(4);
    EXPECT_EQ(Shared.PointXText[1], "0.5");
    EXPECT_EQ(Shared.PointYText[4], "9.9");
    ASSERT_EQ(driver.SeenBoxes().size(), 2u);
    EXPECT_EQ(driver.SeenBoxes()[1].kind, "columns");
    EXPECT_EQ(driver.SeenBoxes()[1].prompt,
              "1 «1; 2; 3…»\n2 «0.5; 1.5; 2.5…»\n3 «2.7; 4.4; 7.6…»\n");
}

TEST_F(DataExchange, PastedPointsReplaceAndRefit) {
    FitToResults(Line(5), KindPolynomial, "1");
    Clipboard("X\tY\n0\t1\n1\t3\n2\t5\n3\t7\n");
    Key(&results(), QKeySequence::Paste);
    EXPECT_EQ(Shared.PointCount, 4);
    EXPECT_NEAR(Shared.FitMatrix[0][2], 2, 1e-12);  // Y = 1 + 2X
    EXPECT_TRUE(FindText(Drawn(), "7"));
    EXPECT_EQ(Visible(), All());

    // A table that the fit cannot take is reported as any failed refit.
    FitToResults(Line(4), KindExponential);
    Clipboard("1;1\n2;0\n3;4\n");
    Key(&results(), QKeySequence::Paste);
    EXPECT_EQ(Shared.PointCount, 3);
    EXPECT_TRUE(FindTextContaining(Drawn(), "ЛОГАРИФМ НУЛЯ"));

    // A bad table changes nothing.
    const SharedState before = Shared;
    Clipboard("1;1\n2\n");
    driver.Ok();
    Key(&results(), QKeySequence::Paste);
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(Shared.PointCount, before.PointCount);
    EXPECT_EQ(Shared.PointYText[2], before.PointYText[2]);
}

TEST_F(DataExchange, SavedPointsOpenAsTheSameFit) {
    FitToResults({{"1", "2,7"}, {"2", "4.4"}, {"3", "7.6"}, {"4", "12.1"}, {"5", "20.3"}},
                 KindExponential);
    const SharedState fitted = Shared;
    const std::string path = Path("saved.tsv");
    driver.ChooseFile(path);
    Key(&results(), QKeySequence::Save);
    ASSERT_TRUE(driver.Done());
    ASSERT_TRUE(std::filesystem::exists(path));
    Clipboard("1\t1\n2\t2\n3\t3\n");
    Key(&results(), QKeySequence::Paste);  // other points between
    driver.ChooseFile(path);
    Key(&results(), QKeySequence::Open);
    ASSERT_TRUE(driver.Done());
    ASSERT_EQ(Shared.PointCount, 5);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(Shared.PointXText[i], fitted.PointXText[i]);
        EXPECT_EQ(Shared.PointYText[i], fitted.PointYText[i]);
    }
    EXPECT_EQ(Shared.CoefA, fitted.CoefA);
    EXPECT_EQ(Shared.CoefB, fitted.CoefB);

    // A file that cannot be written is said so, and nothing claims it saved.
    driver.ChooseFile(Path("no/such/folder/points.tsv")).Ok();
    Key(&results(), QKeySequence::Save);
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(driver.SeenBoxes().back().prompt.rfind("Точки не сохранены в файл «points.tsv»: ", 0),
              0u)
        << driver.SeenBoxes().back().prompt;
}

// The value of a labelled line of the copied results.
double Copied(const std::string& text, const std::string& label) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(label + "\t", 0) == 0) {
            std::string value = line.substr(label.size() + 1);
            for (char& c : value)
                if (c == ',') c = '.';
            double number = 0;
            std::from_chars(value.data(), value.data() + value.size(), number);
            return number;
        }
    ADD_FAILURE() << "no line " << label << " in\n" << text;
    return 0;
}

TEST_F(DataExchange, CopiedResultsHoldEveryDigitAndTheTable) {
    FitToResults({{"1", "2.7"}, {"2", "4.4"}, {"3", "7.6"}, {"4", "12.1"}, {"5", "20.3"}},
                 KindExponential);
    Key(&results(), QKeySequence::Copy);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_EQ(text.rfind("Зависимость\tY=A*Exp(B*X)\n", 0), 0u) << text;
    EXPECT_EQ(Copied(text, "A"), Shared.CoefA);
    EXPECT_EQ(Copied(text, "B"), Shared.CoefB);
    // On Y itself: 1 - sum (Y - Yc)^2 / sum (Y - mean)^2, the computed values from the
    // coefficients by hand.
    double residual = 0, total = 0, mean = (2.7 + 4.4 + 7.6 + 12.1 + 20.3) / 5;
    for (int i = 1; i <= 5; ++i) {
        const double computed = Shared.CoefA * std::exp(Shared.CoefB * i);
        residual += (Shared.PointY[i] - computed) * (Shared.PointY[i] - computed);
        total += (Shared.PointY[i] - mean) * (Shared.PointY[i] - mean);
    }
    EXPECT_NEAR(Copied(text, "Коэффициент детерминации (по Y)"), 1 - residual / total, 1e-12);
    EXPECT_NEAR(Copied(text, "Остаточное стандартное отклонение"), std::sqrt(residual / 3), 1e-12);
    EXPECT_NE(text.find("N\tX(исх.)\tY(исх.)\tY(расч.)\tОтклонение, %\n"), std::string::npos);
    EXPECT_NE(text.find("\n5\t5\t20.3\t"), std::string::npos) << text;
}

// A column of uncertainties: chosen in the column dialog, or named by a pasted table's
// header; the fit weighs by it, Ctrl+C carries it with chi^2, the saved work keeps it,
// and an undo returns to the points without it.
TEST_F(DataExchange, UncertaintiesWeighTheFitAndTravelWithTheWork) {
    const std::string path = File("n-x-y-s.csv", "1;0.5;2.7;0.1\n2;1.5;4.4;0.2\n3;2.5;7.6;0.4\n");
    driver.ChooseFile(path).ChooseColumns(1, 2, 3);
    Form1().show();
    Key(&Form1(), QKeySequence::Open);
    ExpectFormulaChoiceWith(3);
    EXPECT_TRUE(Shared.SigmaPresent);
    EXPECT_EQ(Shared.PointSigmaText[3], "0.4");

    FitToResults(Line(5), KindPolynomial, "1");
    Clipboard(
        "X\tY\tσ\n1\t2.1\t0.2\n2\t3.9\t0.3\n3\t6.2\t0.3\n4\t7.8\t0.5\n5\t10.3\t0.4\n"
        "6\t11.7\t0.8\n7\t14.2\t0.6\n8\t15.8\t1.2\n");
    Key(&results(), QKeySequence::Paste);
    ASSERT_TRUE(Shared.SigmaPresent);
    EXPECT_NEAR(Shared.FitMatrix[0][2], 2.00515915805313, 1e-12);  // the weighted slope
    Key(&results(), QKeySequence::Copy);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_NEAR(Copied(text, "χ² = Σ((Y − f(X))/σ)² по Y"), 1.4585449367882273, 1e-12) << text;
    EXPECT_NE(text.find("Погрешности σ\tотносительные"), std::string::npos);
    EXPECT_NE(text.find("\n8\t8\t15.8\t1.2\t"), std::string::npos) << text;

    const QImage saved = results().DrawingImage().Image().copy();
    driver.ChooseFile(Path("взвешенная.approx"));
    Key(&results(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ASSERT_TRUE(WaitUntil([this] { return driver.Done(); }));
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_FALSE(Shared.SigmaPresent);
    EXPECT_EQ(Shared.PointCount, 5);
    driver.ChooseFile(Path("взвешенная.approx"));
    Key(&results(), QKeySequence::Open);
    ASSERT_TRUE(WaitUntil([this] { return driver.Done(); }));
    EXPECT_TRUE(Shared.SigmaPresent);
    EXPECT_EQ(Shared.PointSigma[8], 1.2);
    EXPECT_EQ(results().DrawingImage().Image(), saved);
}

TEST_F(DataExchange, MenuOfARightClickOnlyInTheResultsState) {
    FitToResults(Line(5), KindExponential);
    QGuiApplication::clipboard()->clear();
    driver.ChooseItem(4);  // "Копировать результаты"
    ClickWindow(900, 600, Qt::RightButton);
    ASSERT_TRUE(driver.Done());
    const std::string items = driver.SeenBoxes().back().prompt;
    EXPECT_NE(items.find("Сохранить отчёт в PDF…\tCtrl+E"), std::string::npos) << items;
    EXPECT_FALSE(QGuiApplication::clipboard()->text().isEmpty());
    // In the pick for removal a right click picks, as ever.
    const std::size_t boxes = driver.SeenBoxes().size();
    Press(results().Command4);
    ClickWindow(Cell(1, 2).x(), Cell(1, 2).y(), Qt::RightButton);
    EXPECT_TRUE(Form4Loaded()) << "the removal question";
    EXPECT_EQ(driver.SeenBoxes().size(), boxes) << "no menu";
}

// A growth curve of seven points, fitted by Y=A*Exp(B*X) in the tests of the fit on Y,
// and the bands.
const TypedPairs GrowthPoints = {{"0", "2938"},   {"10", "7354"},  {"20", "11900"}, {"30", "17000"},
                                 {"40", "47200"}, {"50", "79100"}, {"60", "119600"}};

// Ctrl+Y switches the fit on display to least squares on Y and back: the panel, the
// mark under it and the copied results follow; the way back restores every bit. A
// formula already fitted on Y says so; a refinement that fails keeps the linearised
// fit and says why.
TEST_F(DataExchange, FitOnYSwitchedByItsShortcut) {
    FitToResults(GrowthPoints, KindExponential);
    const double linearA = Shared.CoefA;
    auto marked = [this] {
        return std::any_of(Drawn().begin(), Drawn().end(),
                           [](const SurfaceOp& op) { return op.text == "МНК по Y"; });
    };
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_NEAR(Shared.CoefA, 5081.107, 1e-3);
    EXPECT_TRUE(marked());
    Key(&results(), QKeySequence::Copy);
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_NE(text.find("Метод\tМНК по Y\n"), std::string::npos) << text;
    // The minimum to ten digits (its gradient vanishes there to 1e-14, in long double).
    EXPECT_NE(text.find("\nA\t5081.107231"), std::string::npos) << text;
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(Shared.CoefA, linearA);
    EXPECT_FALSE(marked());

    // With the formula list open the window is not in its results state: the shortcut
    // neither switches the mode nor refits.
    Press(results().Command2);
    const std::size_t drawn = Drawn().size();
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(Shared.FitMode, FitLinearised);
    EXPECT_EQ(Shared.CoefA, linearA);
    EXPECT_EQ(Drawn().size(), drawn);
    ClickListLine(KindExpShifted - 1);
    ASSERT_TRUE(WaitUntil([&] { return !results().List1->isVisible(); }));
    driver.Ok();
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    ASSERT_TRUE(driver.Done());
    EXPECT_NE(driver.SeenBoxes().back().prompt.find("линеаризованный МНК и есть МНК по Y"),
              std::string::npos);

    Press(results().Command2);
    ClickListLine(KindExpQuadratic - 1);
    ASSERT_TRUE(WaitUntil([&] { return !results().List1->isVisible(); }));
    Clipboard("1\t1\n2\t1e300\n3\t1\n4\t1e-300\n");
    driver.Ok();
    Key(&results(), QKeySequence::Paste);
    ASSERT_TRUE(WaitUntil([this] { return driver.Done(); }));
    EXPECT_EQ(driver.SeenBoxes().back().prompt,
              "Уточнение по Y не сошлось: шаг вышел за пределы чисел двойной точности. "
              "Показан линеаризованный МНК.");
}

// The bands: on, the graph carries four thin lines in the band colours between the
// curve's samples and the legend under the panel, and the interpolation their
// intervals; off again, the window is pixel for pixel as before. F4 opens the
// residuals, which follow a refit.
TEST_F(DataExchange, BandsAndResidualsComeAndGoAtTheUsersWord) {
    FitToResults(GrowthPoints, KindExponential);
    const QImage before = results().DrawingImage().Image().copy();
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_B));
    const auto lines = std::count_if(Drawn().begin(), Drawn().end(), [](const SurfaceOp& op) {
        return op.kind == SurfaceOp::Line && op.width == 1 &&
               (op.color == 0xFF8000 || op.color == 0x008000);
    });
    EXPECT_GT(lines, 4 * 200) << "four lines over most of the 301 samples";
    EXPECT_TRUE(std::any_of(Drawn().begin(), Drawn().end(), [](const SurfaceOp& op) {
        return op.text == "— доверительная полоса 95 %";
    }));
    EXPECT_NE(results().DrawingImage().Image(), before);
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_B));
    EXPECT_EQ(results().DrawingImage().Image(), before) << "off: as specified";

    Key(&results(), QKeySequence(Qt::Key_F4));
    ASSERT_NE(results().Residuals(), nullptr);
    EXPECT_TRUE(results().Residuals()->isVisible());
    const auto residualOps = [this] {
        return results().Residuals()->DrawingImage().OpsSinceClear();
    };
    const auto circles = [&] {
        const auto ops = residualOps();
        return std::count_if(ops.begin(), ops.end(),
                             [](const SurfaceOp& op) { return op.kind == SurfaceOp::Circle; });
    };
    EXPECT_EQ(circles(), 7);
    Clipboard("X\tY\n0\t1\n1\t3\n2\t5\n3\t7\n4\t9.5\n");
    Key(&results(), QKeySequence::Paste);
    EXPECT_EQ(circles(), 5) << "the residuals follow the refit";
}

// Remove pair 3, correct another, change the formula: three undos show the first
// results window again, pixel for pixel, and three redos the last; each step named.
TEST_F(DataExchange, UndoAndRedoShowEveryStepAsItWas) {
    FitToResults(Line(6), KindPolynomial, "1");
    const auto image = [this] { return results().DrawingImage().Image().copy(); };
    std::vector<QImage> shown = {image()};
    std::vector<std::vector<std::string>> buttons = {Visible()};
    Press(results().Command4);
    ClickWindow(Cell(1, 3).x(), Cell(1, 3).y());
    ASSERT_TRUE(Form4Loaded());
    QTest::mouseClick(Form4().Command1, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([] { return !Form4Loaded(); }));
    EXPECT_EQ(results().History().UndoName(), "удаление пары 3");
    shown.push_back(image());
    buttons.push_back(Visible());
    Press(results().Command7);
    ClickWindow(Cell(2, 2).x(), Cell(2, 2).y());
    ASSERT_TRUE(results().Text1->isVisible());
    results().Text1->selectAll();
    QTest::keyClicks(results().Text1, QStringLiteral("9"));
    QTest::keyClick(results().Text1, Qt::Key_Return);
    EXPECT_EQ(results().History().UndoName(), "исправление пары 2");
    shown.push_back(image());
    buttons.push_back(Visible());
    Press(results().Command2);
    ClickListLine(KindExponential - 1);
    ASSERT_TRUE(WaitUntil([&] { return !results().List1->isVisible(); }));
    EXPECT_EQ(results().History().UndoName(), "смена зависимости");
    shown.push_back(image());
    buttons.push_back(Visible());

    for (int step = 2; step >= 0; --step) {
        Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        EXPECT_EQ(image(), shown[step]) << "after undo to step " << step;
        EXPECT_EQ(Visible(), buttons[step]) << "after undo to step " << step;
    }
    EXPECT_FALSE(results().History().CanUndo());
    EXPECT_EQ(results().History().RedoName(), "удаление пары 3");
    for (int step = 1; step <= 3; ++step) {
        Key(&results(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        EXPECT_EQ(image(), shown[step]) << "after redo to step " << step;
    }
    EXPECT_FALSE(results().History().CanRedo());
    // A new edit after an undo drops the steps that could have been redone.
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    driver.Ok();  // a polynomial is fitted on Y already, and the window says so
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    ASSERT_TRUE(WaitUntil([this] { return driver.Done(); }));
    EXPECT_EQ(results().History().UndoName(), "МНК по Y");
    EXPECT_FALSE(results().History().CanRedo());
}

// The whole work saved (Ctrl+Shift+S, the name without an extension gets ".approx") and
// opened again: the same window, pixel for pixel; a truncated or newer file refused in
// words with nothing changed.
TEST_F(DataExchange, SavedWorkOpensAsItWas) {
    FitToResults({{"0", "2938"},
                  {"10", "7354"},
                  {"20,5", "11900"},
                  {"30", "17000"},
                  {"40", "47200"},
                  {"50", "79100"},
                  {"60", "119600"}},
                 KindExponential);
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_B));
    const QImage saved = results().DrawingImage().Image().copy();
    driver.ChooseFile(Path("работа"));
    Key(&results(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ASSERT_TRUE(WaitUntil([this] { return driver.Done(); }));
    std::ifstream in(Path("работа.approx"), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    ASSERT_NE(text.find("\"format\": \"approximation-session\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"x\": \"20.5\""), std::string::npos) << "the text as stored";

    // Another formula and mode on display, then the work opened with Ctrl+O.
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_B));
    ASSERT_NE(results().DrawingImage().Image(), saved);
    driver.ChooseFile(Path("работа.approx"));
    Key(&results(), QKeySequence::Open);
    ASSERT_TRUE(WaitUntil([this] { return driver.Done(); }));
    EXPECT_EQ(Shared.FitMode, FitOnY);
    EXPECT_TRUE(Shared.BandsShown);
    EXPECT_EQ(results().DrawingImage().Image(), saved) << "the window as it was saved";

    // Named at start, the work opens on the results window as it was saved.
    UnloadAllWindows();
    Shared = SharedState{};
    Form1().show();
    Form1().OpenPointFile(Path("работа.approx"));
    ASSERT_TRUE(WaitUntil([this] { return results().isVisible(); }));
    EXPECT_EQ(results().DrawingImage().Image(), saved) << "opened at start";

    const std::string before = Shared.PointYText[3];
    for (const auto& [name, bad, reason] :
         {std::tuple{"cut.approx", text.substr(0, text.size() / 2), "файл работы повреждён"},
          std::tuple{"newer.approx",
                     std::string("{\"format\": \"approximation-session\", \"version\": 9}"),
                     "более новой версией программы (версия 9)"}}) {
        driver.ChooseFile(File(name, bad)).Ok();
        Key(&results(), QKeySequence::Open);
        ASSERT_TRUE(WaitUntil([this] { return driver.Done(); }));
        EXPECT_NE(driver.SeenBoxes().back().prompt.find(reason), std::string::npos)
            << driver.SeenBoxes().back().prompt;
        EXPECT_EQ(Shared.PointYText[3], before);
        EXPECT_EQ(results().DrawingImage().Image(), saved) << name << " changed the window";
    }
}

// Writes the report of the typical road as a PDF where the PDF test asks for it.
TEST_F(DataExchange, ReportAsPdf) {
    const char* out = std::getenv("APPROX_PDF_OUT");
    if (!out) GTEST_SKIP() << "run by the PDF report test";
    FitToResults({{"1", "2.7"}, {"2", "4.4"}, {"3", "7.6"}, {"4", "12.1"}, {"5", "20.3"}},
                 KindExponential);
    driver.ChooseFile(out);
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_E));
    ASSERT_TRUE(driver.Done());
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_EQ(Shared.TableLeft, 640) << "the screen table is back for picking";
}

TEST_F(DataExchange, PdfThatCannotBeWrittenIsSaidSo) {
    FitToResults(Line(5), KindExponential);
    driver.ChooseFile(Path("no/such/folder/report.pdf")).Ok();
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_E));
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(driver.SeenBoxes().back().prompt.rfind("Отчёт не сохранён в файл «report.pdf»: ", 0),
              0u)
        << driver.SeenBoxes().back().prompt;
    EXPECT_FALSE(std::filesystem::exists(Path("no/such/folder/report.pdf")));
}

}  // namespace

namespace {
// The comparison window, as the user answers it: the row chosen by its place, or Esc.
// Answers the next comparison window: copies its table, sorts it by a column where
// asked (keeping the formula on the chosen screen row), then presses Enter on that
// row, or Esc for a row below 0.
void AnswerComparison(int row, std::string* copied, int sortColumn = -1,
                      std::string* formulaOnRow = nullptr) {
    QTimer::singleShot(50, [=] {
        auto* window = qobject_cast<ComparisonWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle().toStdString(), "Сравнение зависимостей");
        if (copied) {
            QTest::keySequence(window, QKeySequence::Copy);
            *copied = QGuiApplication::clipboard()->text().toStdString();
        }
        if (row < 0) {
            QTest::keyClick(window, Qt::Key_Escape);
            return;
        }
        if (sortColumn >= 0) window->Table->sortItems(sortColumn, Qt::DescendingOrder);
        if (formulaOnRow) *formulaOnRow = window->Table->item(row, 1)->text().toStdString();
        window->Table->selectRow(row);
        QTest::keyClick(window, Qt::Key_Return);
    });
}

TEST_F(DataExchange, ComparisonRanksEveryFormulaAndShowsTheChosenFit) {
    FitToResults({{"1", "2"}, {"2", "4"}, {"3", "8"}, {"4", "16"}, {"5", "32"}}, KindPolynomial,
                 "1");
    std::string copied;
    AnswerComparison(-1, &copied);
    Key(&results(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(Shared.FormulaKind, KindPolynomial) << "Esc changes nothing";
    // Exact data of Y = 2^X: the two ways of writing the exponential first, exactly.
    EXPECT_EQ(copied.substr(0, copied.find('\n')),
              "Ранг\tЗависимость\tk\tAICc\tΔAICc\tВес Акаике\tСр. откл., %\tR² по "
              "Y\tОст. ст. откл.\tBIC\tПримечание");
    EXPECT_NE(copied.find("\n1\tY=B*(A^X)\t2\t\t\t\t"), std::string::npos) << copied;
    EXPECT_NE(copied.find("\tточное совпадение\n2\tY=A*Exp(B*X)\t2\t"), std::string::npos);
    AnswerComparison(1, nullptr);
    Key(&results(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(Shared.FormulaKind, KindExponential);
    EXPECT_NEAR(Shared.CoefB, std::log(2.0), 1e-12);
    EXPECT_TRUE(results().FitOnDisplay());
    EXPECT_EQ(Visible(), All()) << "the results state";
    // Sorted by the mean deviation, worst first: Enter shows the fit on the row chosen
    // on screen, not the one of that rank.
    std::string chosen;
    AnswerComparison(2, nullptr, 6, &chosen);
    Key(&results(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(FormulaName(Shared.FormulaKind, Shared.TypedDegree), chosen);
    EXPECT_NE(Shared.FormulaKind, KindExponential);
}
}  // namespace
