#include "Program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "Units.h"

namespace {
struct LoadedEntry {
    QWidget* window;
    std::function<void()> onUnload;
};
std::vector<LoadedEntry>& Entries() {
    static std::vector<LoadedEntry> entries;
    return entries;
}
std::vector<QWidget*>& Windows() {
    static std::vector<QWidget*> windows;
    return windows;
}
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

const std::vector<QWidget*>& LoadedWindows() { return Windows(); }

void RegisterLoadedWindow(QWidget* window, std::function<void()> onUnload) {
    Entries().push_back({window, std::move(onUnload)});
    Windows().push_back(window);
}

void UnloadWindow(QWidget* window) {
    auto& entries = Entries();
    auto it = std::find_if(entries.begin(), entries.end(), [&](const LoadedEntry& e) { return e.window == window; });
    if (it == entries.end()) return;
    auto onUnload = std::move(it->onUnload);
    entries.erase(it);
    auto& windows = Windows();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
    if (onUnload) onUnload();
    window->hide();
    window->deleteLater();
}

void CloseOtherWindows() {
    while (Windows().size() > 1) UnloadWindow(Windows().front());
}

void EndProgram() {
    ended = true;
    while (!Windows().empty()) UnloadWindow(Windows().front());
    EndHandler()();
}

void SetEndProgramHandler(std::function<void()> handler) { EndHandler() = std::move(handler); }
bool ProgramEnded() { return ended; }
void ResetProgramEnded() { ended = false; }
