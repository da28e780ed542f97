#pragma once
// Program-wide operations of the window toolkit: the screen, the loaded windows in
// loading order, unloading, and ending the program.

#include <QSize>
#include <functional>
#include <vector>

class QWidget;

// The screen's size in pixels, and in twips.
QSize ScreenSizePixels();
double ScreenWidthTwips();
double ScreenHeightTwips();

// Loaded windows, earliest first.
const std::vector<QWidget*>& LoadedWindows();
// Records a freshly created window as loaded; onUnload lets its accessor forget it.
void RegisterLoadedWindow(QWidget* window, std::function<void()> onUnload);
// Hides and destroys a loaded window (later, so that its own handler may do it).
void UnloadWindow(QWidget* window);
// Unloads every loaded window but the most recently loaded one, earliest first.
void CloseOtherWindows();

// Ends the program at once: every window is unloaded and the event loop left. The
// caller returns right after it. Tests replace the final step to observe it.
void EndProgram();
void SetEndProgramHandler(std::function<void()> handler);
bool ProgramEnded();
void ResetProgramEnded();

// One accessor per window: referring to the window loads it (runs its load set-up)
// when it is not loaded.
template <class Window>
class WindowAccessor {
public:
    Window& Get() {
        if (!window_) {
            window_ = new Window;
            RegisterLoadedWindow(window_, [this] { window_ = nullptr; });
            window_->LoadSetUp();
        }
        return *window_;
    }
    bool Loaded() const { return window_ != nullptr; }
    Window* IfLoaded() const { return window_; }

private:
    Window* window_ = nullptr;
};
