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
    SetForegroundWindow(window_);
    return WaitUntil([&] { return GetForegroundWindow() == window_; });
}

}  // namespace e2e
