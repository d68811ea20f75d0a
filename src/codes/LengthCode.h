#pragma once
// L: the length of the value (L, L0), or the value when its length is at most n (Ln) or from n
// to m (Ln,m), else "". Lengths count bytes, or UTF-8 characters in utf8 mode. It sees every
// byte of a piece, never fails, and converts the same way in both directions.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

struct LengthCode {
    bool showLength = true;  // L, L0
    std::size_t least = 0;
    std::size_t most = SIZE_MAX;
    Encoding encoding = Encoding::Bytes;

    // A whole piece, spaces included.
    int Oconv(std::string_view piece, std::string& out) const;
    int Iconv(std::string_view piece, std::string& out) const { return Oconv(piece, out); }
};

// Parses what follows L.
bool ParseLengthCode(CodeReader& reader, Encoding encoding, LengthCode& code, CodeError& error);
