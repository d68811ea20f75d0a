#pragma once
// Dates as people write them ("12/8/2026", "dec 8 26", "8DEC26", "20261208"), read into Pick
// days: the reading of the date code's ICONV and of pick's DI.

#include <cstdint>
#include <string_view>

#include "codes/ConversionCode.h"
#include "codes/DateCode.h"

struct DateReadRules {
    Dialect dialect = Dialect::Universe;
    DateOrder order = kMonthDayYear;
    int currentYear = 1970;
};

// The STATUS of reading text (without spaces around it, not empty) into day: 0, 1 when it is no
// date, or 3 when universe rolled a day past the end of its month into the next.
int ReadDateText(std::string_view text, const DateReadRules& rules, std::int64_t& day);
