#pragma once
// A hidden window whose every message goes to one handler. Once it exists none of its messages
// gets the desktop's default processing: the handler's Result is the answer. An error escaping
// the handler never crosses the window procedure; it goes to the error handler instead.

#include <windows.h>

#include <exception>
#include <functional>

#include "toolkit/MessageWindow.h"

using TErrorHandler = std::function<void(std::exception_ptr)>;

class Win32MessageWindow : public TMessageWindow {
  public:
    enum class Kind {
        TopLevel,     // a zero-size tool window: hears the session-end broadcasts too
        MessageOnly,  // only messages sent or posted to it (timers)
    };

    // Raises EOutOfResources when the window cannot be made.
    Win32MessageWindow(HINSTANCE instance, Kind kind, TMessageHandler handler,
                       TErrorHandler onError);
    ~Win32MessageWindow() override;
    Win32MessageWindow(const Win32MessageWindow&) = delete;
    Win32MessageWindow& operator=(const Win32MessageWindow&) = delete;

    THandleValue Handle() const override;
    HWND Window() const noexcept { return window_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    TMessageHandler handler_;
    TErrorHandler onError_;
    HWND window_ = nullptr;  // owned
    // False while the window is being made or destroyed: those messages get default handling.
    bool forwarding_ = false;
};
