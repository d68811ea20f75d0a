#include "toolkit/win32/Win32Icon.h"

#include "toolkit/win32/HandleValue.h"

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
