#include "ComparisonWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Clipboard.h"
#include "ComparisonRow.h"
#include "EngineCodes.h"
#include "FitModeText.h"
#include "NumberFormat.h"
#include "SharedState.h"

namespace {
const char* const Headings[] = {"Ранг",       "Зависимость",  "k",       "AICc",           "ΔAICc",
                                "Вес Акаике", "Ср. откл., %", "R² по Y", "Ост. ст. откл.", "BIC",
                                "Примечание"};
constexpr int ColumnCount = 11;
constexpr int RankColumn = 0, FormulaColumn = 1, NoteColumn = ColumnCount - 1;
constexpr int IndexRole = Qt::UserRole + 1;  // the row's place in the ranked list
// The widest a note stands in its column; a longer one is elided, whole in its tooltip.
constexpr int NoteWidth = 260;

QString Figure(const std::optional<double>& value) {
    return value ? QString::fromStdString(ReadableFigure(*value)) : QStringLiteral("—");
}

// The figures of one row, in the window's columns; none for a refused fit.
std::vector<std::optional<double>> Figures(const ComparisonRow& row) {
    return {double(row.coefficients),
            row.aicc,
            row.delta,
            row.weight,
            row.meanDeviation,
            row.determination,
            row.residualDeviation,
            row.bic};
}

// A cell that sorts by its number where it holds one, and by its text otherwise.
class Cell : public QTableWidgetItem {
public:
    Cell(const QString& text, const std::optional<double>& value) : QTableWidgetItem(text) {
        if (value && std::isfinite(*value)) setData(Qt::UserRole, *value);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(Qt::UserRole), b = other.data(Qt::UserRole);
        if (a.isValid() != b.isValid()) return a.isValid();  // figures before dashes
        if (a.isValid()) return a.toDouble() < b.toDouble();
        return data(IndexRole).toInt() < other.data(IndexRole).toInt();
    }
};
}  // namespace

ComparisonWindow::ComparisonWindow(QWidget* parent, std::vector<ComparedFit> fits)
    : QDialog(parent), fits_(std::move(fits)) {
    // In the mode on Y the fits are ranked as that mode fits them, and the title says so;
    // so it says that points with uncertainties are ranked by chi^2 and R^2 weighted.
    setWindowTitle(QString::fromStdString(
        (Shared.FitMode == FitOnY ? "Сравнение зависимостей (" + FitMethodName(true) + ")"
                                  : std::string("Сравнение зависимостей")) +
        (Shared.SigmaPresent ? " — точки взвешены 1/σ²: AICc по χ², R² и отклонение взвешенные"
                             : "")));
    Table = new QTableWidget(static_cast<int>(fits_.size()), ColumnCount, this);
    for (int c = 0; c < ColumnCount; ++c)
        Table->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(Headings[c])));
    for (int r = 0; r < static_cast<int>(fits_.size()); ++r) {
        const ComparisonRow row = RowOf(fits_[r]);
        const bool made = fits_[r].failure == 0;
        std::vector<QTableWidgetItem*> cells;
        cells.push_back(new Cell(QString::number(r + 1), double(r + 1)));
        cells.push_back(new Cell(QString::fromStdString(row.formula), std::nullopt));
        for (const auto& figure : Figures(row))
            cells.push_back(new Cell(made ? Figure(figure) : QString(), figure));
        cells.push_back(new Cell(QString::fromStdString(row.note), std::nullopt));
        cells.back()->setToolTip(QString::fromStdString(row.note));
        for (int c = 0; c < ColumnCount; ++c) {
            cells[c]->setData(IndexRole, r);
            if (c != FormulaColumn && c != NoteColumn)
                cells[c]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(r, c, cells[c]);
        }
    }
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setWordWrap(false);
    Table->setTextElideMode(Qt::ElideRight);
    Table->verticalHeader()->setVisible(false);
    // Ranked as computed, the rank column showing it; sorting by it restores the rank.
    // The sort arrow is in place before the columns take their widths, so that it
    // takes no heading's room.
    Table->horizontalHeader()->setSortIndicator(RankColumn, Qt::AscendingOrder);
    Table->setSortingEnabled(true);
    Table->resizeColumnsToContents();
    Table->setColumnWidth(NoteColumn, std::min(Table->columnWidth(NoteColumn), NoteWidth));
    Table->horizontalHeader()->setStretchLastSection(true);
    if (!fits_.empty()) Table->selectRow(0);
    connect(Table, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { ChooseRow(row); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table);
    int width = 2 * Table->frameWidth() + layout->contentsMargins().left() +
                layout->contentsMargins().right();
    for (int c = 0; c < ColumnCount; ++c) width += Table->columnWidth(c);
    resize(width, 640);
}

void ComparisonWindow::ChooseRow(int row) {
    if (row < 0) return;
    const ComparedFit& f = fits_[Table->item(row, 0)->data(IndexRole).toInt()];
    if (f.failure) return;  // a refused fit has nothing to show
    chosen_ = &f;
    accept();
}

void ComparisonWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ChooseRow(Table->currentRow());
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        SetClipboardText(TableText());
        return;
    }
    QDialog::keyPressEvent(event);
}

std::string ComparisonWindow::TableText() const {
    std::string text;
    for (int c = 0; c < ColumnCount; ++c)
        text += std::string(Headings[c]) + (c + 1 < ColumnCount ? "\t" : "\n");
    // Rows in the order on screen, figures at full precision so that nothing is lost.
    for (int r = 0; r < Table->rowCount(); ++r) {
        const int index = Table->item(r, 0)->data(IndexRole).toInt();
        const ComparisonRow row = RowOf(fits_[index]);
        text += std::to_string(index + 1) + "\t" + row.formula;
        for (const auto& figure : Figures(row))
            text += "\t" + (figure && std::isfinite(*figure) ? ShortestText(*figure) : "");
        text += "\t" + row.note + "\n";
    }
    return text;
}

void CompareAndChoose(QWidget* parent, const ChooseComparedFit& choose) {
    ComparisonWindow window(parent, CompareFormulas());
    window.exec();
    if (const ComparedFit* f = window.Chosen()) choose(f->kind, f->degree);
}

void AddComparisonShortcuts(QWidget* window, const std::function<void()>& compare) {
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_R), QKeySequence(Qt::Key_F3)})
        QObject::connect(new QShortcut(key, window), &QShortcut::activated, window, compare);
}
