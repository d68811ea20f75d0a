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

LRESULT TImage::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            RECT r{};
            GetClientRect(Handle(), &r);
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            if (bitmap_) {
                BITMAP bm{};
                GetObjectA(bitmap_.Get(), sizeof bm, &bm);
                HDC memory = CreateCompatibleDC(dc);
                {
                    SelectedObject picture(memory, bitmap_.Get());
                    SetStretchBltMode(dc, HALFTONE);
                    StretchBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, bm.bmWidth, bm.bmHeight,
                               SRCCOPY);
                }
                DeleteDC(memory);
            }
            EndPaint(Handle(), &ps);
            return 0;
        }
        default:
            return TControl::WndProc(msg, wParam, lParam);
    }
}
