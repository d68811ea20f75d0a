#pragma once
// Everything the notification-area icon needs of the desktop and of the application, as one
// narrow interface: the win32 layer provides the real one, tests a recording fake.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/Handle.h"
#include "base/Message.h"
#include "toolkit/Icon.h"
#include "toolkit/MessageWindow.h"
#include "toolkit/Timer.h"
#include "toolkit/WindowHook.h"
#include "trayicon/NotifyIconData.h"

struct TPoint {
    int X = 0;
    int Y = 0;
};

// The application object as the icon sees it.
class TrayApplication {
  public:
    virtual ~TrayApplication() = default;
    // The program's main icon.
    virtual const TIcon& Icon() const = 0;
    // The application's own hidden top-level window, which carries its task-bar entry.
    virtual THandleValue Handle() const = 0;
    // Minimises the application and all its windows; nothing when already minimised.
    virtual void Minimize() = 0;
    // Restores it; nothing when it is not minimised.
    virtual void Restore() = 0;
    // The main-window hook list: add at the end; remove the first equal entry.
    virtual void HookMainWindow(const TWindowHook& hook) = 0;
    virtual void UnhookMainWindow(const TWindowHook& hook) = 0;
    // The window of the screen's active form; zero when there is none.
    virtual THandleValue ActiveFormHandle() const = 0;
};

inline constexpr int kSwHide = 0;
inline constexpr int kSwRestore = 9;

inline constexpr std::int32_t kVkShiftKey = 0x10;
inline constexpr std::int32_t kVkControlKey = 0x11;
inline constexpr std::int32_t kVkMenuKey = 0x12;

// The program's string resources of the icon's two messages.
inline constexpr int kSCannotCreateIcon = 0;
inline constexpr int kSCannotRemoveIcon = 5;
// The texts of those resources, for builds without resources.
std::string DefaultTrayIconText(int id);

class TrayServices {
  public:
    virtual ~TrayServices() = default;

    virtual TrayApplication& Application() = 0;

    // Shell_NotifyIconA: true when the shell did what was asked.
    virtual bool ShellNotifyIcon(TNotifyIconOperation operation, const TNotifyIconData& data) = 0;
    // A hidden top-level tool window of zero size (so it also hears the session-end messages)
    // whose every message goes to handler with Result starting at 0; the window procedure
    // returns that Result.
    virtual std::unique_ptr<TMessageWindow> CreateMessageWindow(TMessageHandler handler) = 0;
    // Negative (sign bit set) while the key is down.
    virtual std::int16_t GetKeyState(std::int32_t virtualKey) = 0;
    // The pointer in screen coordinates.
    virtual TPoint GetCursorPos() = 0;
    virtual void ShowWindow(THandleValue window, int command) = 0;
    virtual void SetForegroundWindow(THandleValue window) = 0;

    // A new empty icon and a new disabled timer, owned by the caller.
    virtual std::unique_ptr<TIcon> CreateIcon() = 0;
    virtual std::unique_ptr<TTimer> CreateTimer() = 0;

    // The program's string resource id.
    virtual std::string ResourceString(int id) { return DefaultTrayIconText(id); }
};
