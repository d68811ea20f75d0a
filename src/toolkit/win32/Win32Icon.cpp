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
    icon_.Reset(copy);
}

void Win32Icon::Clear() {
    icon_.Reset();
}

THandleValue Win32Icon::Handle() const {
    return ToHandleValue(icon_.Get());
}
