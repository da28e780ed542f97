#pragma once
// Qt's own dialogue boxes behind the program's dialogue interface.

#include "Dialogs.h"

class QtDialogs : public Dialogs {
public:
    std::string InputBox(const std::string& prompt, const std::string& title, double xTwips,
                         double yTwips) override;
    BoxAnswer InputBoxTakingTables(const std::string& prompt, const std::string& title,
                                   double xTwips, double yTwips) override;
    bool AskYesNo(const std::string& prompt, const std::string& title, MessageIcon icon) override;
    void Inform(const std::string& prompt, const std::string& title, MessageIcon icon) override;
    void Beep() override;
    std::string OpenFileName(const std::string& title) override;
    std::string SaveFileName(const std::string& title, const std::string& suggested) override;
    int ChooseFromMenu(const std::vector<std::string>& items, int xPixels, int yPixels) override;
    std::optional<ColumnPair> ChooseColumns(const std::vector<std::string>& columns) override;
};
