#pragma once
// A hidden window whose every message goes to one handler. Once it exists none of its messages
// gets the desktop's default processing: the handler's Result is the answer. An error escaping
// the handler goes to the application's error routine, like every window's.

#include <windows.h>

#include "toolkit/MessageWindow.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/WindowObject.h"

class Win32MessageWindow : public TMessageWindow, private TWindowObject {
  public:
    enum class Kind {
        TopLevel,     // a zero-size tool window: hears the session-end broadcasts too
        MessageOnly,  // only messages sent or posted to it (timers)
    };

    // Raises EOutOfResources when the window cannot be made.
    Win32MessageWindow(HINSTANCE instance, Kind kind, TMessageHandler handler);
    ~Win32MessageWindow() override;

    THandleValue Handle() const override;
    HWND Window() const noexcept { return window_.Get(); }

  private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    TMessageHandler handler_;
    UniqueWindow window_;
    // False while the window is being made or destroyed: those messages get default handling.
    bool forwarding_ = false;
};
