#include "cli/ByteStreams.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBufferedSize = 64 * 1024;

}  // namespace

std::size_t StringSource::Read(char* buffer, std::size_t size) {
    const std::size_t n = std::min(size, text_.size() - pos_);
    if (n > 0) {
        std::memcpy(buffer, text_.data() + pos_, n);
    }
    pos_ += n;
    return n;
}

BufferedSink::~BufferedSink() {
    // A destructor must not throw: a caller that cares about the last write flushes first.
    try {
        Flush();
    } catch (const Exception&) {
    }
}

void BufferedSink::Write(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kBufferedSize) {
        Flush();
        if (bytes.size() >= kBufferedSize) {
            target_.Write(bytes);
            return;
        }
    }
    buffer_.append(bytes);
}

void BufferedSink::Flush() {
    if (!buffer_.empty()) {
        // Emptied first, so that a failed write is not attempted again by the destructor.
        std::string pending;
        pending.swap(buffer_);
        target_.Write(pending);
    }
}
