#include "toolkit/win32/Controls.h"

// A label: text in its own font and colour on the panel's background.

namespace {

COLORREF ColorOf(ColorRole role) {
    switch (role) {
        case ColorRole::Black:
            return RGB(0, 0, 0);
        case ColorRole::Blue:
            return RGB(0, 0, 255);
        case ColorRole::WindowText:
        default:
            return GetSysColor(COLOR_WINDOWTEXT);
    }
}

}  // namespace

void TLabel::CreateWnd(HWND parent) {
    CreateOwnClass(kLabelClass, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent,
                   std::string(Desc().text));
}

void TLabel::Created() {
    WindowDC dc(Handle());
    SelectedObject font(dc.Get(), Font());
    const std::string text = Text();
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_LEFT);
    Bounds b = BoundsRect();
    b.width = r.right - r.left;
    b.height = r.bottom - r.top;
    SetBounds(b);
}

LRESULT TLabel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_PAINT:
            return PaintOnFace([this](HDC dc, const RECT& r) {
                SelectedObject font(dc, Font());
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, ColorOf(Desc().font.color));
                const std::string text = Text();
                RECT box = r;
                DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_LEFT);
            });
        default:
            return TControl::HandleMessage(msg, wParam, lParam);
    }
}
