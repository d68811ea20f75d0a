#pragma once
// Calendar arithmetic on day serials (day 0 = 30 December 1899) in the proleptic Gregorian
// calendar, shared by the window's date rules, the date picker and the conversion codes.

#include <cstdint>

#include "base/DateTime.h"

// a / b rounded toward negative infinity, and the matching remainder (0 <= r < |b| for b > 0).
// Inline, so that the constant divisors of the calendar compile to multiplications.
inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

inline std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

bool IsLeapYear(int year);
// Days in a month of a year; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// The day serial of a calendar day. Months and days outside their ranges are counted on from the
// start of the year and month (day 0 is the day before the 1st); years of any sign are allowed
// as long as the result fits, which holds for years within a billion of the present.
std::int64_t DaySerial(std::int64_t year, std::int64_t month, std::int64_t day);

struct CalendarDay {
    int year;
    int month;      // 1..12
    int day;        // 1..31
    int dayOfWeek;  // 0 = Sunday .. 6 = Saturday
};
// The calendar day of a day serial, held to about a billion years either side.
CalendarDay DecodeDaySerial(std::int64_t serial);

// The TDateTime of a calendar day, no validation beyond the arithmetic.
TDateTime EncodeDate(int year, int month, int day);
// The calendar day of the whole day of d (truncated toward zero).
CalendarDay DecodeDate(TDateTime d);
// The whole day of d, truncated toward zero (so a day before 30 December 1899 keeps its serial
// although its time of day is subtracted). Values beyond any calendar are held to about a billion
// years either side, and a value that is not a number gives day 0.
std::int64_t WholeDayOf(TDateTime d);
