#pragma once
// Bytes as groups of hexadecimal, octal or binary digits: universe MX0C, MO0C, MB0C and pick MX,
// MO, MB, MCAX, MY, MCXA. They work on bytes and treat marks as data; in utf8 mode a value's
// characters stand for the bytes.

#include <string>
#include <string_view>

#include "codes/ConversionCode.h"

struct CharacterCode {
    unsigned radix = 16;
    // OCONV turns bytes into digits (MX0C, pick MX); otherwise digits into bytes (pick MY).
    bool bytesInside = true;
    Encoding encoding = Encoding::Bytes;

    // The whole value, spaces and marks included.
    int Oconv(std::string_view value, std::string& out) const;
    int Iconv(std::string_view value, std::string& out) const;
};
