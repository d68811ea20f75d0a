#pragma once
// The program's error box: a standard message box (#32770) of the program's process.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Waits for a visible message box of process `pid`; null if none appears in time.
HWND WaitForErrorBox(DWORD pid);
// The visible message boxes of process `pid` at this moment.
std::vector<HWND> VisibleErrorBoxes(DWORD pid);

std::string ErrorBoxMessage(HWND box);
// Identifiers of the box's visible push buttons, in window order: a box is read by the roles of
// its buttons, whose texts are in the user's language.
std::vector<int> ErrorBoxButtons(HWND box);
// Whether the box shows the system's stop icon (waits a little for it to be painted).
bool ShowsStopIcon(HWND box);
// Clicks OK and waits until the box has gone.
bool PressOk(HWND box);

}  // namespace e2e
