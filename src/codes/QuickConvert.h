#pragma once
// The direct path of the most used codes for the value most data holds: an integer day written
// as a numeric or default date (D4-, D2/, D), an integer time of day as a clock (MT, MTS), a
// Pick day as a PC serial, and a stored integer as a decimal without a mask (MD2, MD2,$). Such a
// value is read and written in one pass, straight onto the end of the output, with the calendar and
// two-digit fields taken from tables. Any other value, and every other code, is left to the general
// path, which gives the same result more slowly.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct ParsedCode;

// The most a direct result takes.
inline constexpr std::size_t kQuickRoom = 80;

// A code's direct path, picked once: write(rule, value, at) writes the OCONV result of value at
// `at`, where kQuickRoom bytes are free, and returns its end when it takes the value (its STATUS
// is then 0); nullptr when it does not. No write for a code without a direct path. It holds a
// pointer into the parsed code, which must outlive it.
struct QuickPath {
    char* (*write)(const void* rule, std::string_view value, char* at) = nullptr;
    const void* rule = nullptr;

    char* operator()(std::string_view value, char* at) const { return write(rule, value, at); }
};
QuickPath QuickPathOf(const ParsedCode& code);
// Every byte but the digits 0-9 that the code's direct results may hold: a caller that must
// treat some bytes specially (a delimiter, a quote) can tell once whether any result has them.
std::string QuickPathBytes(const ParsedCode& code);

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
