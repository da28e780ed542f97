#pragma once
// "Точность коэффициентов": each coefficient of the fit on display with its standard
// error and 95 % interval, and what they rest on (method, degrees of freedom, residual
// sum of squares, steps of the refinement). Ctrl+C copies it; Esc closes it.

#include <QDialog>

#include "Uncertainty.h"

class QTableWidget;
class QLabel;

class SpreadWindow : public QDialog {
    Q_OBJECT
public:
    SpreadWindow(QWidget* parent, FitSpread spread);
    QTableWidget* Table = nullptr;
    QLabel* Summary = nullptr;
    QTableWidget* Correlations = nullptr;  // none where the errors were not computed

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FitSpread spread_;
};
