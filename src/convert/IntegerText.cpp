#include "convert/IntegerText.h"

#include <cstdint>
#include <optional>

#include "base/Exception.h"
#include "convert/ConvertError.h"

namespace {

[[noreturn]] void RaiseNotAnInteger(std::string_view text) {
    RaiseConvertError(text, " is not a valid integer value");
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Decimal digits up to the end of the text; the magnitude may reach 2^31 only when negative.
std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
    if (digits.empty()) {
        return std::nullopt;
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        // Stopping as soon as the bound is passed keeps the accumulator far from wrapping,
        // however long the digit run.
        if (value > limit) {
            return std::nullopt;
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(value));
    }
    return static_cast<std::int32_t>(value);
}

// Hex digits up to the end of the text, leading zeros free, at most eight significant digits;
// the 32-bit pattern is read as a signed number.
std::optional<std::int32_t> ParseHex(std::string_view digits) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        if (significant > 0 || digit != 0) {
            ++significant;
        }
        if (significant > 8) {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    const std::string_view rest = text.substr(pos);
    if (rest.empty()) {
        return std::nullopt;
    }
    const char first = rest[0];
    if (first == '-' || first == '+') {
        return ParseDecimal(rest.substr(1), first == '-');
    }
    if (first == '$' || first == 'x' || first == 'X') {
        return ParseHex(rest.substr(1));
    }
    if (first == '0' && rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X')) {
        return ParseHex(rest.substr(2));
    }
    return ParseDecimal(rest, false);
}

}  // namespace

std::int32_t TextToInteger(std::string_view text) {
    const std::optional<std::int32_t> value = ParseInteger(text);
    if (!value) {
        RaiseNotAnInteger(text);
    }
    return *value;
}

std::string IntegerToText(std::int32_t n) {
    // Work on the magnitude in 64 bits so that the most negative value has a magnitude too.
    std::int64_t wide = n;
    const bool negative = wide < 0;
    std::uint64_t magnitude = static_cast<std::uint64_t>(negative ? -wide : wide);
    char buffer[12];
    std::size_t pos = sizeof buffer;
    do {
        buffer[--pos] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) {
        buffer[--pos] = '-';
    }
    return std::string(buffer + pos, sizeof buffer - pos);
}

std::string IntegerToHexText(std::int32_t n) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::uint32_t pattern = static_cast<std::uint32_t>(n);
    char buffer[8];
    std::size_t pos = sizeof buffer;
    do {
        buffer[--pos] = kDigits[pattern & 0xFu];
        pattern >>= 4;
    } while (pattern != 0);
    return std::string(buffer + pos, sizeof buffer - pos);
}

std::string TwoDigitFieldText(int n) {
    std::string text = IntegerToText(static_cast<std::int32_t>(n));
    if (text.size() < 2) {
        text.insert(text.begin(), ' ');
    }
    return text;
}
