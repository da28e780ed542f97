#pragma once
// Every modal dialogue of the program, behind one interface: the program installs
// the real dialogue boxes at start; a test installs its own to script the answers.

#include <optional>
#include <string>
#include <vector>

enum class MessageIcon { None, Question, Warning };

// The answer of an input box that also takes a table pasted into it.
struct BoxAnswer {
    std::string text;
    bool tablePasted = false;  // Ctrl+V with more than one cell on the clipboard closed it
};

// The columns of X and Y of a table, and of the uncertainty sigma of Y (-1 for none),
// counted from 0.
struct ColumnPair {
    int x = 0, y = 1;
    int sigma = -1;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal input box with its top-left corner at (x, y) twips of the screen; returns
    // the typed text, or the empty text on Cancel.
    virtual std::string InputBox(const std::string& prompt, const std::string& title, double xTwips,
                                 double yTwips) = 0;
    // The same box, where Ctrl+V with a table on the clipboard (cells parted by a
    // tab, a semicolon or a line break) closes it at once: the caller takes the table.
    virtual BoxAnswer InputBoxTakingTables(const std::string& prompt, const std::string& title,
                                           double xTwips, double yTwips) = 0;
    // Modal message box with Yes and No; true for Yes. A line break is character 13.
    virtual bool AskYesNo(const std::string& prompt, const std::string& title,
                          MessageIcon icon) = 0;
    // Modal message box with one OK button.
    virtual void Inform(const std::string& prompt, const std::string& title, MessageIcon icon) = 0;
    virtual void Beep() = 0;
    // The file dialog: the path of a file to open, or to save under (the suggested
    // name first); empty on Cancel.
    virtual std::string OpenFileName(const std::string& title) = 0;
    virtual std::string SaveFileName(const std::string& title, const std::string& suggested) = 0;
    // A menu of these items at (x, y) pixels of the screen: the index of the chosen
    // item, -1 when none was.
    virtual int ChooseFromMenu(const std::vector<std::string>& items, int xPixels, int yPixels) = 0;
    // Asks which of these columns of a table hold X and Y, and which (if any) sigma of
    // Y (each named by its header or its first values); none on Cancel.
    virtual std::optional<ColumnPair> ChooseColumns(const std::vector<std::string>& columns) = 0;
};

// The dialogues in use; some must have been installed.
Dialogs& TheDialogs();
// Installs these dialogues (nullptr: none) and returns the ones they replace; the
// caller keeps ownership.
Dialogs* UseDialogs(Dialogs* dialogs);
