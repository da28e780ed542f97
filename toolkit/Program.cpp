#include "Program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <map>

#include "Units.h"

namespace {
std::vector<QWidget*> windows;                         // in loading order
std::map<QWidget*, std::function<void()>> forgetters;  // each accessor's own reset
std::function<void()>& EndHandler() {
    static std::function<void()> handler = [] { QCoreApplication::exit(0); };
    return handler;
}
bool ended = false;
}  // namespace

QSize ScreenSizePixels() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1280, 1024);
}
double ScreenWidthTwips() { return PixelsToTwips(ScreenSizePixels().width()); }
double ScreenHeightTwips() { return PixelsToTwips(ScreenSizePixels().height()); }

const std::vector<QWidget*>& LoadedWindows() { return windows; }

void RegisterLoadedWindow(QWidget* window, std::function<void()> onUnload) {
    windows.push_back(window);
    forgetters[window] = std::move(onUnload);
}

void UnloadWindow(QWidget* window) {
    const auto it = std::find(windows.begin(), windows.end(), window);
    if (it == windows.end()) return;
    windows.erase(it);
    if (auto forget = forgetters.extract(window); forget && forget.mapped()) forget.mapped()();
    window->hide();
    window->deleteLater();
}

void CloseOtherWindows() {
    while (windows.size() > 1) UnloadWindow(windows.front());
}

void EndProgram() {
    ended = true;
    while (!windows.empty()) UnloadWindow(windows.front());
    EndHandler()();
}

void SetEndProgramHandler(std::function<void()> handler) { EndHandler() = std::move(handler); }
bool ProgramEnded() { return ended; }
void ResetProgramEnded() { ended = false; }
