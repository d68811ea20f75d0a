#include "codes/ValueText.h"

#include "base/DecimalText.h"

namespace {

constexpr auto kCeiling = static_cast<std::uint64_t>(kLargestMagnitude);

struct SignedText {
    bool negative = false;
    std::string_view digits;
};

SignedText SplitSign(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        return {text[0] == '-', text.substr(1)};
    }
    return {false, text};
}

std::int64_t Signed(std::uint64_t magnitude, bool negative) {
    // magnitude <= INT64_MAX, so both signs fit.
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

}  // namespace

std::string_view TrimSpaces(std::string_view text) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && text[first] == ' ') {
        ++first;
    }
    while (end > first && text[end - 1] == ' ') {
        --end;
    }
    return text.substr(first, end - first);
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::optional<IntegerReading> ReadIntegerValue(std::string_view text) {
    const SignedText number = SplitSign(text);
    const std::string_view digits = number.digits;
    // The whole part, read up to the first character that is not a digit, in one pass; the
    // bound needs checking only past the digits that can never reach it.
    constexpr std::size_t kSafeDigits = 18;
    constexpr std::uint64_t kTenth = kCeiling / 10;
    constexpr std::uint64_t kLastDigit = kCeiling % 10;
    std::uint64_t magnitude = 0;
    std::size_t pos = 0;
    for (; pos < digits.size(); ++pos) {
        const auto digit =
            static_cast<std::uint64_t>(static_cast<unsigned char>(digits[pos]) - '0');
        if (digit > 9) {
            break;
        }
        if (pos >= kSafeDigits &&
            (magnitude > kTenth || (magnitude == kTenth && digit > kLastDigit))) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (pos == digits.size()) {
        if (pos == 0) {
            return std::nullopt;
        }
        return IntegerReading{Signed(magnitude, number.negative), false};
    }
    // A decimal: its fraction, with at least one digit on either side of the point.
    if (digits[pos] != '.' || (pos == 0 && pos + 1 == digits.size())) {
        return std::nullopt;
    }
    bool fractionDropped = false;
    for (const char c : digits.substr(pos + 1)) {
        if (!IsAsciiDigit(c)) {
            return std::nullopt;
        }
        fractionDropped = fractionDropped || c != '0';
    }
    return IntegerReading{Signed(magnitude, number.negative), fractionDropped};
}

std::optional<std::int64_t> ReadStrictInteger(std::string_view text) {
    const SignedText number = SplitSign(text);
    const auto magnitude = ParseDecimalDigits(number.digits, kCeiling);
    if (!magnitude) {
        return std::nullopt;
    }
    return Signed(*magnitude, number.negative);
}

int StatusOfReading(const IntegerReading& reading) {
    return reading.fractionDropped ? kStatusSuspect : kStatusConverted;
}
