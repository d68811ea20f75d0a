#pragma once
// Integer text rules shared by every panel.

#include <cstdint>
#include <string>
#include <string_view>

// Parses a signed 32-bit integer: leading blanks, optional sign, decimal digits, or a hex prefix
// ("$", "x", "X", "0x", "0X") with at most 8 significant hex digits. Anything else raises
// EConvertError "'<text>' is not a valid integer value".
std::int32_t TextToInteger(std::string_view text);

// Signed decimal text, no grouping, no padding.
std::string IntegerToText(std::int32_t n);

// Lower-case hex of the 32-bit pattern read as unsigned, no prefix, no leading zeros.
std::string IntegerToHexText(std::int32_t n);

// "%2d": decimal right-aligned in two characters (clock fields 0..99).
std::string TwoDigitFieldText(int n);
