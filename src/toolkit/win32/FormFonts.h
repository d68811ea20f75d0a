#pragma once
// The fonts of a form built from a layout, scaled to the screen's density: the window font's
// height follows the density, and when its text height then differs from the design's, every
// control's geometry and its own font scale by the same ratio. The form owns the fonts; controls
// of one look share one font, made once.

#include <windows.h>

#include <vector>

#include "toolkit/LayoutDescription.h"
#include "toolkit/win32/Handles.h"

class TFormFonts {
  public:
    // Probes the screen and decides the scale for the layout.
    explicit TFormFonts(const FormDesc& form);

    Bounds Scale(const Bounds& design) const;
    // The window font, made on first use.
    HFONT WindowFont();
    // The font of a control: its parent's when the row says so, else one of its own.
    HFONT FontOf(const FontDesc& font, HFONT parentFont);

  private:
    // The font of that height and look, made on first use.
    HFONT Make(int height, const FontDesc& font);

    struct Made {
        int height;
        bool bold;
        bool ansiCharset;
        UniqueFont font;
    };

    const FormDesc& form_;
    int windowFontHeight_;
    int scaleNum_ = 1;
    int scaleDen_ = 1;
    HFONT windowFont_ = nullptr;  // one of fonts_
    std::vector<Made> fonts_;
};
