#pragma once
// A window of the driver's own that holds the foreground, so that a scenario can tell "the
// program took the foreground" apart from "nothing else was active".
#include <windows.h>

namespace e2e {

class ForegroundKeeper {
  public:
    ForegroundKeeper();
    ~ForegroundKeeper();
    ForegroundKeeper(const ForegroundKeeper&) = delete;
    ForegroundKeeper& operator=(const ForegroundKeeper&) = delete;

    HWND get() const { return window_; }
    // Makes the keeper the foreground window again; true once it is.
    bool TakeForeground() const;

  private:
    HWND window_ = nullptr;
};

}  // namespace e2e
