#include "SpreadWindow.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "Clipboard.h"
#include "Coefficients.h"
#include "NumberFormat.h"
#include "SharedState.h"
#include "SpreadText.h"

SpreadWindow::SpreadWindow(QWidget* parent, FitSpread spread)
    : QDialog(parent), spread_(std::move(spread)) {
    setWindowTitle(QStringLiteral("Точность коэффициентов"));
    const auto& headings = SpreadHeadings();
    const int rows = static_cast<int>(spread_.coefficients.size());
    const int columns = static_cast<int>(headings.size());
    Table = new QTableWidget(rows, columns, this);
    for (int c = 0; c < columns; ++c)
        Table->setHorizontalHeaderItem(c,
                                       new QTableWidgetItem(QString::fromStdString(headings[c])));
    Summary = new QLabel(this);
    Summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ShowFigures();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->setVisible(false);
    Table->resizeColumnsToContents();
    Table->horizontalHeader()->setStretchLastSection(true);
    int width = 2 * Table->frameWidth();
    for (int c = 0; c < columns; ++c) width += Table->columnWidth(c);
    Table->setMinimumWidth(width);
    Table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // As tall as its rows, so that the summary follows them at once.
    int height = Table->horizontalHeader()->sizeHint().height() + 2 * Table->frameWidth();
    for (int r = 0; r < rows; ++r) height += Table->verticalHeader()->sectionSizeHint(r);
    Table->setFixedHeight(height);

    // The coefficients' correlations, a matrix of their own under the table.
    const auto correlations = CorrelationRows(spread_, ReadableFigure);
    if (!correlations.empty()) {
        const int size = static_cast<int>(correlations.size());
        Correlations = new QTableWidget(size - 1, size - 1, this);
        for (int c = 1; c < size; ++c) {
            Correlations->setHorizontalHeaderItem(
                c - 1, new QTableWidgetItem(QString::fromStdString(correlations[0][c])));
            Correlations->setVerticalHeaderItem(
                c - 1, new QTableWidgetItem(QString::fromStdString(correlations[c][0])));
            for (int r = 1; r < size; ++r) {
                auto* item = new QTableWidgetItem(QString::fromStdString(correlations[r][c]));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                Correlations->setItem(r - 1, c - 1, item);
            }
        }
        Correlations->setEditTriggers(QAbstractItemView::NoEditTriggers);
        Correlations->resizeColumnsToContents();
        // As tall and wide as its cells, as the table above is, up to ten rows and
        // columns; a larger matrix (a polynomial of high degree) scrolls.
        int matrixHeight =
            Correlations->horizontalHeader()->sizeHint().height() + 2 * Correlations->frameWidth();
        for (int r = 0; r < std::min(size - 1, 10); ++r) matrixHeight += Correlations->rowHeight(r);
        Correlations->setFixedHeight(matrixHeight);
        int matrixWidth =
            Correlations->verticalHeader()->sizeHint().width() + 2 * Correlations->frameWidth();
        for (int c = 0; c < std::min(size - 1, 10); ++c)
            matrixWidth += Correlations->columnWidth(c);
        Correlations->setFixedWidth(matrixWidth);
    }

    auto* layout = new QVBoxLayout(this);
    if (spread_.weighted) {
        Convention = new QComboBox(this);
        Convention->addItem(QStringLiteral("σ относительные: ошибки умножены на √(χ²/ν)"));
        Convention->addItem(QStringLiteral("σ абсолютные: ошибки из (JᵀWJ)⁻¹ как есть"));
        Convention->setCurrentIndex(spread_.convention == SigmaAbsolute ? 1 : 0);
        connect(Convention, &QComboBox::currentIndexChanged, this, &SpreadWindow::ChangeConvention);
        layout->addWidget(Convention);
    }
    layout->addWidget(Table);
    layout->addWidget(Summary);
    if (Correlations) {
        layout->addWidget(new QLabel(QStringLiteral("Корреляции коэффициентов:"), this));
        layout->addWidget(Correlations);
    }
    resize(sizeHint());
}

void SpreadWindow::ShowFigures() {
    const int columns = Table->columnCount();
    for (int r = 0; r < static_cast<int>(spread_.coefficients.size()); ++r) {
        const CoefficientSpread& c = spread_.coefficients[r];
        const std::string cells[] = {c.name, PanelCoefficientText(c.value),
                                     ReadableFigure(c.standardError), ReadableFigure(c.low),
                                     ReadableFigure(c.high)};
        for (int k = 0; k < columns; ++k) {
            auto* item = new QTableWidgetItem(QString::fromStdString(cells[k]));
            if (k > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(r, k, item);
        }
    }
    std::string summary;
    for (const auto& [label, value] : SpreadSummary(spread_, ReadableFigure))
        summary += label + ": " + value + "\n";
    summary += "Ctrl+C — скопировать для электронной таблицы.";
    Summary->setText(QString::fromStdString(summary));
}

void SpreadWindow::ChangeConvention(int index) {
    Shared.SigmaConvention = index == 1 ? SigmaAbsolute : SigmaRelative;
    spread_ = SpreadOfFit();
    ShowFigures();
    Table->resizeColumnsToContents();
    resize(sizeHint());
}

void SpreadWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        SetClipboardText(SpreadText(spread_));
        return;
    }
    QDialog::keyPressEvent(event);
}
