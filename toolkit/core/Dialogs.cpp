#include "Dialogs.h"

namespace {
// What answers when no dialogues are installed: nothing is shown, nothing chosen.
class Unanswered : public Dialogs {
public:
    std::string InputBox(const std::string&, const std::string&, double, double) override { return {}; }
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { return false; }
    void Inform(const std::string&, const std::string&, MessageIcon) override {}
    void Beep() override {}
};

Dialogs* installed = nullptr;
}  // namespace

Dialogs& TheDialogs() {
    static Unanswered none;
    return installed ? *installed : none;
}

Dialogs* UseDialogs(Dialogs* dialogs) {
    Dialogs* previous = installed;
    installed = dialogs;
    return previous;
}
