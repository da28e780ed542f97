// The program: start-up opens the title window; everything else follows from its
// buttons. Options for scripts (--compare, --fit) print their results and end
// before any window or display is needed.
#include <QApplication>
#include <QLocale>
#include <QTimer>

#include "CommandLine.h"
#include "NumberFormat.h"
#include "PointSources.h"
#include "ProgramIcon.h"
#include "QtDialogs.h"
#include "StandardTexts.h"
#include "TitleWindow.h"

namespace {
// "," and "." as the user's region uses them in numbers, for tables read in.
RegionalMarks RegionalMarksOf(const QLocale& locale) {
    const auto mark = [](const QString& text) {
        return text == QStringLiteral(",") || text == QStringLiteral(".") ? text.at(0).toLatin1()
                                                                          : '\0';
    };
    return {mark(locale.decimalPoint()), mark(locale.groupSeparator())};
}
}  // namespace

int main(int argc, char* argv[]) {
    UseRegionalMarks(RegionalMarksOf(QLocale::system()));
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
    // "approximation FILE", as a file manager's "Open with" starts it; the name kept as
    // its bytes, which need not be UTF-8.
    if (argc > 1) {
        const std::string path = argv[1];
        QTimer::singleShot(0, [path] { Form1().OpenPointFile(path); });
    }
    return app.exec();
}
