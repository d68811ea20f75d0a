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

// Drawn by the label itself, through a bitmap of its own: a bold face the font only simulates is
// drawn bold there, where some desktops' screen drawing would show it regular.
void TLabel::Paint(const DRAWITEMSTRUCT& item) {
    const RECT box = item.rcItem;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap picture(CreateDIBSection(item.hDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDC memory(item.hDC);
    if (!picture || !memory.Get())
        return;
    SelectedObject selectedPicture(memory.Get(), picture.Get());
    SelectedObject selectedFont(memory.Get(), Font());
    RECT local{0, 0, width, height};
    FillRect(memory.Get(), &local, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(memory.Get(), TRANSPARENT);
    SetTextColor(memory.Get(), ColorOf(Desc().font.color));
    const std::string text = Text();
    DrawTextA(memory.Get(), text.c_str(), static_cast<int>(text.size()), &local,
              DT_LEFT | DT_NOPREFIX);
    BitBlt(item.hDC, box.left, box.top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

void TLabel::CreateWnd(HWND parent) {
    CreateSystemClass("Static", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_OWNERDRAW, 0, parent,
                      std::string(Desc().text));
}

void TLabel::Measure(TTextMeasure& measure) {
    const SIZE size = measure.Extent(Font(), Desc().text);
    initialBounds_.width = size.cx;
    initialBounds_.height = size.cy;
}

bool TLabel::Reflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg != WM_DRAWITEM)
        return false;
    Paint(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}
