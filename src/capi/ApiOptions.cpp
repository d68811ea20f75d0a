#include "capi/ApiOptions.h"

#include <cstddef>

#include "base/Calendar.h"
#include "base/Clock.h"

namespace {

// Whether the caller's struct is long enough to hold the field that ends at `end`.
bool Holds(const quorlin_options& options, std::size_t end) {
    return options.size >= end;
}

bool ReadToday(const quorlin_options& options, CivilDate& today) {
    const int year = options.today_year;
    const int month = options.today_month;
    const int day = options.today_day;
    if (year == 0 && month == 0 && day == 0) {
        const LocalClockReading now = ReadLocalClock();
        today = CivilDate{now.year, now.month, now.day};
        return true;
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return false;
    }
    today = CivilDate{year, month, day};
    return true;
}

}  // namespace

bool ReadApiOptions(const quorlin_options* options, CodeOptions& out) {
    quorlin_options defaults{};
    defaults.size = sizeof defaults;
    const quorlin_options& given = options == nullptr ? defaults : *options;
    if (!Holds(given, offsetof(quorlin_options, encoding) + sizeof given.encoding)) {
        return false;
    }
    if (given.dialect != QUORLIN_UNIVERSE && given.dialect != QUORLIN_PICK) {
        return false;
    }
    if (given.encoding != QUORLIN_BYTES && given.encoding != QUORLIN_UTF8) {
        return false;
    }
    out.dialect = given.dialect == QUORLIN_PICK ? Dialect::Pick : Dialect::Universe;
    out.european = given.european != 0;
    out.encoding = given.encoding == QUORLIN_UTF8 ? Encoding::Utf8 : Encoding::Bytes;
    return ReadToday(given, out.today);
}
