#pragma once
// A timer on a message-only window: its ticks arrive through the message loop, between other
// messages, on the loop's thread.

#include <windows.h>

#include "toolkit/Timer.h"
#include "toolkit/win32/Win32MessageWindow.h"

class Win32Timer : public TTimer {
  public:
    // Starts disabled with an interval of 1000 ms.
    Win32Timer(HINSTANCE instance, TErrorHandler onError);
    ~Win32Timer() override;
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;

    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool value) override;
    int Interval() const override { return interval_; }
    void SetInterval(int value) override;
    void SetOnTimer(TNotifyEvent handler) override;

  private:
    // Runs the desktop's timer exactly while enabled, with a positive interval and a handler.
    void Restart();
    void Stop();

    Win32MessageWindow window_;
    TNotifyEvent onTimer_;
    bool enabled_ = false;
    int interval_ = 1000;
    bool running_ = false;
};
