#pragma once
// Measures texts in their fonts with one device context for a whole form, rather than one for
// every control that sizes itself.

#include <windows.h>

#include <string_view>

class TTextMeasure {
  public:
    TTextMeasure() : dc_(CreateCompatibleDC(nullptr)) {}
    ~TTextMeasure() { DeleteDC(dc_); }
    TTextMeasure(const TTextMeasure&) = delete;
    TTextMeasure& operator=(const TTextMeasure&) = delete;

    // The width and height of `text` drawn in `font` (lines broken at line breaks only).
    SIZE Extent(HFONT font, std::string_view text);

  private:
    HDC dc_;  // owned
};
