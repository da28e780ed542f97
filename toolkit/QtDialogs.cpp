#include "QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
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

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title, double xTwips,
                                double yTwips) {
    QInputDialog dialog;
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(CaptionText(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(QString());
    // Every input box of the program asks for a number.
    if (auto* edit = dialog.findChild<QLineEdit*>()) MarkNumberBox(edit);
    dialog.move(TwipsToPixels(xTwips), TwipsToPixels(yTwips));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.textValue().toStdString();
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
