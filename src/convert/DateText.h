#pragma once
// Date text rules under the regional date settings.

#include <cstdint>
#include <string>
#include <string_view>

#include "DateTime.h"

// Reads a date in the order of the short-date pattern (see the rules in DateText.cpp). Raises
// EConvertError "'<text>' is not a valid date".
TDateTime TextToDate(std::string_view text);
// The same rules under the given short-date pattern and date separator instead of the user's.
TDateTime TextToDateUnder(std::string_view text, std::string_view shortDatePattern,
                          char dateSeparator);

// Writes the date part of d through the short-date pattern.
std::string DateToText(TDateTime d);

// The TDateTime of a calendar day (proleptic Gregorian), no validation beyond the arithmetic.
TDateTime EncodeDate(int year, int month, int day);
// Splits the whole day of d (truncated toward zero) into year, month, day and day of week
// (0 = Sunday).
struct CalendarDay {
    int year;
    int month;
    int day;
    int dayOfWeek;
};
CalendarDay DecodeDate(TDateTime d);
// The whole day of d, truncated toward zero (so a day before 30 December 1899 keeps its serial
// although its time of day is subtracted). Values beyond any calendar are held to about a million
// years either side, and a value that is not a number gives day 0.
std::int64_t WholeDayOf(TDateTime d);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
