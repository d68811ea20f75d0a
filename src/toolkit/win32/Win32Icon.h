#pragma once
// An icon that owns its picture's handle.

#include <windows.h>

#include "toolkit/Icon.h"

class Win32Icon : public TIcon {
  public:
    Win32Icon() = default;
    // Takes ownership of icon (may be none).
    explicit Win32Icon(HICON icon) : icon_(icon) {}
    ~Win32Icon() override { Clear(); }
    Win32Icon(const Win32Icon&) = delete;
    Win32Icon& operator=(const Win32Icon&) = delete;

    void Assign(const TIcon& source) override;
    void Clear() override;
    THandleValue Handle() const override;

  private:
    HICON icon_ = nullptr;  // owned
};
