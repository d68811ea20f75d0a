#include "codes/ExactDecimal.h"

std::optional<ExactDecimal> ExactDecimal::Read(std::string_view text, std::string_view point,
                                               bool signAllowed) {
    ExactDecimal number;
    std::size_t pos = 0;
    if (signAllowed && !text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative_ = text[0] == '-';
        pos = 1;
    }
    std::size_t digits = 0;
    bool pointSeen = false;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            if (++digits > kMostDigits) {
                return std::nullopt;
            }
            // Leading zeros are not held; every digit after the point moves it.
            if (c != '0' || number.count_ != 0) {
                number.digits_[number.count_++] = c;
            }
            if (pointSeen) {
                ++number.fraction_;
            }
            ++pos;
        } else if (!pointSeen && !point.empty() && text.substr(pos, point.size()) == point) {
            pointSeen = true;
            pos += point.size();
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return number;
}

void ExactDecimal::RoundTo(int decimals, bool truncate) {
    if (fraction_ <= decimals) {
        return;
    }
    const int dropped = fraction_ - decimals;
    fraction_ = decimals;
    if (dropped > count_) {
        // Below a tenth of the last place kept: rounds to zero either way.
        count_ = 0;
        return;
    }
    const bool up = !truncate && digits_[count_ - dropped] >= '5';
    count_ -= dropped;
    if (!up) {
        return;
    }
    int at = count_ - 1;
    while (at >= 0 && digits_[at] == '9') {
        digits_[at--] = '0';
    }
    if (at >= 0) {
        ++digits_[at];
        return;
    }
    // All nines (or no digit kept at all): one more leading digit.
    for (int i = count_; i > 0; --i) {
        digits_[i] = digits_[i - 1];
    }
    digits_[0] = '1';
    ++count_;
}

int ExactDecimal::DigitAt(int power) const {
    const int index = count_ - 1 - (power + fraction_);
    return index >= 0 && index < count_ ? digits_[index] - '0' : 0;
}

int ExactDecimal::IntegerDigits() const {
    const int highest = count_ - 1 - fraction_;
    return count_ == 0 || highest < 0 ? 1 : highest + 1;
}
