#include "capi/ResultArena.h"

#include <functional>

void ResultArena::Clear() noexcept {
    data_.clear();
    offsets_.clear();
    lengths_.clear();
    statuses_.clear();
}

void ResultArena::Reserve(std::size_t count) {
    offsets_.reserve(count);
    lengths_.reserve(count);
    statuses_.reserve(count);
}

void ResultArena::Record(std::size_t begin, int status) {
    offsets_.push_back(begin);
    lengths_.push_back(data_.size() - begin);
    statuses_.push_back(static_cast<unsigned char>(status));
    data_.push_back('\0');
}

bool ResultArena::Holds(const char* text) const noexcept {
    const std::less<const char*> before;
    const char* begin = data_.data();
    return !before(text, begin) && before(text, begin + data_.capacity());
}
