#include "toolkit/win32/Win32PopupMenu.h"

#include "base/Exception.h"

Win32PopupMenu::Win32PopupMenu(TComponent* owner, HWND commandWindow)
    : TPopupMenu(owner), menu_(CreatePopupMenu()), commandWindow_(commandWindow) {
    if (!menu_) {
        throw EOutOfResources("Cannot create a menu");
    }
}

void Win32PopupMenu::AppendItem(UINT commandId, const std::string& text) {
    AppendMenuA(menu_.Get(), MF_STRING, commandId, text.c_str());
}

void Win32PopupMenu::Popup(int x, int y) {
    TrackPopupMenu(menu_.Get(), TPM_RIGHTBUTTON, x, y, 0, commandWindow_, nullptr);
    // Lets the menu close properly when it was opened from the notification area.
    PostMessageA(commandWindow_, WM_NULL, 0, 0);
}
