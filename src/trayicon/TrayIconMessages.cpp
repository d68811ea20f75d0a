// The hidden window's messages: session end and the shell's mouse notifications, turned into
// the component's gestures and events.

#include "trayicon/TrayIcon.h"

void TTrayIcon::DoMessage(TMessage& message) {
    switch (message.Msg) {
        case kWmQueryEndSession:
            message.Result = 1;
            break;
        case kWmEndSession:
            // Also when the session goes on after all: the icon is gone while Visible stays.
            EndSession();
            break;
        case kTrayNotifyMessage:
            MouseNotification(message.LParam);
            break;
        default:
            break;
    }
    // Every other message is left as it is, Result 0: the component handles nothing more, and
    // the hidden window gets no default processing.
}

void TTrayIcon::MouseNotification(std::intptr_t mouseMessage) {
    // Keys first, then the pointer: both as they are now, when the notification is handled.
    auto shiftWith = [this](TShiftFlag button) {
        TShiftState shift = ShiftState();
        shift.Include(button);
        return shift;
    };
    switch (mouseMessage) {
        case kWmMouseMove:
            if (OnMouseMove) {
                const TShiftState shift = ShiftState();
                const TPoint at = services_.GetCursorPos();
                DoMouseMove(shift, at.X, at.Y);
            }
            break;
        case kWmLButtonDown: {
            const TShiftState shift = shiftWith(ssLeft);
            const TPoint at = services_.GetCursorPos();
            DoMouseDown(mbLeft, shift, at.X, at.Y);
            break;
        }
        case kWmLButtonUp: {
            const TShiftState shift = shiftWith(ssLeft);
            const TPoint at = services_.GetCursorPos();
            if (OnClick) {
                DoClick();
            }
            DoMouseUp(mbLeft, shift, at.X, at.Y);
            if (restoreOn_ == imLeftClickUp) {
                Restore();
            }
            if (popupMenuOn_ == imLeftClickUp) {
                ShowMenu();
            }
            break;
        }
        case kWmLButtonDblClk:
            DoDblClick();
            if (restoreOn_ == imLeftDoubleClick) {
                Restore();
            }
            if (popupMenuOn_ == imLeftDoubleClick) {
                ShowMenu();
            }
            break;
        case kWmRButtonDown: {
            const TShiftState shift = shiftWith(ssRight);
            const TPoint at = services_.GetCursorPos();
            DoMouseDown(mbRight, shift, at.X, at.Y);
            break;
        }
        case kWmRButtonUp: {
            const TShiftState shift = shiftWith(ssRight);
            const TPoint at = services_.GetCursorPos();
            DoMouseUp(mbRight, shift, at.X, at.Y);
            if (restoreOn_ == imRightClickUp) {
                Restore();
            }
            if (popupMenuOn_ == imRightClickUp) {
                ShowMenu();
            }
            break;
        }
        case kWmRButtonDblClk:
            DoDblClick();
            if (restoreOn_ == imRightDoubleClick) {
                Restore();
            }
            if (popupMenuOn_ == imRightDoubleClick) {
                ShowMenu();
            }
            break;
        case kWmMButtonDown: {
            const TShiftState shift = shiftWith(ssMiddle);
            const TPoint at = services_.GetCursorPos();
            DoMouseDown(mbMiddle, shift, at.X, at.Y);
            break;
        }
        case kWmMButtonUp: {
            const TShiftState shift = shiftWith(ssMiddle);
            const TPoint at = services_.GetCursorPos();
            DoMouseUp(mbMiddle, shift, at.X, at.Y);
            break;
        }
        case kWmMButtonDblClk:
            DoDblClick();
            break;
        default:
            break;
    }
}

// Restoring comes before the menu, and both before the event.

void TTrayIcon::DoClick() {
    if (restoreOn_ == imClick) {
        Restore();
    }
    if (popupMenuOn_ == imClick) {
        ShowMenu();
    }
    if (OnClick) {
        OnClick(this);
    }
}

void TTrayIcon::DoDblClick() {
    if (restoreOn_ == imDoubleClick) {
        Restore();
    }
    if (popupMenuOn_ == imDoubleClick) {
        ShowMenu();
    }
    if (OnDblClick) {
        OnDblClick(this);
    }
}

void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) {
        OnMouseMove(this, shift, x, y);
    }
}

void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (restoreOn_ == imMouseDown) {
        Restore();
    }
    if (popupMenuOn_ == imMouseDown) {
        ShowMenu();
    }
    if (OnMouseDown) {
        OnMouseDown(this, button, shift, x, y);
    }
}

void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (restoreOn_ == imMouseUp) {
        Restore();
    }
    if (popupMenuOn_ == imMouseUp) {
        ShowMenu();
    }
    if (OnMouseUp) {
        OnMouseUp(this, button, shift, x, y);
    }
}
