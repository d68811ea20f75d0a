#include "win32/Tray.h"

#include <cstdlib>

#include "win32/Screen.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {

namespace {

constexpr const char* kStandaloneTrayClass = "__winex11_standalone_tray";
// The program's hidden window class, as the program registers it.
constexpr const char* kHiddenWindowClass = "QuorlinHiddenWindow";
constexpr UINT kShellNotification = WM_USER + 1;

}  // namespace

std::vector<HWND> NotificationIcons() {
    std::vector<HWND> icons;
    const HWND tray = FindWindowA(kStandaloneTrayClass, nullptr);
    if (tray == nullptr || !IsWindowVisible(tray)) {
        return icons;
    }
    for (HWND child = GetWindow(tray, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            icons.push_back(child);
        }
    }
    return icons;
}

HWND HiddenWindowOf(DWORD pid) {
    const auto windows = TopLevelWindowsOf(pid, kHiddenWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

ProgramIcon::ProgramIcon() {
    const char* exe = std::getenv("QC_E2E_EXE");
    if (exe == nullptr) {
        return;
    }
    module_ = LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module_ != nullptr) {
        icon_ =
            static_cast<HICON>(LoadImageA(module_, "MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    }
}

ProgramIcon::~ProgramIcon() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
    if (module_ != nullptr) {
        FreeLibrary(module_);
    }
}

bool IconWindowShows(HWND iconWindow, HICON icon) {
    const RECT window = ScreenRectOf(iconWindow);
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    RECT area{};
    area.left = window.left + (Width(window) - cx) / 2;
    area.top = window.top + (Height(window) - cy) / 2;
    area.right = area.left + cx;
    area.bottom = area.top + cy;
    return WaitUntil([&] { return ScreenShowsIconOnAnyBackground(area, icon); });
}

void PostMouseNotification(HWND hidden, UINT mouseMessage) {
    PostMessageA(hidden, kShellNotification, 0, static_cast<LPARAM>(mouseMessage));
}

void PostDoubleClick(HWND hidden, UINT buttonDown, UINT buttonUp, UINT doubleClick) {
    PostMouseNotification(hidden, buttonDown);
    PostMouseNotification(hidden, buttonUp);
    PostMouseNotification(hidden, doubleClick);
    PostMouseNotification(hidden, buttonUp);
}

}  // namespace e2e
