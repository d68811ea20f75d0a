#include "toolkit/win32/Controls.h"

// An image: a bitmap resource stretched to the control's box.
TImage::TImage(TForm& form, const ControlDesc& desc, Bounds bounds)
    : TControl(form, desc, bounds),
      bitmap_(
          static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), std::string(desc.text).c_str(),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {}

void TImage::CreateWnd(HWND parent) {
    CreateOwnClass(kImageClass, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent, "");
}

LRESULT TImage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return PaintOnFace([this](HDC dc, const RECT& r) {
                if (!bitmap_)
                    return;
                BITMAP bm{};
                GetObjectA(bitmap_.Get(), sizeof bm, &bm);
                MemoryDC memory(dc);
                SelectedObject picture(memory.Get(), bitmap_.Get());
                SetStretchBltMode(dc, HALFTONE);
                StretchBlt(dc, 0, 0, r.right, r.bottom, memory.Get(), 0, 0, bm.bmWidth, bm.bmHeight,
                           SRCCOPY);
            });
        default:
            return TControl::HandleMessage(msg, wParam, lParam);
    }
}
