#pragma once
// A popup menu of plain command items; a chosen item arrives as WM_COMMAND at the window the
// menu was made for.

#include <windows.h>

#include <string>

#include "toolkit/PopupMenu.h"
#include "toolkit/win32/Handles.h"

class Win32PopupMenu : public TPopupMenu {
  public:
    // commandWindow (not owned) receives the commands.
    Win32PopupMenu(TComponent* owner, HWND commandWindow);

    void AppendItem(UINT commandId, const std::string& text);
    void Popup(int x, int y) override;

  private:
    UniqueMenu menu_;
    HWND commandWindow_;  // not owned
};
