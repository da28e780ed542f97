#include "QtDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>

#include "Controls.h"
#include "KeyboardLayout.h"
#include "Units.h"

namespace {
QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

namespace {
// Closes its box when Ctrl+V would paste a table rather than a number.
class TablePaste : public QObject {
public:
    TablePaste(QDialog* box) : QObject(box), box_(box) {}
    bool pasted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return false;
        const QString text = QGuiApplication::clipboard()->text().trimmed();
        if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\t')) &&
            !text.contains(QLatin1Char(';')))
            return false;
        pasted = true;
        box_->accept();
        return true;
    }

private:
    QDialog* box_;
};

BoxAnswer Ask(const std::string& prompt, const std::string& title, double xTwips, double yTwips,
              bool takesTables) {
    QInputDialog dialog;
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(CaptionText(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    auto* edit = dialog.findChild<QLineEdit*>();
    // Every input box of the program asks for a number.
    if (edit) MarkNumberBox(edit);
    auto* paste = new TablePaste(&dialog);
    if (edit && takesTables) edit->installEventFilter(paste);
    dialog.move(TwipsToPixels(xTwips), TwipsToPixels(yTwips));
    if (dialog.exec() != QDialog::Accepted) return {};
    if (paste->pasted) return {{}, true};
    return {dialog.textValue().toStdString(), false};
}
}  // namespace

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title, double xTwips,
                                double yTwips) {
    return Ask(prompt, title, xTwips, yTwips, false).text;
}

BoxAnswer QtDialogs::InputBoxTakingTables(const std::string& prompt, const std::string& title,
                                          double xTwips, double yTwips) {
    return Ask(prompt, title, xTwips, yTwips, true);
}

bool QtDialogs::AskYesNo(const std::string& prompt, const std::string& title, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), CaptionText(prompt),
                    QMessageBox::Yes | QMessageBox::No);
    box.setObjectName(QStringLiteral("MessageBox"));
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::Inform(const std::string& prompt, const std::string& title, MessageIcon icon) {
    QMessageBox box(ToQtIcon(icon), QString::fromStdString(title), CaptionText(prompt),
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

void QtDialogs::Beep() { QApplication::beep(); }

namespace {
const QString TableFiles = QStringLiteral("Таблицы точек (*.csv *.tsv *.txt);;Все файлы (*)");

// Qt's own file dialog, the same on every desktop, with its texts in Russian.
QString AskFile(QFileDialog::AcceptMode mode, const std::string& title, const QString& filter,
                const QString& suggested) {
    QFileDialog dialog(nullptr, QString::fromStdString(title), QDir::homePath(), filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!suggested.isEmpty()) {
        dialog.selectFile(suggested);
        dialog.setDefaultSuffix(QFileInfo(suggested).suffix());  // a name typed without one gets it
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}
}  // namespace

std::string QtDialogs::OpenFileName(const std::string& title) {
    return QFile::encodeName(AskFile(QFileDialog::AcceptOpen, title, TableFiles, {})).toStdString();
}

std::string QtDialogs::SaveFileName(const std::string& title, const std::string& suggested) {
    const QString name = QString::fromStdString(suggested);
    const QString filter =
        name.endsWith(QStringLiteral(".pdf")) ? QStringLiteral("PDF (*.pdf)") : TableFiles;
    return QFile::encodeName(AskFile(QFileDialog::AcceptSave, title, filter, name)).toStdString();
}

int QtDialogs::ChooseFromMenu(const std::vector<std::string>& items, int xPixels, int yPixels) {
    QMenu menu;
    menu.setObjectName(QStringLiteral("Menu"));
    std::vector<QAction*> actions;
    for (const std::string& item : items) {
        // "text<tab>shortcut": the shortcut stands right in the menu line.
        actions.push_back(menu.addAction(QString::fromStdString(item)));
    }
    QAction* chosen = menu.exec(QPoint(xPixels, yPixels));
    for (std::size_t k = 0; k < actions.size(); ++k)
        if (actions[k] == chosen) return static_cast<int>(k);
    return -1;
}

std::optional<ColumnPair> QtDialogs::ChooseColumns(const std::vector<std::string>& columns) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("ColumnDialog"));
    dialog.setWindowTitle(QStringLiteral("Столбцы X и Y"));
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(
        new QLabel(QStringLiteral("В таблице больше двух столбцов с числами.\n"
                                  "Какие из них X и Y?")));
    QComboBox* boxes[2] = {new QComboBox, new QComboBox};
    for (int k = 0; k < 2; ++k) {
        boxes[k]->setObjectName(k == 0 ? QStringLiteral("ColumnX") : QStringLiteral("ColumnY"));
        for (const std::string& column : columns) boxes[k]->addItem(QString::fromStdString(column));
        boxes[k]->setCurrentIndex(std::min<int>(k, static_cast<int>(columns.size()) - 1));
    }
    layout->addRow(QStringLiteral("X:"), boxes[0]);
    layout->addRow(QStringLiteral("Y:"), boxes[1]);
    auto* sigma = new QComboBox;
    sigma->setObjectName(QStringLiteral("ColumnSigma"));
    sigma->addItem(QStringLiteral("нет"));
    for (const std::string& column : columns) sigma->addItem(QString::fromStdString(column));
    layout->addRow(QStringLiteral("σ (погрешность Y):"), sigma);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ColumnPair{boxes[0]->currentIndex(), boxes[1]->currentIndex(),
                      sigma->currentIndex() - 1};
}
