#include "base/Calendar.h"

#include <cmath>

namespace {

// 30 December 1899 counted from 1 March of year 0 in the proleptic Gregorian calendar, so that
// day serials can be computed by whole-era arithmetic (an era is 400 years of 146097 days).
constexpr std::int64_t kDaysBeforeEpoch = 693899;
constexpr std::int64_t kDaysPerEra = 146097;
// Serials are held to this many days either side (over a billion years), whose years still
// fit an int.
constexpr std::int64_t kFarthestDay = 500000000000;

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return kDays[month - 1];
}

std::int64_t DaySerial(std::int64_t year, std::int64_t month, std::int64_t day) {
    // Whole years out of the month first, so that any month number counts on from January.
    year += FloorDiv(month - 1, 12);
    month = FloorMod(month - 1, 12) + 1;
    // Months counted from March, so that the leap day ends the year.
    const std::int64_t shiftedYear = month <= 2 ? year - 1 : year;
    const std::int64_t era = FloorDiv(shiftedYear, 400);
    const std::int64_t yearOfEra = shiftedYear - era * 400;
    const std::int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - kDaysBeforeEpoch;
}

CalendarDay DecodeDaySerial(std::int64_t serial) {
    if (serial > kFarthestDay) {
        serial = kFarthestDay;
    } else if (serial < -kFarthestDay) {
        serial = -kFarthestDay;
    }
    const std::int64_t z = serial + kDaysBeforeEpoch;
    const std::int64_t era = FloorDiv(z, kDaysPerEra);
    const std::int64_t dayOfEra = z - era * kDaysPerEra;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const std::int64_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    // Day 0 was a Saturday.
    const std::int64_t dayOfWeek = FloorMod(serial + 6, 7);
    return CalendarDay{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day),
                       static_cast<int>(dayOfWeek)};
}

TDateTime EncodeDate(int year, int month, int day) {
    return static_cast<TDateTime>(DaySerial(year, month, day));
}

CalendarDay DecodeDate(TDateTime d) {
    return DecodeDaySerial(WholeDayOf(d));
}

std::int64_t WholeDayOf(TDateTime d) {
    constexpr double kFarthest = static_cast<double>(kFarthestDay);
    if (std::isnan(d)) {
        return 0;
    }
    if (d > kFarthest) {
        return kFarthestDay;
    }
    if (d < -kFarthest) {
        return -kFarthestDay;
    }
    return static_cast<std::int64_t>(std::trunc(d));
}
