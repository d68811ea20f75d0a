#include <cstdint>

#include "base/DecimalText.h"
#include "codes/TimeCode.h"
#include "codes/ValueText.h"

namespace {

enum class Suffix : unsigned char { None, Am, Pm };

constexpr std::size_t kMostBareDigits = 6;
constexpr std::size_t kMostNumbers = 4;
constexpr std::uint64_t kLastClockHour = 23;
constexpr std::uint64_t kLastMinute = 59;
// Elapsed hours are read as far as the total still fits a signed 64-bit count: the hours
// alone first, so that the unsigned total cannot wrap, then the total.
constexpr std::uint64_t kLargestTotal = INT64_MAX;
constexpr std::uint64_t kMostElapsedHours = kLargestTotal / 3600;
constexpr std::uint64_t kMostElapsedHoursInMilliseconds = kLargestTotal / 3600000;

// Removes a trailing AM, PM, A or P (any case), and one space before it.
Suffix TakeSuffix(std::string_view& text) {
    const std::size_t size = text.size();
    const char last = AsciiUpper(text[size - 1]);
    const char beforeLast = size >= 2 ? AsciiUpper(text[size - 2]) : '\0';
    Suffix suffix = Suffix::None;
    if (last == 'M' && (beforeLast == 'A' || beforeLast == 'P')) {
        suffix = beforeLast == 'A' ? Suffix::Am : Suffix::Pm;
        text.remove_suffix(2);
    } else if (last == 'A' || last == 'P') {
        suffix = last == 'A' ? Suffix::Am : Suffix::Pm;
        text.remove_suffix(1);
    } else {
        return Suffix::None;
    }
    if (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return suffix;
}

struct ClockFields {
    std::string_view hours;
    std::string_view minutes;
    std::string_view seconds;
    std::string_view fraction;
};

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (!IsAsciiDigit(c)) {
            return false;
        }
    }
    return true;
}

// Bare digits: H, HH, H(H)MM or H(H)MMSS.
bool SplitBareDigits(std::string_view digits, ClockFields& fields) {
    const std::size_t length = digits.size();
    if (length > kMostBareDigits) {
        return false;
    }
    const std::size_t hourDigits = length <= 2 ? length : (length <= 4 ? length - 2 : length - 4);
    fields.hours = digits.substr(0, hourDigits);
    if (length > 2) {
        fields.minutes = digits.substr(hourDigits, 2);
    }
    if (length > 4) {
        fields.seconds = digits.substr(hourDigits + 2, 2);
    }
    return true;
}

// Two or three numbers joined by single separator characters; a fourth, when allowed, is a
// fraction of the second.
bool SplitNumbers(std::string_view text, bool fractionAllowed, ClockFields& fields) {
    std::string_view numbers[kMostNumbers];
    std::size_t count = 0;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t start = pos;
        while (pos < text.size() && IsAsciiDigit(text[pos])) {
            ++pos;
        }
        if (pos == start || count == kMostNumbers) {
            return false;
        }
        numbers[count++] = text.substr(start, pos - start);
        if (pos == text.size()) {
            break;
        }
        const char separator = text[pos];
        if (IsAsciiLetter(separator) || static_cast<unsigned char>(separator) >= 0x80) {
            return false;
        }
        ++pos;
    }
    if (count < 2 || (count == kMostNumbers && !fractionAllowed)) {
        return false;
    }
    fields.hours = numbers[0];
    fields.minutes = numbers[1];
    fields.seconds = count > 2 ? numbers[2] : std::string_view{};
    fields.fraction = count > 3 ? numbers[3] : std::string_view{};
    return true;
}

// A minute or second field: absent (0), or 1..2 digits of 0..59.
bool SixtiethsField(std::string_view digits, std::uint64_t& value) {
    if (digits.empty()) {
        value = 0;
        return true;
    }
    if (digits.size() > 2) {
        return false;
    }
    const auto read = ParseDecimalDigits(digits, kLastMinute);
    value = read.value_or(0);
    return read.has_value();
}

// 1..3 digits of a second, as milliseconds (".5" is 500).
bool MillisecondsField(std::string_view digits, std::uint64_t& value) {
    value = 0;
    if (digits.size() > 3) {
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        value = value * 10 + (i < digits.size() ? static_cast<std::uint64_t>(digits[i] - '0') : 0);
    }
    return true;
}

}  // namespace

int TimeCode::Iconv(std::string_view text, std::string& out) const {
    const bool universe = dialect == Dialect::Universe;
    const Suffix suffix = TakeSuffix(text);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        if (!universe) {
            return kStatusBadInput;
        }
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return kStatusBadInput;
    }
    ClockFields fields;
    const bool split = AllDigits(text) ? SplitBareDigits(text, fields)
                                       : SplitNumbers(text, universe && milliseconds, fields);
    if (!split) {
        return kStatusBadInput;
    }
    // Universe reads elapsed hours unless a suffix makes it a clock.
    const bool clock = !universe || suffix != Suffix::None;
    const std::uint64_t mostHours =
        clock ? kLastClockHour
              : (milliseconds ? kMostElapsedHoursInMilliseconds : kMostElapsedHours);
    const auto hoursRead = ParseDecimalDigits(fields.hours, mostHours);
    std::uint64_t minutes = 0;
    std::uint64_t seconds = 0;
    std::uint64_t fraction = 0;
    if (!hoursRead || !SixtiethsField(fields.minutes, minutes) ||
        !SixtiethsField(fields.seconds, seconds) || !MillisecondsField(fields.fraction, fraction)) {
        return kStatusBadInput;
    }
    std::uint64_t hours = *hoursRead;
    if (suffix == Suffix::Pm && hours < 12) {
        hours += 12;
    } else if (suffix == Suffix::Am && hours == 12) {
        hours = 0;
    }
    std::uint64_t total = hours * 3600 + minutes * 60 + seconds;
    if (milliseconds) {
        total = total * 1000 + fraction;
    }
    if (total > kLargestTotal) {
        return kStatusBadInput;
    }
    const auto magnitude = static_cast<std::int64_t>(total);
    AppendSignedDecimal(out, negative ? -magnitude : magnitude);
    return kStatusConverted;
}
