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
