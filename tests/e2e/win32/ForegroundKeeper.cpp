#include "win32/ForegroundKeeper.h"

#include "win32/Wait.h"

namespace e2e {

ForegroundKeeper::ForegroundKeeper() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QcE2eForegroundKeeper";
    RegisterClassA(&windowClass);  // fails harmlessly for a second keeper: same class
    window_ = CreateWindowExA(0, windowClass.lpszClassName, "e2e foreground keeper",
                              WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 600, 200, 100, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    TakeForeground();
}

ForegroundKeeper::~ForegroundKeeper() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool ForegroundKeeper::TakeForeground() const {
    // Asked again while it does not hold: a program restored a moment before may still bring
    // itself forward.
    return WaitUntil([&] {
        if (GetForegroundWindow() != window_)
            SetForegroundWindow(window_);
        return GetForegroundWindow() == window_;
    });
}

}  // namespace e2e
