#include "trayicon/win32/Win32Icon.h"

#include "trayicon/win32/HandleValue.h"

Win32Icon Win32Icon::LoadMainIcon(HINSTANCE instance) {
    // LoadIcon gives a shared handle that must not be destroyed: keep a copy of our own.
    HICON shared = LoadIconA(instance, "MAINICON");
    return Win32Icon(shared != nullptr ? CopyIcon(shared) : nullptr);
}

void Win32Icon::Assign(const TIcon& source) {
    if (&source == this) {
        return;
    }
    HICON copy = nullptr;
    if (source.Handle() != 0) {
        copy = CopyIcon(FromHandleValue<HICON>(source.Handle()));
    }
    Clear();
    icon_ = copy;
}

void Win32Icon::Clear() {
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
        icon_ = nullptr;
    }
}

THandleValue Win32Icon::Handle() const {
    return ToHandleValue(icon_);
}
