#include "win32/Screen.h"

#include <cstdio>
#include <memory>

namespace e2e {

namespace {

struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteBitmap {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteBitmap>;

// The screen's device context, released on every path.
class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

BITMAPINFO TopDown32(LONG width, LONG height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Pixels ReadBitmap(HDC dc, HBITMAP bitmap, LONG width, LONG height) {
    Pixels pixels{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width * height))};
    BITMAPINFO info = TopDown32(width, height);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data.data(), &info, DIB_RGB_COLORS);
    for (auto& p : pixels.data) {
        p &= 0xFFFFFFU;
    }
    return pixels;
}

// The icon drawn at `width` by `height` on a background of one colour.
Pixels DrawnIcon(HICON icon, LONG width, LONG height, COLORREF background) {
    ScreenDc screen;
    UniqueDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(memory.get(), &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory.get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    SelectObject(memory.get(), old);
    return ReadBitmap(memory.get(), bitmap.get(), width, height);
}

}  // namespace

Pixels CaptureScreen(const RECT& area) {
    const LONG width = area.right - area.left;
    const LONG height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    ScreenDc screen;
    UniqueDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
    SelectObject(memory.get(), old);
    return ReadBitmap(memory.get(), bitmap.get(), width, height);
}

bool SaveBitmap(const Pixels& pixels, const std::string& path) {
    if (pixels.width <= 0 || pixels.height <= 0) {
        return false;
    }
    const auto stride = static_cast<DWORD>((pixels.width * 3 + 3) & ~3);
    const DWORD imageSize = stride * static_cast<DWORD>(pixels.height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = pixels.width;
    info.biHeight = pixels.height;  // bottom-up rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageSize;

    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!out) {
        return false;
    }
    std::fwrite(&file, sizeof file, 1, out.get());
    std::fwrite(&info, sizeof info, 1, out.get());
    std::vector<unsigned char> row(stride);
    for (LONG y = pixels.height - 1; y >= 0; --y) {
        for (LONG x = 0; x < pixels.width; ++x) {
            const std::uint32_t p = pixels.data[static_cast<size_t>(y * pixels.width + x)];
            row[static_cast<size_t>(x * 3)] = static_cast<unsigned char>(p & 0xFF);
            row[static_cast<size_t>(x * 3 + 1)] = static_cast<unsigned char>((p >> 8) & 0xFF);
            row[static_cast<size_t>(x * 3 + 2)] = static_cast<unsigned char>((p >> 16) & 0xFF);
        }
        std::fwrite(row.data(), 1, row.size(), out.get());
    }
    return std::ferror(out.get()) == 0;
}

bool ScreenShowsIcon(const RECT& area, HICON icon, bool mirrored) {
    const Pixels shown = CaptureScreen(area);
    if (shown.data.empty()) {
        return false;
    }
    // Draw the reference on the background the icon sits on (its top-left pixel is transparent
    // in every system icon).
    ScreenDc screen;
    UniqueDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), shown.width, shown.height));
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    const std::uint32_t background = shown.data.front();
    const COLORREF backgroundRef =
        RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
    HBRUSH brush = CreateSolidBrush(backgroundRef);
    RECT all{0, 0, shown.width, shown.height};
    FillRect(memory.get(), &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory.get(), 0, 0, icon, shown.width, shown.height, 0, nullptr, DI_NORMAL);
    SelectObject(memory.get(), old);
    const Pixels reference = ReadBitmap(memory.get(), bitmap.get(), shown.width, shown.height);

    size_t same = 0;
    const auto width = static_cast<size_t>(shown.width);
    for (size_t i = 0; i < shown.data.size(); ++i) {
        // A right-to-left window draws its icons mirrored.
        const size_t at = mirrored ? i - i % width + (width - 1 - i % width) : i;
        same += shown.data[i] == reference.data[at] ? 1U : 0U;
    }
    // Allow a few pixels for smoothing differences at the edge.
    return same * 100 >= shown.data.size() * 97;
}

bool ScreenShowsIconOnAnyBackground(const RECT& area, HICON icon) {
    const Pixels shown = CaptureScreen(area);
    if (shown.data.empty()) {
        return false;
    }
    // A pixel that comes out the same on black and on white is one of the icon's own.
    const Pixels onBlack = DrawnIcon(icon, shown.width, shown.height, RGB(0, 0, 0));
    const Pixels onWhite = DrawnIcon(icon, shown.width, shown.height, RGB(255, 255, 255));
    size_t opaque = 0;
    size_t same = 0;
    for (size_t i = 0; i < shown.data.size(); ++i) {
        if (onBlack.data[i] == onWhite.data[i]) {
            ++opaque;
            same += shown.data[i] == onBlack.data[i] ? 1U : 0U;
        }
    }
    // Most of the area must be the icon's own, and a few pixels may differ by smoothing.
    return opaque * 2 >= shown.data.size() && same * 100 >= opaque * 97;
}

}  // namespace e2e
