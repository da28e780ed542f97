// The program: start-up opens the title window; everything else follows from its
// buttons.
#include <QApplication>
#include <QLocale>

#include "NumberFormat.h"
#include "QtDialogs.h"
#include "StandardTexts.h"
#include "TitleWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("approximation"));
    // Result texts follow the user's regional decimal separator; typed numbers and
    // tick labels never do.
    SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    UseRussianStandardTexts();
    QtDialogs dialogs;
    UseDialogs(&dialogs);
    Form1().show();
    return app.exec();
}
