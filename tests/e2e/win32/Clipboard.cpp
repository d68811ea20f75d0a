#include "win32/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace e2e {

namespace {

// Holds the clipboard open while it lives.
class OpenClipboardScope {
  public:
    OpenClipboardScope() : open_(OpenClipboard(nullptr) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool Open() const { return open_; }

  private:
    bool open_;
};

// Global memory that is freed unless the clipboard took it over.
class ClipboardMemory {
  public:
    explicit ClipboardMemory(size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    ~ClipboardMemory() {
        if (memory_ != nullptr) {
            GlobalFree(memory_);
        }
    }
    ClipboardMemory(const ClipboardMemory&) = delete;
    ClipboardMemory& operator=(const ClipboardMemory&) = delete;
    HGLOBAL get() const { return memory_; }
    void Release() { memory_ = nullptr; }

  private:
    HGLOBAL memory_;
};

}  // namespace

bool PutTextOnClipboard(const std::string& text) {
    ClipboardMemory memory(text.size() + 1);
    if (memory.get() == nullptr) {
        return false;
    }
    void* bytes = GlobalLock(memory.get());
    if (bytes == nullptr) {
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory.get());

    OpenClipboardScope clipboard;
    if (!clipboard.Open() || !EmptyClipboard()) {
        return false;
    }
    if (SetClipboardData(CF_TEXT, memory.get()) == nullptr) {
        return false;
    }
    memory.Release();  // the clipboard owns it now
    return true;
}

}  // namespace e2e
