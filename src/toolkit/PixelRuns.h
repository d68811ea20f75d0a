#pragma once
// A 24-bit picture stored as runs of equal pixels (the program's logo): "QRL1", the width and the
// height (16 bits each, little-endian), then runs of a length 1 to 128 and a blue, green and red,
// row after row from the top.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct TPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;  // 3 bytes a pixel, rows from the top, no padding
};

// The picture, or nothing when the data is not such a picture: a wrong header, a run of length 0
// or past the picture's end, a run cut short, too few pixels, or bytes after the last run.
std::optional<TPicture> DecodePixelRuns(std::span<const std::uint8_t> data);
