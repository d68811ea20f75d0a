#include "toolkit/win32/WindowObject.h"

#include "toolkit/win32/SystemLibraries.h"

namespace {

constexpr const char* kObjectProperty = "QuorlinObject";
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

TWindowObject::~TWindowObject() {
    // A window that outlives its object must not reach it any more.
    if (handle_) {
        RemovePropA(handle_, kObjectProperty);
        if (subclassed_)
            CommonControls().RemoveWindowSubclass(handle_, SubclassProc, kSubclassId);
    }
}

TWindowObject* TWindowObject::FromHandle(HWND window) {
    return window ? static_cast<TWindowObject*>(GetPropA(window, kObjectProperty)) : nullptr;
}

void TWindowObject::Attach(HWND window) {
    handle_ = window;
    SetPropA(window, kObjectProperty, this);
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
        CommonControls().SetWindowSubclass(window, SubclassProc, kSubclassId,
                                           reinterpret_cast<DWORD_PTR>(this));
        subclassed_ = true;
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

LRESULT CALLBACK TWindowObject::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR refData) {
    return reinterpret_cast<TWindowObject*>(refData)->Dispatch(window, msg, wParam, lParam);
}

LRESULT TWindowObject::Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
        RemovePropA(window, kObjectProperty);
        const bool subclassed = subclassed_;
        if (subclassed)
            CommonControls().RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        handle_ = nullptr;
        subclassed_ = false;
        return subclassed ? CommonControls().DefSubclassProc(window, msg, wParam, lParam)
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
    return subclassed_ ? CommonControls().DefSubclassProc(handle_, msg, wParam, lParam)
                       : DefWindowProcA(handle_, msg, wParam, lParam);
}
