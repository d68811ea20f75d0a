#pragma once
// The characters of a value as the text codes count them: bytes, or in utf8 mode whole UTF-8
// characters. Text codes never fail on data, so in utf8 mode a byte that begins no well-formed
// character counts as one character of its own.

#include <cstddef>
#include <string_view>

#include "codes/ConversionCode.h"
#include "codes/Utf8Text.h"

inline std::size_t TextCharLength(std::string_view text, std::size_t pos, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return 1;
    }
    const std::size_t length = Utf8CharLength(text, pos);
    return length == 0 ? 1 : length;
}

std::size_t CountTextCharacters(std::string_view text, Encoding encoding);

// The offset count characters past pos, or the text's end when it has fewer.
std::size_t SkipTextCharacters(std::string_view text, std::size_t pos, std::size_t count,
                               Encoding encoding);
