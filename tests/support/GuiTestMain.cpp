// The one main of the window tests: Qt's offscreen platform on a 1280x1024 screen at
// 96 dpi unless the environment names another platform, then GoogleTest. Whatever Qt
// keeps between runs (the file dialog's last folder) goes to a scratch folder of the
// test's own, not to the user's settings, and so does the runtime folder Qt would
// otherwise create in /tmp where the session names none; the folder goes at the end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtDialogs.h"
#include "StandardTexts.h"

int main(int argc, char** argv) {
    QTemporaryDir scratch(QDir::temp().filePath(QStringLiteral("approximation-test-XXXXXX")));
    qputenv("XDG_CONFIG_HOME", QDir(scratch.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CACHE_HOME", QDir(scratch.path()).filePath(QStringLiteral("cache")).toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", scratch.path().toUtf8());  // private (0700) like a real one
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString config = QDir(scratch.path()).filePath(QStringLiteral("screen.json"));
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
    return RUN_ALL_TESTS();
}
