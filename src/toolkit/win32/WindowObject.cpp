#include "toolkit/win32/WindowObject.h"

// The object lives in the window's user data, which every class, the system's too, leaves to the
// program; a system control's own procedure is kept and called for what the object leaves to it.

TWindowObject::~TWindowObject() {
    // A window that outlives its object must not reach it any more.
    if (handle_)
        Detach(handle_);
}

TWindowObject* TWindowObject::FromHandle(HWND window) {
    // Only a window whose procedure is the program's holds an object in its user data.
    if (!window || GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(ClassProc))
        return nullptr;
    return reinterpret_cast<TWindowObject*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void TWindowObject::Attach(HWND window) {
    handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWindowObject::Detach(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (classProc_)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
}

HWND TWindowObject::CreateObjectWindow(DWORD exStyle, const char* className, const char* text,
                                       DWORD style, int x, int y, int width, int height,
                                       HWND parent, HMENU menu) {
    // The class procedure attaches this object at WM_NCCREATE.
    return CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                           GetModuleHandleA(nullptr), this);
}

HWND TWindowObject::CreateSubclassedWindow(DWORD exStyle, const char* className, const char* text,
                                           DWORD style, int x, int y, int width, int height,
                                           HWND parent, HMENU menu) {
    HWND window = CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                                  menu, GetModuleHandleA(nullptr), nullptr);
    if (window) {
        Attach(window);
        classProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClassProcedure())));
    }
    return window;
}

LRESULT CALLBACK TWindowObject::ClassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (auto* object = static_cast<TWindowObject*>(create->lpCreateParams))
            object->Attach(window);
    }
    TWindowObject* object = FromHandle(window);
    if (!object)
        return DefWindowProcA(window, msg, wParam, lParam);
    return object->Dispatch(window, msg, wParam, lParam);
}

LRESULT TWindowObject::Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
        Detach(window);
        const WNDPROC classProc = classProc_;
        handle_ = nullptr;
        classProc_ = nullptr;
        return classProc ? CallWindowProcA(classProc, window, msg, wParam, lParam)
                         : DefWindowProcA(window, msg, wParam, lParam);
    }
    try {
        return HandleMessage(msg, wParam, lParam);
    } catch (...) {
        RouteWindowError(this);
        return 0;
    }
}

LRESULT TWindowObject::DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    return classProc_ ? CallWindowProcA(classProc_, handle_, msg, wParam, lParam)
                      : DefWindowProcA(handle_, msg, wParam, lParam);
}
