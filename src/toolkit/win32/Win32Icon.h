#pragma once
// An icon that owns its picture's handle.

#include <windows.h>

#include "toolkit/Icon.h"
#include "toolkit/win32/Handles.h"

class Win32Icon : public TIcon {
  public:
    Win32Icon() = default;
    // Takes ownership of icon (may be none).
    explicit Win32Icon(HICON icon) : icon_(icon) {}

    void Assign(const TIcon& source) override;
    void Clear() override;
    THandleValue Handle() const override;

  private:
    UniqueIcon icon_;
};
