#include "ComparisonWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "Clipboard.h"
#include "EngineCodes.h"
#include "ErrorReport.h"
#include "FitModeText.h"
#include "FormulaChoice.h"
#include "NumberFormat.h"
#include "SharedState.h"

namespace {
const char* const Headings[] = {
    "Зависимость",  "k",          "AICc",    "ΔAICc",          "Вес Акаике",
    "Ср. откл., %", "Корреляция", "R² по Y", "Ост. ст. откл.", "Примечание"};
constexpr int ColumnCount = 10;
constexpr int IndexRole = Qt::UserRole + 1;  // the row's place in the ranked list

QString Figure(const std::optional<double>& value) {
    return value ? QString::fromStdString(ReadableFigure(*value)) : QStringLiteral("—");
}

std::string Note(const ComparedFit& f) {
    if (f.failure) return CauseLine(f.failure);
    if (f.exact) return "точное совпадение";
    // In the mode on Y a fit whose refinement failed is ranked by its linearised fit.
    const std::string unrefined =
        f.refinement >= RefinementNoConvergence ? "по Y не сошлось: " + FitMethodName(false) : "";
    if (!f.aicc) return "AICc: n − k − 1 ≤ 0" + (unrefined.empty() ? "" : "; " + unrefined);
    return unrefined;
}

// The figures of one row; none for a refused fit.
std::vector<std::optional<double>> Figures(const ComparedFit& f) {
    if (f.failure) return std::vector<std::optional<double>>(ColumnCount - 2);
    return {double(f.coefficients), f.aicc,        f.delta,         f.weight,
            f.meanDeviation,        f.correlation, f.determination, f.residualDeviation};
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
    // In the mode on Y the fits are ranked as that mode fits them, and the title says so.
    setWindowTitle(QString::fromStdString(
        Shared.FitMode == FitOnY ? "Сравнение зависимостей (" + FitMethodName(true) + ")"
                                 : std::string("Сравнение зависимостей")));
    Table = new QTableWidget(static_cast<int>(fits_.size()), ColumnCount, this);
    for (int c = 0; c < ColumnCount; ++c)
        Table->setHorizontalHeaderItem(c, new QTableWidgetItem(QString::fromUtf8(Headings[c])));
    for (int r = 0; r < static_cast<int>(fits_.size()); ++r) {
        const ComparedFit& f = fits_[r];
        std::vector<QTableWidgetItem*> cells;
        cells.push_back(
            new Cell(QString::fromStdString(FormulaName(f.kind, f.degree)), std::nullopt));
        for (const auto& figure : Figures(f))
            cells.push_back(new Cell(f.failure ? QString() : Figure(figure), figure));
        cells.push_back(new Cell(QString::fromStdString(Note(f)), std::nullopt));
        for (int c = 0; c < ColumnCount; ++c) {
            cells[c]->setData(IndexRole, r);
            if (c > 0 && c < ColumnCount - 1)
                cells[c]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(r, c, cells[c]);
        }
    }
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->setVisible(false);
    Table->resizeColumnsToContents();
    Table->horizontalHeader()->setStretchLastSection(true);
    // Ranked as computed; the first column sorts by that rank again.
    Table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    Table->setSortingEnabled(true);
    if (!fits_.empty()) Table->selectRow(0);
    connect(Table, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { ChooseRow(row); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table);
    resize(1240, 640);
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
        const ComparedFit& f = fits_[Table->item(r, 0)->data(IndexRole).toInt()];
        text += FormulaName(f.kind, f.degree);
        for (const auto& figure : Figures(f))
            text += "\t" + (figure && std::isfinite(*figure) ? ShortestText(*figure) : "");
        text += "\t" + Note(f) + "\n";
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
