#pragma once
// Pixels of the screen: screenshots for the test artefacts, and comparing what a window shows
// with a reference drawing.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct Pixels {
    LONG width = 0;
    LONG height = 0;
    std::vector<std::uint32_t> data;  // top-down rows of 0x00RRGGBB
};

Pixels CaptureScreen(const RECT& area);
// Saves the pixels as a 24-bit BMP file; false if the file cannot be written.
bool SaveBitmap(const Pixels& pixels, const std::string& path);
// Whether `area` of the screen shows `icon` as DrawIconEx draws it on the area's own background.
bool ScreenShowsIcon(const RECT& area, HICON icon, bool mirrored = false);
// Whether `area` of the screen shows the opaque pixels of `icon` drawn at the area's size,
// whatever shows through its transparent ones.
bool ScreenShowsIconOnAnyBackground(const RECT& area, HICON icon);

}  // namespace e2e
