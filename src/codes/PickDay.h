#pragma once
// Pick day numbers (day 0 is 31 December 1967) over the calendar's supported range, 1 January
// 0001 to 31 December 9999, on the base calendar's day serials.

#include <cstdint>

inline constexpr std::int64_t kFirstPickDay = -718430;  // 1 January 0001
inline constexpr std::int64_t kLastPickDay = 2933628;   // 31 December 9999

inline bool IsPickDayInRange(std::int64_t day) {
    return day >= kFirstPickDay && day <= kLastPickDay;
}

struct PickDate {
    int year = 0;
    int month = 0;    // 1..12
    int day = 0;      // 1..31
    int weekday = 0;  // Monday 1 .. Sunday 7
};

// The calendar day of a Pick day of the supported range.
PickDate DecodePickDay(std::int64_t day);
// The Pick day of a calendar day; a day past the end of its month counts on into the next.
std::int64_t PickDayOf(std::int64_t year, std::int64_t month, std::int64_t day);
// 1..366.
int DayOfYear(const PickDate& date);
// 1..4.
inline int QuarterOf(int month) {
    return (month + 2) / 3;
}
