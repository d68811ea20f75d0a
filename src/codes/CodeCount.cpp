#include "codes/CodeCount.h"

#include <cstdint>

namespace {

std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    return digits;
}

}  // namespace

CodeCount TakeCount(CodeReader& reader) {
    const std::size_t start = reader.Position();
    constexpr std::size_t kMost = SIZE_MAX;
    std::size_t value = 0;
    while (reader.AtDigit()) {
        const auto digit = static_cast<std::size_t>(reader.TakeDigit());
        value = value > (kMost - digit) / 10 ? kMost : value * 10 + digit;
    }
    return {value, reader.Code().substr(start, reader.Position() - start)};
}

bool CountAtMost(const CodeCount& a, const CodeCount& b) {
    const std::string_view left = WithoutLeadingZeros(a.digits);
    const std::string_view right = WithoutLeadingZeros(b.digits);
    if (left.size() != right.size()) {
        return left.size() < right.size();
    }
    return left <= right;
}
