#include "toolkit/win32/Win32Timer.h"

#include <utility>

namespace {
constexpr UINT_PTR kTimerId = 1;
}

Win32Timer::Win32Timer(HINSTANCE instance, TErrorHandler onError)
    : window_(
          instance, Win32MessageWindow::Kind::MessageOnly,
          [this](TMessage& message) {
              if (message.Msg == WM_TIMER && onTimer_) {
                  onTimer_(this);
              }
          },
          std::move(onError)) {}

Win32Timer::~Win32Timer() {
    Stop();
}

void Win32Timer::SetEnabled(bool value) {
    if (value != enabled_) {
        enabled_ = value;
        Restart();
    }
}

void Win32Timer::SetInterval(int value) {
    if (value != interval_) {
        interval_ = value;
        Restart();
    }
}

void Win32Timer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    Restart();
}

void Win32Timer::Stop() {
    if (running_) {
        KillTimer(window_.Window(), kTimerId);
        running_ = false;
    }
}

void Win32Timer::Restart() {
    Stop();
    if (enabled_ && interval_ > 0 && onTimer_) {
        running_ = SetTimer(window_.Window(), kTimerId, static_cast<UINT>(interval_), nullptr) != 0;
    }
}
