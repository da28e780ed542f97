#include "DialogDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

DialogDriver::DialogDriver() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::Poll);
    timer_.start();
}

DialogDriver::~DialogDriver() = default;

DialogDriver& DialogDriver::Type(const std::string& text) {
    pending_.push_back({Step::TypeText, text, {}});
    return *this;
}
DialogDriver& DialogDriver::Cancel() {
    pending_.push_back({Step::CancelBox, {}, {}});
    return *this;
}
DialogDriver& DialogDriver::Answer(bool yes) {
    pending_.push_back({yes ? Step::Yes : Step::No, {}, {}});
    return *this;
}
DialogDriver& DialogDriver::Inspect(std::function<void()> check) {
    pending_.push_back({Step::Check, {}, std::move(check)});
    return *this;
}

DialogDriver& DialogDriver::Paste() {
    pending_.push_back({Step::PasteText, {}, {}});
    return *this;
}
DialogDriver& DialogDriver::ChooseFile(const std::string& path) {
    pending_.push_back({Step::File, path, {}});
    return *this;
}
DialogDriver& DialogDriver::ChooseItem(int index) {
    pending_.push_back({Step::Item, {}, {}, index});
    return *this;
}

DialogDriver& DialogDriver::ChooseColumns(int x, int y, int sigma) {
    pending_.push_back({Step::Columns, {}, {}, x, y, sigma});
    return *this;
}

DialogDriver& DialogDriver::Ok() {
    pending_.push_back({Step::Okay, {}, {}});
    return *this;
}

void DialogDriver::Poll() {
    if (pending_.empty()) return;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        menu && menu->isVisible()) {
        if (menu->property("driverSeen").toBool()) return;
        menu->setProperty("driverSeen", true);
        const Step step = pending_.front();
        pending_.pop_front();
        std::string items;
        for (QAction* action : menu->actions()) items += action->text().toStdString() + "\n";
        seen_.push_back({"menu", {}, items, menu->x(), menu->y()});
        const auto actions = menu->actions();
        if (step.kind == Step::Item && step.item >= 0 && step.item < actions.size()) {
            menu->setActiveAction(actions[step.item]);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            QTest::keyClick(menu, Qt::Key_Escape);
        }
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    // Let the box finish showing before it is answered.
    if (modal->property("driverSeen").toBool()) return;
    modal->setProperty("driverSeen", true);
    while (!pending_.empty() && pending_.front().kind == Step::Check) {
        auto check = pending_.front().check;
        pending_.pop_front();
        check();
    }
    if (pending_.empty()) return;
    const Step step = pending_.front();
    pending_.pop_front();
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        seen_.push_back({"file", files->windowTitle().toStdString(), {}, files->x(), files->y()});
        auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (step.kind == Step::File && edit) {
            edit->setFocus();
            edit->setText(QString::fromStdString(step.text));
            QTest::keyClick(edit, Qt::Key_Return);
        } else {
            QMetaObject::invokeMethod(files, "reject", Qt::QueuedConnection);
        }
        return;
    }
    if (modal->objectName() == QStringLiteral("ColumnDialog")) {
        std::string columns;
        auto* x = modal->findChild<QComboBox*>(QStringLiteral("ColumnX"));
        auto* y = modal->findChild<QComboBox*>(QStringLiteral("ColumnY"));
        auto* sigma = modal->findChild<QComboBox*>(QStringLiteral("ColumnSigma"));
        for (int i = 0; x && i < x->count(); ++i) columns += x->itemText(i).toStdString() + "\n";
        seen_.push_back(
            {"columns", modal->windowTitle().toStdString(), columns, modal->x(), modal->y()});
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (step.kind == Step::Columns && x && y && sigma && dialog) {
            x->setCurrentIndex(step.item);
            y->setCurrentIndex(step.second);
            sigma->setCurrentIndex(step.third + 1);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        } else if (dialog) {
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        }
        return;
    }
    if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        seen_.push_back({"input", input->windowTitle().toStdString(),
                         input->labelText().toStdString(), input->x(), input->y()});
        auto* edit = input->findChild<QLineEdit*>();
        if (step.kind == Step::TypeText && edit) {
            edit->setFocus();
            QTest::keyClicks(edit, QString::fromStdString(step.text));
            QTest::keyClick(edit, Qt::Key_Return);
        } else if (step.kind == Step::PasteText && edit) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QMetaObject::invokeMethod(input, "reject", Qt::QueuedConnection);
        }
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen_.push_back({"message", box->windowTitle().toStdString(), box->text().toStdString(),
                         box->x(), box->y()});
        QAbstractButton* button = box->button(step.kind == Step::Yes  ? QMessageBox::Yes
                                              : step.kind == Step::No ? QMessageBox::No
                                                                      : QMessageBox::Ok);
        if (button) QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
}

void DoubleClick(QWidget* widget, QPoint at) {
    // Through the window, so that each click reaches what is under the pointer when
    // it comes, as the window system delivers them.
    QWidget* window = widget->window();
    const QPoint where = widget->mapTo(window, at.isNull() ? widget->rect().center() : at);
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, where);
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(1);
    }
    return true;
}
