#pragma once
// The notification area as the program sees it, and the shell's side of the conversation with
// the program's icon.
//
// Without a tray on the X display, Wine shows the notification icons in a standalone tray
// window ("Wine System Tray") with one child window per icon; the tray is hidden while it holds
// no icon. Each scenario runs in a fresh prefix, so every icon there is the program's.
#include <windows.h>

#include <vector>

namespace e2e {

// The visible icon windows of the notification area.
std::vector<HWND> NotificationIcons();

// The program's hidden window, which receives the shell's notifications for its icon; null if
// the process has none.
HWND HiddenWindowOf(DWORD pid);

// The program's main icon, loaded from the program file named by QC_E2E_EXE at the size the
// system loads icons by default; owned by the object.
class ProgramIcon {
  public:
    ProgramIcon();
    ~ProgramIcon();
    ProgramIcon(const ProgramIcon&) = delete;
    ProgramIcon& operator=(const ProgramIcon&) = delete;
    HICON get() const { return icon_; }

  private:
    HMODULE module_ = nullptr;
    HICON icon_ = nullptr;
};

// Whether the icon window shows `icon`, drawn as a small icon in its middle.
bool IconWindowShows(HWND iconWindow, HICON icon);

// The shell's notification for a mouse event over the icon: WM_USER + 1 with the mouse message
// in LParam, posted to the hidden window as the shell does.
void PostMouseNotification(HWND hidden, UINT mouseMessage);
// A double click as the shell reports it: press, release, double click, release.
void PostDoubleClick(HWND hidden, UINT buttonDown, UINT buttonUp, UINT doubleClick);

}  // namespace e2e
