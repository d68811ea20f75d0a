#pragma once
// The notification-area icon's services on the real desktop. The application side (its
// window, icon, minimise, restore, hooks, active form) comes from the application object,
// which implements TrayApplication.

#include <windows.h>

#include "toolkit/win32/Win32MessageWindow.h"
#include "trayicon/DeferredShell.h"
#include "trayicon/TrayServices.h"

class Win32TrayServices : public TrayServices {
  public:
    // application (not owned) outlives these services. An error that escapes a component's
    // handling of a hidden-window message or a timer tick goes to the application's error
    // routine, like every window's.
    Win32TrayServices(TrayApplication& application, HINSTANCE instance);

    TrayApplication& Application() override { return application_; }
    bool ShellNotifyIcon(TNotifyIconOperation operation, const TNotifyIconData& data) override;
    std::unique_ptr<TMessageWindow> CreateMessageWindow(TMessageHandler handler) override;
    std::int16_t GetKeyState(std::int32_t virtualKey) override;
    TPoint GetCursorPos() override;
    void ShowWindow(THandleValue window, int command) override;
    void SetForegroundWindow(THandleValue window) override;
    std::unique_ptr<TIcon> CreateIcon() override;
    std::unique_ptr<TTimer> CreateTimer() override;
    std::string ResourceString(int id) override;

    // The shell is asked nothing until the window is up: the icon's add waits for this, and is
    // then made once, with the icon as it stands. False when the shell refuses it.
    bool ReleaseShell() { return shell_.Release(); }

  private:
    TrayApplication& application_;
    HINSTANCE instance_;  // not owned
    TDeferredShell shell_;
};
