#include "toolkit/PixelRuns.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kRunSize = 4;
constexpr std::size_t kLongestRun = 128;

}  // namespace

std::optional<TPicture> DecodePixelRuns(std::span<const std::uint8_t> data) {
    if (data.size() < kHeaderSize || data[0] != 'Q' || data[1] != 'R' || data[2] != 'L' ||
        data[3] != '1') {
        return std::nullopt;
    }
    TPicture picture;
    picture.width = data[4] | (data[5] << 8);
    picture.height = data[6] | (data[7] << 8);
    const std::size_t pixels =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    picture.bgr.reserve(pixels * 3);
    std::size_t at = kHeaderSize;
    std::size_t filled = 0;
    while (at < data.size()) {
        if (data.size() - at < kRunSize)
            return std::nullopt;
        const std::size_t length = data[at];
        if (length == 0 || length > kLongestRun || length > pixels - filled)
            return std::nullopt;
        for (std::size_t i = 0; i < length; ++i)
            picture.bgr.insert(picture.bgr.end(),
                               data.begin() + static_cast<std::ptrdiff_t>(at + 1),
                               data.begin() + static_cast<std::ptrdiff_t>(at + kRunSize));
        filled += length;
        at += kRunSize;
    }
    if (filled != pixels)
        return std::nullopt;
    return picture;
}
