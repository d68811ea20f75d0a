#include "toolkit/win32/FormFonts.h"

#include "toolkit/LayoutScaling.h"

namespace {

constexpr const char* kFontFace = "MS Sans Serif";
// MS Sans Serif is a bitmap face; its largest size has characters 17 pixels high. Larger text
// would be a bitmap blown up, its letters drawn apart, so it is drawn in an outline face.
constexpr int kLargestBitmapHeight = 17;
constexpr const char* kOutlineFace = "Arial";

int ScreenPixelsPerInch() {
    WindowDC dc(nullptr);
    return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}

UniqueFont CreateFontIn(const char* face, int height, bool bold, bool ansiCharset) {
    return UniqueFont(CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  ansiCharset ? ANSI_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  face));
}

bool IsOutlineFont(HFONT font) {
    WindowDC dc(nullptr);
    SelectedObject selected(dc.Get(), font);
    TEXTMETRICA tm{};
    return GetTextMetricsA(dc.Get(), &tm) && (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

// The layout's face, or for large text the outline face where the desktop has one.
UniqueFont CreateFontOf(int height, bool bold, bool ansiCharset) {
    if (height > kLargestBitmapHeight) {
        UniqueFont outline = CreateFontIn(kOutlineFace, height, bold, ansiCharset);
        if (outline && IsOutlineFont(outline.Get()))
            return outline;
    }
    return CreateFontIn(kFontFace, height, bold, ansiCharset);
}

int TextHeight(HFONT font) {
    WindowDC dc(nullptr);
    SelectedObject selected(dc.Get(), font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.Get(), &tm);
    return tm.tmHeight;
}

}  // namespace

TFormFonts::TFormFonts(const FormDesc& form) : form_(form), windowFontHeight_(form.font.height) {
    const int ppi = ScreenPixelsPerInch();
    if (ppi == kDesignPixelsPerInch)
        return;
    windowFontHeight_ = ScaleFontHeight(form.font.height, ppi);
    const int textHeight = TextHeight(WindowFont());
    if (textHeight != form.designTextHeight && textHeight > 0) {
        scaleNum_ = textHeight;
        scaleDen_ = form.designTextHeight;
    }
}

Bounds TFormFonts::Scale(const Bounds& design) const {
    return ScaleBounds(design, scaleNum_, scaleDen_);
}

HFONT TFormFonts::WindowFont() {
    if (!windowFont_)
        windowFont_ = Make(windowFontHeight_, form_.font);
    return windowFont_;
}

HFONT TFormFonts::FontOf(const FontDesc& font, HFONT parentFont) {
    if (font.parentFont)
        return parentFont;
    return Make(MulDivRound(font.height, scaleNum_, scaleDen_), font);
}

HFONT TFormFonts::Make(int height, const FontDesc& font) {
    for (const Made& made : fonts_) {
        if (made.height == height && made.bold == font.bold && made.ansiCharset == font.ansiCharset)
            return made.font.Get();
    }
    fonts_.push_back(
        {height, font.bold, font.ansiCharset, CreateFontOf(height, font.bold, font.ansiCharset)});
    return fonts_.back().font.Get();
}
