#pragma once
// Clock and regional settings that date tests set up for the length of one test.

#include <string>

#include "base/Clock.h"
#include "convert/RegionalSettings.h"

inline ClockSource FixedClock(int year, int month = 6, int day = 15) {
    return [year, month, day] {
        LocalClockReading reading;
        reading.year = year;
        reading.month = month;
        reading.day = day;
        reading.hour = 16;
        reading.minute = 59;
        reading.second = 19;
        reading.millisecond = 987;
        return reading;
    };
}

inline RegionalDateSettings DateSettings(std::string shortPattern, char separator) {
    RegionalDateSettings settings;
    settings.shortDatePattern = std::move(shortPattern);
    settings.dateSeparator = separator;
    return settings;
}
