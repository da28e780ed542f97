#pragma once
// Answers the program's real modal dialogue boxes as a user would, with Qt's test
// events: each queued answer waits for the next input box or message box to open,
// types into it or presses its button, and keeps what the box showed.

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class DialogDriver : public QObject {
    Q_OBJECT
public:
    struct Seen {
        std::string kind;  // "input" or "message"
        std::string title;
        std::string prompt;  // line breaks as "\n"
        int x = 0, y = 0;    // top-left corner in pixels
    };

    DialogDriver();
    ~DialogDriver() override;

    // Types the text into the next input box and presses Enter.
    DialogDriver& Type(const std::string& text);
    // Presses Cancel on the next input box.
    DialogDriver& Cancel();
    // Presses "Yes" or "No" (or "OK") on the next message box.
    DialogDriver& Answer(bool yes);
    DialogDriver& Ok();
    // Runs the check when the next box has opened, before that box is answered.
    DialogDriver& Inspect(std::function<void()> check);
    // Presses Ctrl+V in the next input box.
    DialogDriver& Paste();
    // Types the path into the next file dialog and presses Enter.
    DialogDriver& ChooseFile(const std::string& path);
    // Chooses item `index` (from 0) of the next menu; -1 closes it with Escape.
    DialogDriver& ChooseItem(int index);
    // Chooses columns x, y and sigma (from 0; -1: none) in the next column dialog and
    // presses OK.
    DialogDriver& ChooseColumns(int x, int y, int sigma = -1);

    bool Done() const { return pending_.empty(); }
    const std::vector<Seen>& SeenBoxes() const { return seen_; }

private:
    struct Step {
        enum Kind {
            TypeText,
            CancelBox,
            Yes,
            No,
            Okay,
            Check,
            PasteText,
            File,
            Item,
            Columns
        } kind;
        std::string text;
        std::function<void()> check;
        int item = 0, second = 0, third = -1;
    };
    void Poll();
    std::deque<Step> pending_;
    std::vector<Seen> seen_;
    QTimer timer_;
};

// A double click as the window system delivers one, through the widget's window:
// press, release, double click, release, each to the widget under the pointer (Qt's
// test double click on a widget alone sends only the third, to that widget).
void DoubleClick(QWidget* widget, QPoint at = QPoint());

// Processes events until the condition holds or the time runs out; true when it held.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 5000);
