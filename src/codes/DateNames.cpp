#include "codes/DateNames.h"

#include "codes/ValueText.h"

namespace {

constexpr std::string_view kMonths[12] = {"JANUARY",   "FEBRUARY", "MARCH",    "APRIL",
                                          "MAY",       "JUNE",     "JULY",     "AUGUST",
                                          "SEPTEMBER", "OCTOBER",  "NOVEMBER", "DECEMBER"};
constexpr std::string_view kWeekdays[7] = {"MONDAY", "TUESDAY",  "WEDNESDAY", "THURSDAY",
                                           "FRIDAY", "SATURDAY", "SUNDAY"};
constexpr std::string_view kRomanMonths[12] = {"I",   "II",   "III", "IV", "V",  "VI",
                                               "VII", "VIII", "IX",  "X",  "XI", "XII"};
// Fewer letters could begin two months ("MA", "JU").
constexpr std::size_t kShortestMonthName = 3;

}  // namespace

std::string_view MonthName(int month) {
    return kMonths[month - 1];
}

std::string_view WeekdayName(int weekday) {
    return kWeekdays[weekday - 1];
}

std::string_view RomanMonth(int month) {
    return kRomanMonths[month - 1];
}

void PutName(DirectText& out, std::string_view name, std::size_t letters, bool titleCase) {
    if (letters != 0 && letters < name.size()) {
        name = name.substr(0, letters);
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool lower = titleCase && i > 0;
        out.Put(lower ? static_cast<char>(name[i] - 'A' + 'a') : name[i]);
    }
}

int MonthNamed(std::string_view letters) {
    if (letters.size() < kShortestMonthName) {
        return 0;
    }
    for (int month = 1; month <= 12; ++month) {
        const std::string_view name = kMonths[month - 1];
        if (letters.size() > name.size()) {
            continue;
        }
        bool begins = true;
        for (std::size_t i = 0; i < letters.size() && begins; ++i) {
            begins = AsciiUpper(letters[i]) == name[i];
        }
        if (begins) {
            return month;
        }
    }
    return 0;
}
