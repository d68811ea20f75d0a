#pragma once
// Pick MCC;x;y: every occurrence of the text x replaced with y, scanning left to right without
// overlap, case-sensitive. It sees every byte of a piece, never fails, and converts the same way
// in both directions.

#include <string>
#include <string_view>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

struct ReplaceTextCode {
    std::string from;  // never empty
    std::string to;

    // A whole piece, spaces included.
    int Oconv(std::string_view piece, std::string& out) const;
    int Iconv(std::string_view piece, std::string& out) const { return Oconv(piece, out); }
};

// Parses what follows MCC: ;x;y, both texts used as written.
bool ParseReplaceTextCode(CodeReader& reader, ReplaceTextCode& code, CodeError& error);
