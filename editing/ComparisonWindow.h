#pragma once
// "Сравнение зависимостей": every formula the points allow, fitted as choosing it
// fits it and ranked by the corrected Akaike criterion, in a table the user can sort
// by any column and copy. A double click or Enter on a fit that was made shows it;
// Esc closes the window and changes nothing.

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

#include "Comparison.h"

class QTableWidget;

// How the window that opened the comparison shows the chosen fit.
using ChooseComparedFit = std::function<void(std::uint8_t kind, std::int16_t degree)>;

class ComparisonWindow : public QDialog {
    Q_OBJECT
public:
    ComparisonWindow(QWidget* parent, std::vector<ComparedFit> fits);
    QTableWidget* Table = nullptr;
    // The fit chosen by a double click or Enter; none when closed otherwise.
    const ComparedFit* Chosen() const { return chosen_; }
    // The table as tab-separated text, as a spreadsheet takes it.
    std::string TableText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChooseRow(int row);
    std::vector<ComparedFit> fits_;
    const ComparedFit* chosen_ = nullptr;
};

// The comparison of the current points, modal; a fit chosen in it is passed to choose
// after the window has closed.
void CompareAndChoose(QWidget* parent, const ChooseComparedFit& choose);

// Puts the shortcuts of the comparison (Ctrl+R, F3) on a window.
void AddComparisonShortcuts(QWidget* window, const std::function<void()>& compare);
