// An image: a picture resource, stored as runs of pixels, drawn stretched to the control's box.
#include <cstring>

#include "toolkit/PixelRuns.h"
#include "toolkit/win32/Controls.h"

namespace {

// The picture resource `name` as a 24-bit bitmap; none when there is no such picture.
HBITMAP LoadPicture(const std::string& name) {
    const HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return nullptr;
    const auto picture = DecodePixelRuns({static_cast<const std::uint8_t*>(bytes),
                                          static_cast<std::size_t>(SizeofResource(module, found))});
    if (!picture)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture->width;
    info.bmiHeader.biHeight = -picture->height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const std::size_t row = static_cast<std::size_t>(picture->width) * 3;
    const std::size_t stride = (row + 3) & ~std::size_t{3};
    for (int y = 0; y < picture->height; ++y) {
        std::memcpy(static_cast<std::uint8_t*>(bits) + static_cast<std::size_t>(y) * stride,
                    picture->bgr.data() + static_cast<std::size_t>(y) * row, row);
    }
    return bitmap;
}

}  // namespace

TImage::TImage(TForm& form, const ControlDesc& desc, Bounds bounds)
    : TControl(form, desc, bounds), bitmap_(LoadPicture(std::string(desc.text))) {}

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
