#pragma once
// "Точность коэффициентов": each coefficient of the fit on display with its standard
// error and 95 % interval, and what they rest on (method, degrees of freedom, residual
// sum of squares, steps of the refinement). Where the points have uncertainties, the
// user chooses how the errors read them (relative or absolute sigma): the figures
// follow at once, and so do the bands of the results window. Ctrl+C copies it; Esc
// closes it.

#include <QDialog>

#include "Uncertainty.h"

class QComboBox;
class QTableWidget;
class QLabel;

class SpreadWindow : public QDialog {
    Q_OBJECT
public:
    SpreadWindow(QWidget* parent, FitSpread spread);
    QTableWidget* Table = nullptr;
    QLabel* Summary = nullptr;
    QTableWidget* Correlations = nullptr;  // none where the errors were not computed
    QComboBox* Convention = nullptr;       // only where the points have uncertainties

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The coefficients' figures and the summary of spread_.
    void ShowFigures();
    void ChangeConvention(int index);
    FitSpread spread_;
};
