// Tens of thousands of random events on the results window (clicks anywhere on it
// and on its buttons, keys in the cell editor, its shortcuts and menu), the real
// modal dialogues answered at random (typed texts, Yes or No, files, menu items),
// from random starts over every formula and extreme data. After every event: the
// point set is whole, no pair changed that no command asked to change, and the
// visible controls are those of one of the window's states, never a dead end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "ComparisonWindow.h"
#include "DialogDriver.h"
#include "FormulaChoice.h"
#include "FormulaKinds.h"
#include "FormulaWindow.h"
#include "NumberText.h"
#include "PointSet.h"
#include "Program.h"
#include "ProgramFixture.h"
#include "QuestionWindow.h"
#include "ResultsWindow.h"
#include "ScratchFolder.h"
#include "SharedState.h"

namespace {

std::mt19937& Random() {
    static std::mt19937 generator(20261208);
    return generator;
}
int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random()); }

std::string RandomText() {
    static const char* const texts[] = {
        "",      "0", "1",  "2,5", "-3", "1e3", "abc",     "  7",    "1,2,3",  "0.001", "40",
        "1e999", "5", "19", "20",  "-1", ",5",  "3.14159", "100000", "1e-300", "1e300"};
    if (Below(4) == 0)
        return std::to_string(Below(200) - 50) + (Below(2) ? "," + std::to_string(Below(100)) : "");
    return texts[Below(static_cast<int>(std::size(texts)))];
}

// Answers every real modal dialogue, menu and file dialog as a careless user would.
class RandomAnswers : public QObject {
public:
    explicit RandomAnswers(std::vector<std::string> files) : files_(std::move(files)) {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, &RandomAnswers::Poll);
        timer_.start();
    }

private:
    // Every answer is given after this poll has returned: an answer may open another
    // box at once (a file dialog asks whether to overwrite), and this timer does not
    // fire again while its own poll runs.
    template <class Action>
    static void Later(QObject* target, Action action) {
        QTimer::singleShot(0, target, action);
    }

    void Poll() {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            menu && menu->isVisible()) {
            if (menu->property("answered").toBool()) return;
            menu->setProperty("answered", true);
            const auto actions = menu->actions();
            if (!actions.isEmpty() && Below(4) != 0)
                menu->setActiveAction(actions[Below(actions.size())]);
            Later(menu, [menu] {
                QTest::keyClick(menu, menu->activeAction() ? Qt::Key_Return : Qt::Key_Escape);
            });
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        ++polls_;
        const QVariant answered = modal->property("answeredAt");
        if (answered.isValid()) {
            // A box that stayed after its answer (a file dialog given a folder that is
            // not there) is closed after a while, as a user gives up.
            if (polls_ - answered.toInt() > 200)
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
            return;
        }
        modal->setProperty("answeredAt", polls_);
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (edit && Below(5) != 0) {
                const QString path =
                    QString::fromStdString(files_[Below(static_cast<int>(files_.size()))]);
                Later(edit, [edit, path] {
                    edit->setText(path);
                    QTest::keyClick(edit, Qt::Key_Return);
                });
            } else {
                QMetaObject::invokeMethod(files, "reject", Qt::QueuedConnection);
            }
            return;
        }
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            auto* edit = input->findChild<QLineEdit*>();
            if (edit && Below(8) != 0) {
                const QString text = QString::fromStdString(RandomText());
                Later(edit, [edit, text] {
                    QTest::keyClicks(edit, text);
                    QTest::keyClick(edit, Qt::Key_Return);
                });
            } else {
                QMetaObject::invokeMethod(input, "reject", Qt::QueuedConnection);
            }
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const auto buttons = box->buttons();
            // "No" ends the program at the unknowns warning: seldom.
            QAbstractButton* chosen = box->button(QMessageBox::Yes);
            if (!chosen || Below(6) == 0) chosen = buttons[Below(buttons.size())];
            Later(chosen, [chosen] { QTest::mouseClick(chosen, Qt::LeftButton); });
            return;
        }
        if (auto* comparison = qobject_cast<ComparisonWindow*>(modal)) {
            const int rows = comparison->Table->rowCount();
            const int row = rows > 0 ? Below(rows) : -1;
            const bool choose = Below(3) != 0;
            Later(comparison, [comparison, row, choose] {
                if (row >= 0) comparison->Table->selectRow(row);
                QTest::keyClick(comparison, choose ? Qt::Key_Return : Qt::Key_Escape);
            });
            return;
        }
        // Anything else is closed.
        QMetaObject::invokeMethod(modal, "close", Qt::QueuedConnection);
    }
    std::vector<std::string> files_;
    QTimer timer_;
    int polls_ = 0;
};

// What an event may do to the pairs, by the command it stands for.
enum class Allowed { Nothing, AddOne, RemoveOne, ChangeOne, Anything };

using Pairs = std::multiset<std::pair<std::string, std::string>>;

Pairs CurrentPairs() {
    Pairs pairs;
    for (int i = 1; i <= Shared.PointCount; ++i)
        pairs.insert({Shared.PointXText[i], Shared.PointYText[i]});
    return pairs;
}

// The pairs of a point set of one of several kinds: ordinary, with zeros and
// negatives, with extreme magnitudes, with equal X.
std::string RandomValue(int flavour) {
    switch (flavour) {
        case 0:
            return std::to_string(1 + Below(50)) + "," + std::to_string(Below(10));
        case 1:
            return std::to_string(Below(21) - 10);
        case 2: {
            static const char* const extreme[] = {"1e300",  "-1e300", "1e-300", "1e150",
                                                  "-2e150", "1e-310", "5"};
            return extreme[Below(static_cast<int>(std::size(extreme)))];
        }
        default:
            return std::to_string(1 + Below(3));
    }
}

class RandomEvents : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        std::ofstream(folder_.Path("good.tsv")) << "X\tY\n1\t2\n2\t4,5\n3\t7\n4\t9,5\n";
        std::ofstream(folder_.Path("two.csv")) << "1;2\n3;4\n";
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> files;
        for (const char* name :
             {"good.tsv", "two.csv", "none.tsv", "saved.tsv", "report.pdf", "no/folder.pdf"})
            files.push_back(folder_.Path(name));
        return files;
    }

    // The last events, for the message of a failure.
    void Note(const std::string& what) {
        if (std::getenv("APPROX_RANDOM_TRACE")) std::fprintf(stderr, "%s\n", what.c_str());
        recent.push_back(what);
        if (recent.size() > 12) recent.erase(recent.begin());
    }
    std::string Recent() const {
        std::string all;
        for (const auto& r : recent) all += "\n  " + r;
        return all;
    }
    std::vector<std::string> recent;

    // A random point set of 3..40 pairs of one flavour, with a formula that fits it.
    void Start() {
        for (int attempt = 0;; ++attempt) {
            UnloadAllWindows();
            Shared = SharedState{};
            ResetProgramEnded();
            FillFormulaTexts();
            SetColourSettings();
            const int n = 3 + Below(38);
            const int flavour = attempt > 20 ? 0 : Below(4);
            Shared.PointCount = static_cast<std::int16_t>(n);
            for (int i = 1; i <= n; ++i) {
                StoreTypedValue(i, PairPart::X, RandomValue(flavour == 3 ? 3 : flavour));
                StoreTypedValue(i, PairPart::Y, RandomValue(flavour == 3 ? 0 : flavour));
            }
            SortPointsByX();
            FormulaWindowLayout();
            const int kind = 1 + Below(OfferedFormulaCount(n));
            kinds.insert(kind);
            ChooseFormula(kind);
            if (!ProgramEnded() && Form3Loaded() && Form3().isVisible()) return;
        }
    }

    void ClickSomewhere(Allowed& allowed) {
        ResultsWindow& w = Form3();
        const auto button = Below(5) == 0 ? Qt::RightButton : Qt::LeftButton;
        QPoint at;
        switch (Below(3)) {
            case 0:  // the table's X and Y cells and their borders
                at = QPoint(660 + Below(180), 15 + Below(16 * (Shared.PointCount + 2)));
                break;
            case 1: {  // near a point of the graph
                const int i = 1 + Below(Shared.PointCount);
                at = QPoint(Shared.PointPixelX[i] + Below(13) - 6,
                            Shared.PointPixelY[i] + Below(13) - 6);
                break;
            }
            default:
                at = QPoint(Below(w.width()), Below(700));
        }
        QWidget* target = w.childAt(at);
        if (target && target != w.Text1) return;  // buttons are pressed by their own event
        Note("click " + std::to_string(at.x()) + "," + std::to_string(at.y()) +
             (button == Qt::RightButton ? " right" : ""));
        // A right click in the results state opens the menu of ways in and out.
        if (button == Qt::RightButton) allowed = Allowed::Anything;
        QTest::mouseClick(&w, button, {}, at);
    }

    Allowed Act() {
        ResultsWindow& w = Form3();
        std::vector<QAbstractButton*> buttons;
        for (auto* b : w.Commands())
            if (b->isVisible() && (b != w.Command1 || Below(60) == 0)) buttons.push_back(b);
        if (Form4Loaded() && Form4().isVisible()) {
            buttons.push_back(Form4().Command1);
            buttons.push_back(Form4().Command2);
        }
        Allowed allowed = Allowed::Nothing;
        const int choice = Below(12);
        if (choice < 5 && !buttons.empty()) {
            QAbstractButton* b = buttons[Below(static_cast<int>(buttons.size()))];
            Note("press " + b->text().toStdString());
            if (b == w.Command3) allowed = Allowed::AddOne;
            if (Form4Loaded() && b == Form4().Command1) allowed = Allowed::RemoveOne;
            QTest::mouseClick(b, Qt::LeftButton);
        } else if (choice < 7 && w.List1->isVisible() && w.List1->count() > 0) {
            QListWidgetItem* item = w.List1->item(Below(w.List1->count()));
            Note("formula " + item->text().toStdString());
            QTest::mouseClick(w.List1->viewport(), Qt::LeftButton, {},
                              w.List1->visualItemRect(item).center());
        } else if (choice < 9 && w.Text1->isVisible()) {
            Note("editor");
            allowed = Allowed::ChangeOne;
            switch (Below(4)) {
                case 0:
                    QTest::keyClicks(w.Text1, QString::fromStdString(RandomText()));
                    break;
                case 1:
                    QTest::keyClick(w.Text1, Qt::Key_Return);
                    break;
                case 2:
                    DoubleClick(w.Text1);
                    break;
                default:
                    QTest::mouseClick(w.Text1, Qt::LeftButton);
                    break;
            }
        } else if (choice == 9) {
            // A shortcut of the results window, now and then with a table to paste.
            static const QKeySequence keys[] = {QKeySequence::Open,
                                                QKeySequence::Paste,
                                                QKeySequence::Save,
                                                QKeySequence::Copy,
                                                QKeySequence(Qt::CTRL | Qt::Key_E),
                                                QKeySequence(Qt::CTRL | Qt::Key_R),
                                                QKeySequence(Qt::Key_F3),
                                                QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                QKeySequence(Qt::CTRL | Qt::Key_D),
                                                QKeySequence(Qt::CTRL | Qt::Key_B),
                                                QKeySequence(Qt::Key_F4),
                                                QKeySequence(Qt::CTRL | Qt::Key_Z),
                                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
            if (Below(2) == 0)
                QGuiApplication::clipboard()->setText(
                    Below(2) ? QStringLiteral("1\t5\n2\t7\n3\t8\n4\t11\n")
                             : QStringLiteral("7;\n"));
            const QKeySequence& key = keys[Below(static_cast<int>(std::size(keys)))];
            Note("keys " + key.toString().toStdString());
            allowed = Allowed::Anything;
            QTest::keySequence(&w, key);
        } else if (Form4Loaded() && Below(10) == 0) {
            Note("close question");
            Form4().close();
        } else {
            ClickSomewhere(allowed);
        }
        QCoreApplication::processEvents();
        return allowed;
    }

    // The state the visible controls stand for, or a failure message.
    std::string CheckState() {
        const auto& s = Shared;
        if (s.PointCount < 3 || s.PointCount > 40)
            return "point count " + std::to_string(s.PointCount);
        for (int i = 1; i <= s.PointCount; ++i) {
            if (s.PointX[i] != NumberValue(s.PointXText[i]) ||
                s.PointY[i] != NumberValue(s.PointYText[i]))
                return "pair " + std::to_string(i) + " text and value differ";
            if (!s.CorrectPickMode && i > 1 && s.PointX[i] < s.PointX[i - 1])
                return "pairs not sorted by X";
        }
        ResultsWindow& w = Form3();
        std::set<int> visible;
        const auto commands = w.Commands();
        for (int k = 0; k < 7; ++k)
            if (commands[k]->isVisible()) visible.insert(k + 1);
        if (visible.count(3) && s.PointCount >= 40) return "add offered at 40 pairs";
        const bool question = Form4Loaded() && Form4().isVisible();
        if (visible.empty()) {
            if (question || w.List1->isVisible()) return {};
            return "a dead end: no button, no question, no list";
        }
        if (question) return "buttons beside the removal question";
        if (visible == std::set<int>{1}) {
            if (w.Label1->isVisible()) return {};  // a pick, or a cell being edited
            return "only the end button, and no prompt";
        }
        if (visible == std::set<int>{5}) {
            if (w.Command5->Caption() == "Продолжение работы") return {};
            return "only Command5, not in an interpolation";
        }
        // Results (after a failed fit without 5 and 6): 1, 2 and 7 always there.
        if (visible.count(1) && visible.count(2) && visible.count(7) &&
            visible.count(5) == visible.count(6))
            return {};
        std::string names;
        for (int k : visible) names += " Command" + std::to_string(k);
        return "no state shows" + names;
    }

    // Whether the pairs changed only as the command allowed.
    static std::string CheckPairs(const Pairs& before, const Pairs& after, Allowed allowed) {
        if (allowed == Allowed::Anything) return {};
        Pairs removed, added;
        std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                            std::inserter(removed, removed.begin()));
        std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                            std::inserter(added, added.begin()));
        const std::size_t mayRemove =
            allowed == Allowed::RemoveOne || allowed == Allowed::ChangeOne ? 1 : 0;
        const std::size_t mayAdd =
            allowed == Allowed::AddOne || allowed == Allowed::ChangeOne ? 1 : 0;
        if (removed.size() <= mayRemove && added.size() <= mayAdd) return {};
        std::string what = "pairs changed that no command asked for:";
        for (const auto& [x, y] : removed) what += " -(" + x + ", " + y + ")";
        for (const auto& [x, y] : added) what += " +(" + x + ", " + y + ")";
        return what;
    }

    ScratchFolder folder_{"approximation-random"};
    std::set<int> kinds;
};

TEST_F(RandomEvents, KeepThePointSetAndTheStatesWhole) {
    RandomAnswers answers(Files());
    const char* configured = std::getenv("APPROX_RANDOM_EVENTS");
    const int events = configured ? std::atoi(configured) : 20000;
    int starts = 0;
    Start();
    for (int event = 0; event < events; ++event) {
        const Pairs before = CurrentPairs();
        const Allowed allowed = Act();
        if (ProgramEnded() || !Form3Loaded()) {
            ++starts;
            Start();
            continue;
        }
        if (Form3().FitOnDisplay()) kinds.insert(Shared.FormulaKind);
        std::string broken = CheckState();
        if (broken.empty()) broken = CheckPairs(before, CurrentPairs(), allowed);
        ASSERT_TRUE(broken.empty()) << "after event " << event << ": " << broken << Recent();
    }
    std::printf("%d events, %d fresh starts, %zu formulas\n", events, starts, kinds.size());
    if (events >= 20000) {
        EXPECT_EQ(kinds.size(), 13u) << "every formula was reached";
    }
}

}  // namespace
