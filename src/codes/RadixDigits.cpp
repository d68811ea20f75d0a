#include "codes/RadixDigits.h"

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

std::optional<std::uint64_t> ParseRadixDigits(std::string_view digits, unsigned radix,
                                              std::uint64_t ceiling) {
    if (digits.empty()) {
        return std::nullopt;
    }
    // value * radix + digit <= ceiling, tested without a division per digit.
    const std::uint64_t part = ceiling / radix;
    const std::uint64_t lastDigit = ceiling % radix;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c);
        if (digit < 0 || static_cast<unsigned>(digit) >= radix) {
            return std::nullopt;
        }
        const auto d = static_cast<std::uint64_t>(digit);
        if (value > part || (value == part && d > lastDigit)) {
            return std::nullopt;
        }
        value = value * radix + d;
    }
    return value;
}

void AppendRadixDigits(std::string& out, std::uint64_t value, unsigned radix,
                       std::size_t minWidth) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[64];
    std::size_t pos = sizeof buffer;
    do {
        buffer[--pos] = kDigits[value % radix];
        value /= radix;
    } while (value != 0);
    // A byte's digit group is at most eight wide, so padding always fits the buffer.
    while (sizeof buffer - pos < minWidth && pos > 0) {
        buffer[--pos] = '0';
    }
    out.append(buffer + pos, sizeof buffer - pos);
}
