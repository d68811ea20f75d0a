#include "app/win32/ErrorDisplay.h"

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "app/ErrorText.h"
#include "base/Exception.h"
#include "toolkit/win32/Application.h"

namespace {

// While the box is open, the application's other top-level windows take no input; afterwards
// they are enabled again and the active window and the focus are put back.
class ModalScope {
  public:
    ModalScope() : active_(GetActiveWindow()), focus_(GetFocus()) {
        EnumThreadWindows(GetCurrentThreadId(), &ModalScope::Disable,
                          reinterpret_cast<LPARAM>(this));
    }
    ~ModalScope() {
        for (HWND h : disabled_) {
            if (IsWindow(h))
                EnableWindow(h, TRUE);
        }
        if (active_ && IsWindow(active_))
            SetActiveWindow(active_);
        if (focus_ && IsWindow(focus_))
            SetFocus(focus_);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    static BOOL CALLBACK Disable(HWND h, LPARAM self) {
        if (IsWindowVisible(h) && IsWindowEnabled(h) && h != Application().Handle()) {
            reinterpret_cast<ModalScope*>(self)->disabled_.push_back(h);
            EnableWindow(h, FALSE);
        }
        return TRUE;
    }
    HWND active_;                 // not owned
    HWND focus_;                  // not owned
    std::vector<HWND> disabled_;  // not owned
};

// When the active window lies on another monitor, the application's window moves there while
// the box is open, so the box appears where the user is looking.
class MonitorScope {
  public:
    MonitorScope(HWND appWindow, HWND active) : appWindow_(appWindow) {
        if (!active)
            return;
        HMONITOR target = MonitorFromWindow(active, MONITOR_DEFAULTTONEAREST);
        if (target == MonitorFromWindow(appWindow, MONITOR_DEFAULTTONEAREST))
            return;
        MONITORINFO info{sizeof info, {}, {}, 0};
        if (!GetMonitorInfoA(target, &info))
            return;
        GetWindowRect(appWindow, &original_);
        moved_ = true;
        SetWindowPos(appWindow, nullptr, (info.rcWork.left + info.rcWork.right) / 2,
                     (info.rcWork.top + info.rcWork.bottom) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ~MonitorScope() {
        if (moved_) {
            SetWindowPos(appWindow_, nullptr, original_.left, original_.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    MonitorScope(const MonitorScope&) = delete;
    MonitorScope& operator=(const MonitorScope&) = delete;

  private:
    HWND appWindow_;  // not owned
    RECT original_{};
    bool moved_ = false;
};

std::string ModuleFileName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path);
    const size_t slash = full.find_last_of("\\/");
    return slash == std::string::npos ? full : full.substr(slash + 1);
}

void ShowGenericError(const std::string& className) {
    const std::string text = GenericErrorText(className, ModuleFileName(), 0, "");
    MessageBoxA(nullptr, text.c_str(), "Application Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

void ShowError(const Exception& error) {
    const std::string text = WithFullStop(error.Message());
    TApplication& app = Application();
    const std::string title = app.Title();
    ModalScope modal;
    MonitorScope monitor(app.Handle(), GetActiveWindow());
    MessageBoxA(app.Handle(), text.c_str(), title.c_str(), MB_OK | MB_ICONSTOP);
    app.IgnoreReleasesOfKeysDown();
}

void HandleError(void*, std::exception_ptr error) {
    if (HWND capture = GetCapture())
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
        // A silent abort: nothing to show.
    } catch (const Exception& e) {
        ShowError(e);
    } catch (const std::exception& e) {
        ShowGenericError(ReadableClassName(typeid(e).name()));
    } catch (...) {
        ShowGenericError("unknown");
    }
}
