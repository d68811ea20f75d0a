#include "toolkit/win32/Win32MessageWindow.h"

#include <utility>

#include "base/Exception.h"
#include "toolkit/win32/HandleValue.h"

namespace {

constexpr const char* kClassName = "QuorlinHiddenWindow";

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    // A second registration fails harmlessly: the class is the same.
    RegisterClassExA(&windowClass);
}

}  // namespace

Win32MessageWindow::Win32MessageWindow(HINSTANCE instance, Kind kind, TMessageHandler handler)
    : handler_(std::move(handler)) {
    RegisterWindowClass(instance, ClassProcedure());
    const bool topLevel = kind == Kind::TopLevel;
    window_.Reset(CreateObjectWindow(topLevel ? WS_EX_TOOLWINDOW : 0, kClassName, "",
                                     topLevel ? WS_POPUP : 0, 0, 0, 0, 0,
                                     topLevel ? nullptr : HWND_MESSAGE, nullptr));
    if (!window_) {
        throw EOutOfResources("Cannot create a hidden window");
    }
    forwarding_ = true;
}

Win32MessageWindow::~Win32MessageWindow() {
    forwarding_ = false;
    window_.Reset();
}

THandleValue Win32MessageWindow::Handle() const {
    return ToHandleValue(window_.Get());
}

LRESULT Win32MessageWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!forwarding_) {
        return DefaultHandling(msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    handler_(message);
    return message.Result;
}
