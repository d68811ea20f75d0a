#include "toolkit/win32/Handles.h"

#include <malloc.h>

namespace {

// The program runs its windows on one thread; the counts are only ever changed there.
std::array<int, static_cast<std::size_t>(HandleKind::Count)>& Counts() {
    static std::array<int, static_cast<std::size_t>(HandleKind::Count)> counts{};
    return counts;
}

}  // namespace

int LiveHandles(HandleKind kind) {
    return Counts()[static_cast<std::size_t>(kind)];
}

void CountHandle(HandleKind kind, int change) {
    Counts()[static_cast<std::size_t>(kind)] += change;
}

std::size_t HeapBytesInUse() {
    _HEAPINFO entry{};
    std::size_t inUse = 0;
    while (_heapwalk(&entry) == _HEAPOK) {
        if (entry._useflag == _USEDENTRY)
            inUse += entry._size;
    }
    return inUse;
}

UniqueTimer::UniqueTimer(HWND window, UINT_PTR id, UINT milliseconds) {
    if (SetTimer(window, id, milliseconds, nullptr) != 0) {
        window_ = window;
        id_ = id;
        CountHandle(HandleKind::Timer, +1);
    }
}

UniqueTimer& UniqueTimer::operator=(UniqueTimer&& other) noexcept {
    if (this != &other) {
        Reset();
        window_ = std::exchange(other.window_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void UniqueTimer::Reset() {
    if (window_) {
        KillTimer(window_, id_);
        CountHandle(HandleKind::Timer, -1);
        window_ = nullptr;
        id_ = 0;
    }
}
