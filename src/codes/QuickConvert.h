#pragma once
// The direct path of the most used codes for the value most data holds: an integer day written
// as a numeric or default date (D4-, D2/, D), an integer time of day as a clock (MT, MTS), a
// Pick day as a PC serial, and a stored integer as a decimal without a mask (MD2, MD2,$). Such a
// value is read and written in one pass, straight onto the end of the output, with the calendar and
// two-digit fields taken from tables. Any other value, and every other code, is left to the general
// path, which gives the same result more slowly.

#include <cstdint>
#include <string>
#include <string_view>

struct ParsedCode;

// Appends the OCONV result of value and gives its STATUS when the direct path takes it; false,
// with out untouched, when it does not.
bool QuickOconv(const ParsedCode& code, std::string_view value, std::string& out, int& status);

// The calendar day of a Pick day of the supported range, by multiplications and shifts only.
struct QuickDate {
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    std::uint32_t day = 0;
};
QuickDate QuickDateOf(std::int32_t pickDay);
