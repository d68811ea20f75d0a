#include "codes/DirectText.h"

void DirectText::PutDecimal(std::uint64_t value, std::size_t minWidth) {
    // The fields of dates and times: two digits, and four for a year.
    if (value < 100 && minWidth <= 2) {
        if (value >= 10 || minWidth == 2) {
            Put(static_cast<char>('0' + value / 10));
        }
        Put(static_cast<char>('0' + value % 10));
        return;
    }
    if (value >= 1000 && value < 10000 && minWidth <= 4) {
        Put(static_cast<char>('0' + value / 1000));
        Put(static_cast<char>('0' + value / 100 % 10));
        Put(static_cast<char>('0' + value / 10 % 10));
        Put(static_cast<char>('0' + value % 10));
        return;
    }
    char digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (std::size_t i = count; i < minWidth; ++i) {
        Put('0');
    }
    while (count > 0) {
        Put(digits[--count]);
    }
}
