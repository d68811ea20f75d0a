#pragma once
// Decimal digit runs read against a ceiling, and numbers written without a format string: the
// checked arithmetic that text rules over numbers of any length need. The common cases are
// inline because bulk conversions call them for every field of every value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The value of a run of decimal digits (no sign, no blanks), or nothing when the run is empty,
// holds another character, or its value passes the ceiling. Leading zeros are free and the
// reading stops at the first step past the ceiling, so a run of any length is safe.
inline std::optional<std::uint64_t> ParseDecimalDigits(std::string_view digits,
                                                       std::uint64_t ceiling) {
    if (digits.empty()) {
        return std::nullopt;
    }
    // value * 10 + digit <= ceiling, tested without a division per digit and without computing
    // anything that could wrap.
    const std::uint64_t tenth = ceiling / 10;
    const std::uint64_t lastDigit = ceiling % 10;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const auto digit = static_cast<std::uint64_t>(static_cast<unsigned char>(c) - '0');
        if (digit > 9 || value > tenth || (value == tenth && digit > lastDigit)) {
            return std::nullopt;
        }
        value = value * 10 + digit;
    }
    return value;
}

// Appends the decimal digits of any value, zero-padded to at least minWidth digits.
void AppendDecimalDigits(std::string& out, std::uint64_t value, std::size_t minWidth);

// The same, with the one- and two-digit fields of dates and times written directly.
inline void AppendDecimal(std::string& out, std::uint64_t value, std::size_t minWidth = 1) {
    if (value < 100 && minWidth <= 2) {
        if (value >= 10 || minWidth == 2) {
            out.push_back(static_cast<char>('0' + value / 10));
        }
        out.push_back(static_cast<char>('0' + value % 10));
        return;
    }
    AppendDecimalDigits(out, value, minWidth);
}

// Appends a signed value ('-' and its magnitude), defined for every 64-bit value.
void AppendSignedDecimal(std::string& out, std::int64_t value);
