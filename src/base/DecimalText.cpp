#include "base/DecimalText.h"

void AppendDecimalDigits(std::string& out, std::uint64_t value, std::size_t minWidth) {
    // Digits and padding are built in place, so the string grows once.
    char buffer[32];
    std::size_t pos = sizeof buffer;
    do {
        buffer[--pos] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    const std::size_t length = sizeof buffer - pos;
    if (minWidth > length) {
        const std::size_t padding = minWidth - length;
        if (padding <= pos) {
            while (sizeof buffer - pos < minWidth) {
                buffer[--pos] = '0';
            }
        } else {
            out.append(padding, '0');
        }
    }
    out.append(buffer + pos, sizeof buffer - pos);
}

void AppendSignedDecimal(std::string& out, std::int64_t value) {
    if (value < 0) {
        out.push_back('-');
        // The magnitude in unsigned arithmetic, where even the most negative value has one.
        AppendDecimal(out, 0 - static_cast<std::uint64_t>(value));
        return;
    }
    AppendDecimal(out, static_cast<std::uint64_t>(value));
}
