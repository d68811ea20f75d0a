#pragma once
// Text extraction: Ts,n takes n characters from the s-th; Tn takes the last n in universe and
// the first n in pick. Characters are bytes, or UTF-8 characters in utf8 mode. It sees every
// byte of a piece, never fails, and converts the same way in both directions.

#include <cstddef>
#include <string>
#include <string_view>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

struct TextExtractCode {
    std::size_t start = 0;  // 1 for the first character; 0 for Tn
    std::size_t count = 1;
    bool fromEnd = false;  // universe Tn
    Encoding encoding = Encoding::Bytes;

    // A whole piece, spaces included.
    int Oconv(std::string_view piece, std::string& out) const;
    int Iconv(std::string_view piece, std::string& out) const { return Oconv(piece, out); }
};

// Parses what follows T.
bool ParseTextExtractCode(CodeReader& reader, const CodeOptions& options, TextExtractCode& code,
                          CodeError& error);
