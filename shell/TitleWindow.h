#pragma once
// Form1, the title window: the program's title and purpose on a full-screen
// four-colour gradient, with "Готовы к работе ?" to start the data entry and
// "Не готовы к работе ?" to leave. Its load set-up also fills the formula texts.
// Designed in twips.

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
    void resizeEvent(QResizeEvent* event) override;
    // Hidden, the window gives back its gradient's five megabytes (the other windows
    // need them); shown again, it paints the gradient anew.
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A file of points dropped on the window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Paints the gradient over the inner size, unless it already covers that size.
    void PaintGradient();
    QSize gradientSize_;
    void Command1Click();
    void Command2Click();
    // Ctrl+O, Ctrl+V and a drop: the points of a file or the clipboard, the boxes
    // skipped.
    void ReplacePoints(const std::optional<PointTable>& table);
};

// The title window, loaded on first reference.
TitleWindow& Form1();
