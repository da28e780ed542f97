#pragma once
// Dialogues answered from a queue, for tests that drive the windows' logic without
// the real dialogue boxes; every question asked is kept for the assertions.

#include <deque>
#include <string>
#include <vector>

#include "Dialogs.h"

class ScriptedDialogs : public Dialogs {
public:
    struct Asked {
        std::string kind, prompt, title;
        double x = 0, y = 0;
        MessageIcon icon = MessageIcon::None;
    };

    ScriptedDialogs() : previous_(UseDialogs(this)) {}
    ~ScriptedDialogs() override { UseDialogs(previous_); }

    // Texts answer input boxes and file dialogs in turn; TablePasted answers the next
    // box that takes tables as if a table were pasted into it.
    void QueueText(std::string text) { texts_.push_back(std::move(text)); }
    void QueueAnswer(bool yes) { answers_.push_back(yes); }
    void QueueChoice(int item) { choices_.push_back(item); }
    static inline const std::string TablePasted = "\x01table";

    std::string InputBox(const std::string& prompt, const std::string& title, double x,
                         double y) override;
    bool AskYesNo(const std::string& prompt, const std::string& title, MessageIcon icon) override;
    void Inform(const std::string& prompt, const std::string& title, MessageIcon icon) override;
    void Beep() override { ++beeps; }
    BoxAnswer InputBoxTakingTables(const std::string& prompt, const std::string& title, double x,
                                   double y) override;
    std::string OpenFileName(const std::string& title) override;
    std::string SaveFileName(const std::string& title, const std::string& suggested) override;
    int ChooseFromMenu(const std::vector<std::string>& items, int x, int y) override;
    // Answered from the queue of columns; Cancel when it is empty.
    std::optional<ColumnPair> ChooseColumns(const std::vector<std::string>& columns) override;
    void QueueColumns(ColumnPair pair) { columnChoices_.push_back(pair); }

    std::vector<Asked> asked;
    int beeps = 0;

private:
    Dialogs* previous_;
    std::deque<std::string> texts_;
    std::deque<bool> answers_;
    std::deque<int> choices_;
    std::deque<ColumnPair> columnChoices_;
};
