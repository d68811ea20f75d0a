#pragma once
// Real user input for the program: keyboard focus, key strokes and mouse clicks go through the
// system's input queue (SendInput), so the program sees them exactly as it sees a user's.
#include <windows.h>

#include <string>

namespace e2e {

// Brings the top-level window of `control` to the foreground and gives `control` the keyboard
// focus; true once the program's thread reports it as focused.
bool FocusControl(HWND control);

// The window that has the keyboard focus in the thread that owns `anyWindowOfThread`.
HWND FocusedWindowOf(HWND anyWindowOfThread);

void PressKey(WORD virtualKey, int times = 1);
// One key stroke per character, with Shift where the keyboard layout needs it.
void TypeText(const std::string& text);
// A left click at the middle of the window.
void ClickCentre(HWND window);

}  // namespace e2e
