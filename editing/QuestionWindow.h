#pragma once
// Form4, the small question whether the picked pair is to be removed: "Да" removes
// it, "Нет" keeps it; closing the window answers "Нет". Designed in twips.

#include <QLabel>
#include <functional>

#include "Controls.h"
#include "FormWindow.h"

class QuestionWindow : public FormWindow {
    Q_OBJECT
public:
    QuestionWindow();
    void LoadSetUp() override;

    QLabel* Label1 = nullptr;           // "Убираете"
    QLabel* Label2 = nullptr;           // the pair
    CaptionButton* Command1 = nullptr;  // "Да"
    CaptionButton* Command2 = nullptr;  // "Нет"

    // What the answers do, given by the window that asks.
    std::function<void()> OnYes, OnNo;

protected:
    void CloseRequested() override;
};

// The question window, loaded on first reference.
QuestionWindow& Form4();
bool Form4Loaded();
