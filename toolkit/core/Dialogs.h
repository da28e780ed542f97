#pragma once
// Every modal dialogue of the program, behind one interface: the program installs
// the real dialogue boxes at start; a test installs its own to script the answers.

#include <string>

enum class MessageIcon { None, Question, Warning };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal input box with its top-left corner at (x, y) twips of the screen; returns
    // the typed text, or the empty text on Cancel.
    virtual std::string InputBox(const std::string& prompt, const std::string& title, double xTwips,
                                 double yTwips) = 0;
    // Modal message box with Yes and No; true for Yes. A line break is character 13.
    virtual bool AskYesNo(const std::string& prompt, const std::string& title,
                          MessageIcon icon) = 0;
    // Modal message box with one OK button.
    virtual void Inform(const std::string& prompt, const std::string& title, MessageIcon icon) = 0;
    virtual void Beep() = 0;
};

// The dialogues in use; some must have been installed.
Dialogs& TheDialogs();
// Installs these dialogues (nullptr: none) and returns the ones they replace; the
// caller keeps ownership.
Dialogs* UseDialogs(Dialogs* dialogs);
