#include "toolkit/win32/Win32Timer.h"

#include <utility>

namespace {
constexpr UINT_PTR kTimerId = 1;
}

Win32Timer::Win32Timer(HINSTANCE instance) : instance_(instance) {}

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

void Win32Timer::Restart() {
    running_.Reset();
    if (enabled_ && interval_ > 0 && onTimer_) {
        if (!window_) {
            window_ = std::make_unique<Win32MessageWindow>(
                instance_, Win32MessageWindow::Kind::MessageOnly, [this](TMessage& message) {
                    if (message.Msg == WM_TIMER && onTimer_) {
                        onTimer_(this);
                    }
                });
        }
        running_ = UniqueTimer(window_->Window(), kTimerId, static_cast<UINT>(interval_));
    }
}
