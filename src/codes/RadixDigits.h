#pragma once
// Digits of the radix codes: hexadecimal (read in either case, written upper case), octal and
// binary.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The value of a digit run in the radix (16, 8 or 2), or nothing when the run is empty, holds a
// character that is no digit of it, or passes the ceiling; leading zeros are free.
std::optional<std::uint64_t> ParseRadixDigits(std::string_view digits, unsigned radix,
                                              std::uint64_t ceiling);

// Appends the digits of a value in the radix, zero-padded to at least minWidth digits.
void AppendRadixDigits(std::string& out, std::uint64_t value, unsigned radix,
                       std::size_t minWidth = 1);
