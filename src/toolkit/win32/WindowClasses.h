#pragma once
// The window classes the toolkit registers, all with TWindowObject's procedure.

#include <windows.h>

#include <string>
#include <string_view>

inline constexpr const char* kPanelClass = "TPanel";
inline constexpr const char* kImageClass = "TImage";

// Registers the toolkit's own control classes once.
void RegisterToolkitClasses(HINSTANCE instance);
// The class of a form named `formName` ("T" and the name, as the desktop's window list shows
// it), registered on first use with the program's main icon. Raises Exception when the desktop
// refuses it.
std::string FormClass(std::string_view formName);
