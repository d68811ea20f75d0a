// DateToText under any short- and long-date patterns (quotes, long runs, every element, patterns
// that name themselves), any separator and names, for any date value (NaN, infinities and days
// far outside the calendar included): no crash, and output bounded by the pattern. The time of
// day never shows, text without elements is copied, quoted text loses only its quotes, and every
// day of the years 1 to 9999 written in full reads back.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/Calendar.h"
#include "convert/DateText.h"
#include "convert/RegionalSettings.h"

namespace {

// 1 January 1 and 31 December 9999 as day serials.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kLastDay = 2958465;

std::string MakePattern(FuzzInput& input, std::size_t maxElements) {
    static constexpr const char* kElements[] = {
        "d",    "dd",     "ddd", "dddd", "ddddd", "dddddd", "ddddddd",  "m",         "mm", "mmm",
        "mmmm", "mmmmmm", "y",   "yy",   "yyy",   "yyyy",   "yyyyyyyy", "g",         "gg", "e",
        "ee",   "/",      "//",  "'",    "\"",    "'text'", "\"d\"",    "'unclosed", "D",  "M",
        "Y",    "dD",     "mM",  " ",    ",",     "-",      "."};
    if (input.Bool()) {
        return input.Text(maxElements * 4);
    }
    std::string pattern;
    for (std::size_t n = input.Range<std::size_t>(0, maxElements); n > 0; --n) {
        pattern += input.Pick(kElements);
    }
    return pattern;
}

TDateTime MakeDate(FuzzInput& input) {
    switch (input.Byte() % 3) {
        case 0: {
            // Any double at all.
            std::uint64_t bits = input.Range<std::uint64_t>(0, UINT64_MAX);
            TDateTime d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        case 1:
            return static_cast<TDateTime>(input.Range(kFirstDay, kLastDay)) + input.Byte() / 256.0;
        default:
            return static_cast<TDateTime>(input.Range(kFirstDay, kLastDay)) - input.Byte() / 256.0;
    }
}

bool HasElementOrQuote(const std::string& pattern) {
    return pattern.find_first_of("dDmMyYgGeE/'\"") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    RegionalDateSettings settings;
    settings.shortDatePattern = MakePattern(input, 12);
    settings.longDatePattern = MakePattern(input, 8);
    settings.dateSeparator = static_cast<char>(input.Byte());
    settings.shortMonthNames[input.Byte() % 12] = input.Text(20);
    settings.longDayNames[input.Byte() % 7] = input.Text(20);
    const TDateTime date = MakeDate(input);
    const ScopedRegionalSettings regional(settings);

    const std::string text = DateToText(date);
    // Each element writes at most a name or a year's digits, and ddddd or dddddd a whole pattern
    // once more (a pattern inside a pattern writes no further patterns).
    std::size_t longestName = 12;
    for (const auto* names : {&settings.shortMonthNames, &settings.longMonthNames}) {
        for (const std::string& name : *names) {
            longestName = std::max(longestName, name.size());
        }
    }
    for (const auto* names : {&settings.shortDayNames, &settings.longDayNames}) {
        for (const std::string& name : *names) {
            longestName = std::max(longestName, name.size());
        }
    }
    const std::size_t shortLength = settings.shortDatePattern.size();
    const std::size_t inner = std::max(shortLength, settings.longDatePattern.size());
    const std::size_t bound = longestName * (shortLength + shortLength / 5 * inner);
    const std::string context = "pattern " + Escaped(settings.shortDatePattern) + " long " +
                                Escaped(settings.longDatePattern) + " gave " +
                                std::to_string(text.size()) + " bytes";
    FuzzCheck(text.size() <= bound, "DateToText writes at most its elements' longest forms",
              context);

    if (std::isfinite(date) && std::fabs(date) < 1e15) {
        FuzzCheck(DateToText(std::trunc(date)) == text, "DateToText ignores the time of day",
                  context);
    }
    if (!HasElementOrQuote(settings.shortDatePattern)) {
        FuzzCheck(text == settings.shortDatePattern, "text without elements is copied", context);
    }

    // Quoted text is copied without its quotes.
    std::string plain = settings.shortDatePattern;
    std::erase(plain, '\'');
    RegionalDateSettings quoted = settings;
    quoted.shortDatePattern = "'" + plain + "'";
    {
        const ScopedRegionalSettings quotedSettings(quoted);
        FuzzCheck(DateToText(date) == plain, "quoted text loses only its quotes",
                  "quoted " + Escaped(quoted.shortDatePattern));
    }

    // Every day of the calendar, written in full, reads back as that day.
    const std::int64_t day = WholeDayOf(date);
    if (day >= kFirstDay && day <= kLastDay) {
        RegionalDateSettings full;
        full.shortDatePattern = "yyyy/mm/dd";
        full.dateSeparator = '-';
        const ScopedRegionalSettings fullSettings(full);
        const std::string written = DateToText(date);
        FuzzCheck(TextToDateUnder(written, "yyyy/mm/dd", '-') == static_cast<TDateTime>(day),
                  "a day written in full reads back", Escaped(written));
    }
    return 0;
}
