#pragma once
// Writes a chunk's output into a string through a pointer: the string is grown ahead of need, so
// that the many short pieces of a converted chunk are put in place without the size check and
// terminator of an append each. The string gets its true size back when the cursor is done.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

class OutputCursor {
  public:
    // Starts the output empty, keeping the string's memory.
    explicit OutputCursor(std::string& out) : out_(out) {
        out_.clear();
        out_.resize(out_.capacity());
    }
    ~OutputCursor() { Finish(); }
    OutputCursor(const OutputCursor&) = delete;
    OutputCursor& operator=(const OutputCursor&) = delete;

    // Where the next byte goes, with at least n bytes free there. Earlier pointers may no longer
    // hold.
    char* Room(std::size_t n) {
        if (out_.size() - used_ < n) {
            out_.resize(std::max(2 * out_.size(), used_ + n));
        }
        return out_.data() + used_;
    }
    // The bytes up to end (a pointer from Room) are written.
    void Advance(const char* end) { used_ = static_cast<std::size_t>(end - out_.data()); }
    void Append(std::string_view bytes) {
        char* at = Room(bytes.size());
        if (!bytes.empty()) {
            std::memcpy(at, bytes.data(), bytes.size());
        }
        used_ += bytes.size();
    }
    std::size_t Size() const { return used_; }
    // Drops what was written after size.
    void Rewind(std::size_t size) { used_ = std::min(size, used_); }

    // The string holds exactly what was written, for a writer that appends to it; Resume takes
    // the cursor back to its end.
    std::string& Finish() {
        out_.resize(used_);
        return out_;
    }
    void Resume() {
        used_ = out_.size();
        out_.resize(out_.capacity());
    }

  private:
    std::string& out_;
    std::size_t used_ = 0;
};
