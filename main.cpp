// The program: start-up opens the title window; everything else follows from its
// buttons. Options for scripts (--compare, --fit) print their results and end
// before any window or display is needed.
#include <QApplication>
#include <QLocale>
#include <QTimer>

#include "CommandLine.h"
#include "NumberFormat.h"
#include "ProgramIcon.h"
#include "QtDialogs.h"
#include "StandardTexts.h"
#include "TitleWindow.h"

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = RunCommandLine(argc, argv)) return *status;
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("approximation"));
    app.setWindowIcon(ProgramIcon());
    // Result texts follow the user's regional decimal separator; typed numbers and
    // tick labels never do.
    SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    UseRussianStandardTexts();
    QtDialogs dialogs;
    UseDialogs(&dialogs);
    Form1().show();
    // "approximation FILE", as a file manager's "Open with" starts it.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) {
        const std::string path = arguments.at(1).toStdString();
        QTimer::singleShot(0, [path] { Form1().OpenPointFile(path); });
    }
    return app.exec();
}
