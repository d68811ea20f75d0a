#pragma once
// A timer on a message-only window: its ticks arrive through the message loop, between other
// messages, on the loop's thread.

#include <windows.h>

#include <memory>

#include "toolkit/Timer.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/Win32MessageWindow.h"

class Win32Timer : public TTimer {
  public:
    // Starts disabled with an interval of 1000 ms.
    explicit Win32Timer(HINSTANCE instance);

    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool value) override;
    int Interval() const override { return interval_; }
    void SetInterval(int value) override;
    void SetOnTimer(TNotifyEvent handler) override;

  private:
    // Runs the desktop's timer exactly while enabled, with a positive interval and a handler.
    void Restart();

    HINSTANCE instance_;  // not owned
    // Made when the timer first runs: a timer that never runs (the icon's animation, idle in the
    // program) costs no window.
    std::unique_ptr<Win32MessageWindow> window_;
    TNotifyEvent onTimer_;
    bool enabled_ = false;
    int interval_ = 1000;
    UniqueTimer running_;  // declared after the window, so it stops before the window goes
};
