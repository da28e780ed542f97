#pragma once
// The results window reached by the real road, with helpers to press its buttons,
// click its cells and read what it shows; the real dialogue boxes, beeps counted.

#include <QPoint>
#include <string>
#include <vector>

#include "QtDialogs.h"
#include "ResultsWindow.h"
#include "RoadFixture.h"
#include "Surface.h"

// The real dialogue boxes, with the beeps counted.
class CountingDialogs : public QtDialogs {
public:
    CountingDialogs() : previous_(UseDialogs(this)) {}
    ~CountingDialogs() override { UseDialogs(previous_); }
    void Beep() override { ++beeps; }
    int beeps = 0;

private:
    Dialogs* previous_;
};

class Commands : public RoadFixture {
protected:
    CountingDialogs counting;
    ResultsWindow& results() { return Form3(); }
    void Press(CaptionButton* button);
    void ClickWindow(double x, double y, Qt::MouseButton button = Qt::LeftButton);
    // Clicks line `index` (from 0) of the results window's formula list.
    void ClickListLine(int index);
    // The middle of the X (column 1) or Y (column 2) cell of a pair's row.
    QPoint Cell(int column, int row);
    // The names of the visible command buttons, Command1 first.
    std::vector<std::string> Visible();
    const std::vector<SurfaceOp>& Drawn();
    static std::vector<std::string> All();
};
