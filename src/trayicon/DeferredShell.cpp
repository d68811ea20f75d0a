#include "trayicon/DeferredShell.h"

bool TDeferredShell::Call(TNotifyIconOperation operation, const TNotifyIconData& data) {
    if (released_)
        return shell_(operation, data);
    switch (operation) {
        case nimAdd:
            // The shell refuses a second icon of the same window and number.
            if (kept_)
                return false;
            kept_ = data;
            return true;
        case nimModify:
            if (kept_)
                kept_ = data;
            return kept_.has_value();
        case nimDelete:
            if (!kept_)
                return false;
            kept_.reset();
            return true;
    }
    return false;
}

bool TDeferredShell::Release() {
    released_ = true;
    if (!kept_)
        return true;
    const TNotifyIconData data = *kept_;
    kept_.reset();
    return shell_(nimAdd, data);
}
