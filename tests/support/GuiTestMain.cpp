// The one main of the window tests: Qt's offscreen platform on a 1280x1024 screen at
// 96 dpi unless the environment names another platform, then GoogleTest.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdlib>

#include "QtDialogs.h"
#include "StandardTexts.h"

int main(int argc, char** argv) {
    QString config;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        config = QDir::temp().filePath(QStringLiteral("approximation-test-screen-%1.json")
                                           .arg(QCoreApplication::applicationPid()));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(
                R"({"screens": [{"name": "s1", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                R"( "logicalDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    }
    QApplication app(argc, argv);
    // The real dialogue boxes, answered by the tests through Qt's test events.
    UseRussianStandardTexts();
    QtDialogs dialogs;
    UseDialogs(&dialogs);
    testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    if (!config.isEmpty()) QFile::remove(config);
    return result;
}
