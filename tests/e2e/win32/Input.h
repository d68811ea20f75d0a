#pragma once
// Real user input for the program: keyboard focus, key strokes and mouse clicks go through the
// system's input queue (SendInput), so the program sees them exactly as it sees a user's.
// Key strokes return before the program has taken them: a focus change or a sent message that
// follows may overtake them, so a scenario waits for the keys' visible result first.
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
// How many key presses and releases TypeText sends for `text`.
int KeyMessagesOf(const std::string& text);
// One key stroke of `modifier` held down around `key` (Ctrl+V, Shift+F).
void PressChord(WORD modifier, WORD key);
// Types one character by its code point, as an input method does: the program receives it in
// its own code page, whatever key would type it.
void TypeCharacter(wchar_t character);
// A left click at the middle of the window.
void ClickCentre(HWND window);

}  // namespace e2e
