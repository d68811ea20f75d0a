#include "codes/PickDay.h"

#include "base/Calendar.h"
#include "base/DateTime.h"

PickDate DecodePickDay(std::int64_t day) {
    const CalendarDay calendar = DecodeDaySerial(day + PICK_EPOCH_OFFSET);
    // The calendar counts Sunday 0 .. Saturday 6.
    const int weekday = calendar.dayOfWeek == 0 ? 7 : calendar.dayOfWeek;
    return PickDate{calendar.year, calendar.month, calendar.day, weekday};
}

std::int64_t PickDayOf(std::int64_t year, std::int64_t month, std::int64_t day) {
    return DaySerial(year, month, day) - PICK_EPOCH_OFFSET;
}

int DayOfYear(const PickDate& date) {
    static constexpr int kDaysBeforeMonth[12] = {0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
    const int leapDay = date.month > 2 && IsLeapYear(date.year) ? 1 : 0;
    return kDaysBeforeMonth[date.month - 1] + leapDay + date.day;
}
