#pragma once
// Reading another process's windows: texts, classes, controls by their identifiers, geometry.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The window's text through WM_GETTEXT; "<no answer>" when the window does not answer in time.
std::string TextOf(HWND window);
std::string ClassOf(HWND window);

// The first descendant (at any depth) whose control identifier is `id`.
HWND FindDescendant(HWND ancestor, int id);

// Visible or hidden top-level windows of process `pid` with the given class (any class if null).
std::vector<HWND> TopLevelWindowsOf(DWORD pid, const char* className);

RECT ScreenRectOf(HWND window);
// The window's rectangle in the client coordinates of `ancestor`.
RECT RectInClientOf(HWND window, HWND ancestor);

inline LONG Width(const RECT& r) {
    return r.right - r.left;
}
inline LONG Height(const RECT& r) {
    return r.bottom - r.top;
}

}  // namespace e2e
