#pragma once
// CHAR and SEQ: a byte and its number. They work on bytes and treat marks as data; in utf8 mode
// a value's characters stand for the bytes.

#include <string>
#include <string_view>

#include "codes/ConversionCode.h"

struct CharSeqCode {
    // CHAR: OCONV turns a number into its byte; SEQ: OCONV turns the first byte into its number.
    bool numberInside = true;
    Encoding encoding = Encoding::Bytes;

    // The whole value, spaces and marks included.
    int Oconv(std::string_view value, std::string& out) const;
    int Iconv(std::string_view value, std::string& out) const;
};
