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

Win32MessageWindow::Win32MessageWindow(HINSTANCE instance, Kind kind, TMessageHandler handler,
                                       TErrorHandler onError)
    : handler_(std::move(handler)), onError_(std::move(onError)) {
    RegisterWindowClass(instance, &Win32MessageWindow::WindowProc);
    const bool topLevel = kind == Kind::TopLevel;
    window_ =
        CreateWindowExA(topLevel ? WS_EX_TOOLWINDOW : 0, kClassName, "", topLevel ? WS_POPUP : 0, 0,
                        0, 0, 0, topLevel ? nullptr : HWND_MESSAGE, nullptr, instance, this);
    if (window_ == nullptr) {
        throw EOutOfResources("Cannot create a hidden window");
    }
    forwarding_ = true;
}

Win32MessageWindow::~Win32MessageWindow() {
    forwarding_ = false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

THandleValue Win32MessageWindow::Handle() const {
    return ToHandleValue(window_);
}

LRESULT CALLBACK Win32MessageWindow::WindowProc(HWND window, UINT msg, WPARAM wParam,
                                                LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || !self->forwarding_) {
        return DefWindowProcA(window, msg, wParam, lParam);
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        self->handler_(message);
    } catch (...) {
        if (self->onError_) {
            self->onError_(std::current_exception());
        }
    }
    return message.Result;
}
