#pragma once
// Polling with a deadline: the program answers input asynchronously, so every check of its
// state waits until the expected state appears or the time is up.
#include <windows.h>

#include <chrono>

namespace e2e {

inline constexpr std::chrono::milliseconds kShortWait{5000};
inline constexpr std::chrono::milliseconds kLongWait{30000};

// Dispatches the driver's own messages, so a window of the driver never blocks the program.
void PumpDriverMessages();

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = kShortWait) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpDriverMessages();
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        Sleep(20);
    }
}

}  // namespace e2e
