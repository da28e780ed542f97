#pragma once
// Form1, the title window: the program's title and purpose on a full-screen
// four-colour gradient, with "Готовы к работе ?" to start the data entry and
// "Не готовы к работе ?" to leave. Its load set-up also fills the formula texts.
// Designed in twips.

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <optional>

#include "FormWindow.h"
#include "PointTable.h"

class TitleWindow : public FormWindow {
    Q_OBJECT
public:
    TitleWindow();
    void LoadSetUp() override;

    QLabel* Label1 = nullptr;  // title block
    QLabel* Label2 = nullptr;  // credit line
    QLabel* Label3 = nullptr;  // purpose block
    QLabel* Label4 = nullptr;  // shadow bars of the two blocks
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* Command1 = nullptr;  // "Готовы к работе ?"
    QPushButton* Command2 = nullptr;  // "Не готовы к работе ?"

    // The program started with a data file: its points as if typed, the program on
    // the formula choice; a file without a valid table is refused and this window
    // stays.
    void OpenPointFile(const std::string& path);

protected:
    // The gradient over the inner size, made a band of rows at a time and drawn where
    // the window is to be painted: the window holds no image of its own size (five
    // megabytes to fill and copy before its first showing).
    void paintEvent(QPaintEvent* event) override;
    // Hidden, the window gives its band back (the other windows need the memory).
    void hideEvent(QHideEvent* event) override;
    // A file of points dropped on the window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage band_;  // the rows of the gradient being drawn
    void Command1Click();
    void Command2Click();
    // Ctrl+O, Ctrl+V and a drop: the points of a file or the clipboard, the boxes
    // skipped.
    void ReplacePoints(const std::optional<PointTable>& table);
};

// The title window, loaded on first reference.
TitleWindow& Form1();
