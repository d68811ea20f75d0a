#pragma once

#include <string>
#include <string_view>

// Reads the user's regional date settings from the desktop into the process-wide settings.
void ReadRegionalSettings();

// The text without its direction marks (left-to-right, right-to-left and Arabic letter marks).
std::wstring WithoutDirectionMarks(std::wstring_view text);
