#pragma once
// Owning wrappers for the Windows handles the program creates, move-only, and scoped helpers for
// the handles it only borrows. Every owning wrapper counts the handles of its kind that are alive,
// so a long run can show that nothing leaks (the desktop's own counters are not there on every
// system).

#include <windows.h>

#include <array>
#include <cstddef>
#include <utility>

enum class HandleKind : std::size_t { Window, Font, Bitmap, Brush, Icon, Menu, Timer, Count };

// The number of handles of a kind the program's wrappers hold now.
int LiveHandles(HandleKind kind);

// The application answers this registered message with LiveHandles(HandleKind(wParam)), so a
// tool that works the program for hours can see that nothing leaks.
inline constexpr const char* kLiveHandlesMessage = "QuorlinConversion.LiveHandles";
// And this one with the number of key presses and releases its message loop has taken from the
// queue, so such a tool knows when the program has taken the keys it sent.
inline constexpr const char* kKeysTakenMessage = "QuorlinConversion.KeysTaken";
// And this one with the number of mouse button presses and releases it has taken: the answer
// comes once the last of them has been handled.
inline constexpr const char* kClicksTakenMessage = "QuorlinConversion.ClicksTaken";
// And this one with the bytes the program's C runtime heap holds in use: everything the program
// allocates itself, apart from what the system's own controls keep in theirs.
inline constexpr const char* kHeapInUseMessage = "QuorlinConversion.HeapInUse";
std::size_t HeapBytesInUse();
// The wrappers' bookkeeping; only they call it.
void CountHandle(HandleKind kind, int change);

template <typename Handle, typename Deleter>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) { Reset(h); }
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle h = nullptr) {
        if (handle_) {
            Deleter{}(handle_);
            CountHandle(Deleter::kKind, -1);
        }
        handle_ = h;
        if (handle_)
            CountHandle(Deleter::kKind, +1);
    }

  private:
    Handle handle_ = nullptr;
};

struct WindowDeleter {
    static constexpr HandleKind kKind = HandleKind::Window;
    void operator()(HWND h) const { DestroyWindow(h); }
};
struct FontDeleter {
    static constexpr HandleKind kKind = HandleKind::Font;
    void operator()(HFONT h) const { DeleteObject(h); }
};
struct BitmapDeleter {
    static constexpr HandleKind kKind = HandleKind::Bitmap;
    void operator()(HBITMAP h) const { DeleteObject(h); }
};
struct BrushDeleter {
    static constexpr HandleKind kKind = HandleKind::Brush;
    void operator()(HBRUSH h) const { DeleteObject(h); }
};
struct IconDeleter {
    static constexpr HandleKind kKind = HandleKind::Icon;
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct MenuDeleter {
    static constexpr HandleKind kKind = HandleKind::Menu;
    void operator()(HMENU h) const { DestroyMenu(h); }
};

using UniqueWindow = UniqueHandle<HWND, WindowDeleter>;
using UniqueFont = UniqueHandle<HFONT, FontDeleter>;
using UniqueBitmap = UniqueHandle<HBITMAP, BitmapDeleter>;
using UniqueBrush = UniqueHandle<HBRUSH, BrushDeleter>;
using UniqueIcon = UniqueHandle<HICON, IconDeleter>;
using UniqueMenu = UniqueHandle<HMENU, MenuDeleter>;

// A running timer of a window, killed when the object goes. The window is not owned.
class UniqueTimer {
  public:
    UniqueTimer() = default;
    // Starts the timer; the object stays empty when the desktop refuses it.
    UniqueTimer(HWND window, UINT_PTR id, UINT milliseconds);
    ~UniqueTimer() { Reset(); }
    UniqueTimer(UniqueTimer&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), id_(std::exchange(other.id_, 0)) {}
    UniqueTimer& operator=(UniqueTimer&& other) noexcept;
    UniqueTimer(const UniqueTimer&) = delete;
    UniqueTimer& operator=(const UniqueTimer&) = delete;

    explicit operator bool() const { return window_ != nullptr; }
    void Reset();

  private:
    HWND window_ = nullptr;  // not owned
    UINT_PTR id_ = 0;
};

// A device context obtained with GetDC, released on scope exit.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;  // not owned
    HDC dc_;
};

// A memory device context compatible with another, deleted on scope exit.
class MemoryDC {
  public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() { DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

// Selects a GDI object into a DC for the scope; neither is owned.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// BeginPaint and EndPaint around the painting of one WM_PAINT.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;  // not owned
    PAINTSTRUCT paint_{};
    HDC dc_;
};
