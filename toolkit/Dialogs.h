#pragma once
// Every modal dialogue of the program, behind one interface: the real program shows
// real dialogue boxes; a test may install its own to script the answers.

#include <QString>
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
    virtual bool AskYesNo(const std::string& prompt, const std::string& title, MessageIcon icon) = 0;
    // Modal message box with one OK button.
    virtual void Inform(const std::string& prompt, const std::string& title, MessageIcon icon) = 0;
    virtual void Beep() = 0;
};

// The dialogues in use; the real ones unless a test installed others.
Dialogs& TheDialogs();
// Installs other dialogues (nullptr restores the real ones); the caller keeps ownership.
void UseDialogs(Dialogs* dialogs);

// Qt's own dialogue boxes.
class QtDialogs : public Dialogs {
public:
    std::string InputBox(const std::string& prompt, const std::string& title, double xTwips,
                         double yTwips) override;
    bool AskYesNo(const std::string& prompt, const std::string& title, MessageIcon icon) override;
    void Inform(const std::string& prompt, const std::string& title, MessageIcon icon) override;
    void Beep() override;
};

// A caption or prompt with its character-13 line breaks as Qt shows them.
QString CaptionText(const std::string& text);
