#pragma once
// A day as `quorlin day` and `diff` read and show it: the Pick day number, the PC day serial,
// the ISO date and the weekday, within 1 January 0001 to 31 December 9999.

#include <cstdint>
#include <string>
#include <string_view>

struct CalendarDate {
    int year = 1970;
    int month = 1;
    int day = 1;
};

inline constexpr std::int64_t kFirstPickDay = -718430;  // 1 January 0001
inline constexpr std::int64_t kLastPickDay = 2933628;   // 31 December 9999

// The Pick day of a Pick day number ("21527"), a PC day serial ("pc:46364"), an ISO date
// ("2026-12-08") or "today". Raises EConvertError naming the text and what is wrong.
std::int64_t ReadDay(std::string_view text, const CalendarDate& today);

// The Pick day of a calendar date; EConvertError when the date is outside the day range.
std::int64_t PickDayOf(const CalendarDate& date);

struct DayForms {
    std::int64_t pick = 0;
    std::int64_t pc = 0;
    std::string iso;      // YYYY-MM-DD
    std::string weekday;  // Mon .. Sun
};
DayForms DescribeDay(std::int64_t pickDay);

// "YYYY-MM-DD" as a date (no range check beyond the calendar's); false when it is not one.
bool ReadIsoDate(std::string_view text, CalendarDate& date);

// A decimal integer: optional sign and 1 to 18 digits, nothing else.
bool ReadDecimal(std::string_view text, std::int64_t& value);
