#include "cli/TimeForms.h"

#include <limits>
#include <vector>

#include "cli/DayForms.h"
#include "convert/ConvertError.h"
#include "convert/PickTime.h"

namespace {

constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();

bool ReadUnsigned(std::string_view text, std::size_t maxDigits, std::int64_t& value) {
    if (text.empty() || text.size() > maxDigits || text[0] == '+' || text[0] == '-') {
        return false;
    }
    return ReadDecimal(text, value);
}

std::string TwoDigits(std::int32_t n) {
    std::string text = std::to_string(n);
    return text.size() < 2 ? "0" + text : text;
}

}  // namespace

std::int32_t ReadTime(std::string_view text) {
    std::int64_t value = 0;
    if (text.find(':') == std::string_view::npos) {
        if (!ReadDecimal(text, value)) {
            RaiseConvertError(text, " is not a time (seconds, H:MM or H:MM:SS)");
        }
    } else {
        std::vector<std::string_view> parts;
        std::size_t start = 0;
        for (std::size_t colon; (colon = text.find(':', start)) != std::string_view::npos;) {
            parts.push_back(text.substr(start, colon - start));
            start = colon + 1;
        }
        parts.push_back(text.substr(start));
        std::int64_t hours = 0;
        std::int64_t minutes = 0;
        std::int64_t seconds = 0;
        const bool read = parts.size() <= 3 && ReadUnsigned(parts[0], 10, hours) &&
                          ReadUnsigned(parts[1], 2, minutes) &&
                          (parts.size() == 2 || ReadUnsigned(parts[2], 2, seconds));
        if (!read) {
            RaiseConvertError(text, " is not a time (seconds, H:MM or H:MM:SS)");
        }
        if (minutes > 59 || seconds > 59) {
            RaiseConvertError(text, " has minutes or seconds beyond 59");
        }
        value = JoinPickTime(hours, minutes, seconds);
    }
    if (value < kLowest || value > kHighest) {
        RaiseConvertError(text, " is beyond the 32-bit range of seconds");
    }
    return static_cast<std::int32_t>(value);
}

std::string TimeText(std::int32_t seconds) {
    const TimeParts parts = SplitPickTime(seconds);
    // The parts all carry the time's sign; it is shown once, in front.
    const auto magnitude = [](std::int32_t n) { return n < 0 ? -n : n; };
    std::string text = seconds < 0 ? "-" : "";
    text += std::to_string(magnitude(parts.hours));
    text += ':';
    text += TwoDigits(magnitude(parts.minutes));
    text += ':';
    text += TwoDigits(magnitude(parts.seconds));
    return text;
}
