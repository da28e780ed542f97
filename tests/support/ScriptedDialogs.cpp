#include "ScriptedDialogs.h"

#include <stdexcept>

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title, double x,
                                      double y) {
    asked.push_back({"input", prompt, title, x, y});
    if (texts_.empty()) throw std::logic_error("no scripted answer for input box: " + prompt);
    std::string text = texts_.front();
    texts_.pop_front();
    return text;
}

bool ScriptedDialogs::AskYesNo(const std::string& prompt, const std::string& title,
                               MessageIcon icon) {
    asked.push_back({"yesno", prompt, title, 0, 0, icon});
    if (answers_.empty()) throw std::logic_error("no scripted answer for message box: " + prompt);
    bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedDialogs::Inform(const std::string& prompt, const std::string& title,
                             MessageIcon icon) {
    asked.push_back({"inform", prompt, title, 0, 0, icon});
}

BoxAnswer ScriptedDialogs::InputBoxTakingTables(const std::string& prompt, const std::string& title,
                                                double x, double y) {
    std::string text = InputBox(prompt, title, x, y);
    if (text == TablePasted) return {{}, true};
    return {text, false};
}

std::string ScriptedDialogs::OpenFileName(const std::string& title) {
    return InputBox(title, title, 0, 0);
}

std::string ScriptedDialogs::SaveFileName(const std::string& title, const std::string&) {
    return InputBox(title, title, 0, 0);
}

int ScriptedDialogs::ChooseFromMenu(const std::vector<std::string>& items, int x, int y) {
    asked.push_back(
        {"menu", items.empty() ? std::string() : items.front(), {}, double(x), double(y)});
    if (choices_.empty()) throw std::logic_error("no scripted choice for a menu");
    const int item = choices_.front();
    choices_.pop_front();
    return item;
}

std::optional<ColumnPair> ScriptedDialogs::ChooseColumns(const std::vector<std::string>& columns) {
    std::string listed;
    for (const std::string& column : columns) listed += (listed.empty() ? "" : ", ") + column;
    asked.push_back({"columns", listed, {}, 0, 0});
    if (columnChoices_.empty()) return std::nullopt;
    const ColumnPair pair = columnChoices_.front();
    columnChoices_.pop_front();
    return pair;
}
