#pragma once
// The notification icon's calls to the shell held back while the program's window is built, so
// the window is up before the shell is asked anything. While held, an add is kept and answered
// yes; a modify changes the kept record, so the shell later sees one add of the icon as it then
// is and no modify; a delete takes the kept add back. Released, calls go to the shell as they come.

#include <functional>
#include <optional>

#include "trayicon/NotifyIconData.h"

class TDeferredShell {
  public:
    using Shell = std::function<bool(TNotifyIconOperation, const TNotifyIconData&)>;

    explicit TDeferredShell(Shell shell) : shell_(std::move(shell)) {}

    // Shell_NotifyIconA as the icon sees it: true when the shell did (or will do) what was asked.
    bool Call(TNotifyIconOperation operation, const TNotifyIconData& data);
    // Makes the kept add, if any, and passes every later call on; false when the shell refuses
    // the kept add.
    bool Release();
    bool Released() const { return released_; }

  private:
    Shell shell_;
    bool released_ = false;
    std::optional<TNotifyIconData> kept_;
};
