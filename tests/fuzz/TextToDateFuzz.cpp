// TextToDateUnder on any text, under random short-date patterns, separators and clock years,
// agrees with a plain reading of the date rules written here; an accepted date is a real day of
// the years 1 to 9999 and reads back from DateToText under a numeric pattern of the same order;
// every refusal is EConvertError naming the text byte for byte.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/Calendar.h"
#include "base/Clock.h"
#include "base/Exception.h"
#include "convert/DateText.h"
#include "convert/RegionalSettings.h"

namespace {

enum class Order { MonthFirst, DayFirst, YearFirst };

// The first d, m, y or e of the pattern, in either case, decides; month first without any.
Order OrderOf(std::string_view pattern) {
    const std::size_t at = pattern.find_first_of("dDmMyYeE");
    if (at == std::string_view::npos) {
        return Order::MonthFirst;
    }
    switch (pattern[at]) {
        case 'd':
        case 'D':
            return Order::DayFirst;
        case 'm':
        case 'M':
            return Order::MonthFirst;
        default:
            return Order::YearFirst;
    }
}

struct Ymd {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Reads the text as the rules say, one position at a time.
class ReferenceReader {
  public:
    ReferenceReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    std::optional<Ymd> Read(Order order, int clockYear) {
        int first = 0;
        int second = 0;
        int third = 0;
        int thirdDigits = 0;
        int firstDigits = 0;
        if (!Number(first, firstDigits) || !Separator()) {
            return std::nullopt;
        }
        int secondDigits = 0;
        if (!Number(second, secondDigits)) {
            return std::nullopt;
        }
        Ymd date;
        if (Separator()) {
            if (!Number(third, thirdDigits)) {
                return std::nullopt;
            }
            int yearDigits = thirdDigits;
            if (order == Order::MonthFirst) {
                date = {third, first, second};
            } else if (order == Order::DayFirst) {
                date = {third, second, first};
            } else {
                date = {first, second, third};
                yearDigits = firstDigits;
            }
            if (yearDigits <= 2) {
                // The one year of the hundred from fifty years before the clock's with these
                // last two digits.
                const int base = clockYear - 50;
                date.year = base + ((date.year - base) % 100 + 100) % 100;
            }
        } else if (order == Order::DayFirst) {
            date = {clockYear, second, first};
        } else {
            date = {clockYear, first, second};
        }
        Blanks();
        Separator();
        Blanks();
        if (at_ != text_.size() || date.year < 1 || date.year > 9999 || date.month < 1 ||
            date.month > 12 || date.day < 1 || date.day > DaysInMonth(date.year, date.month)) {
            return std::nullopt;
        }
        return date;
    }

  private:
    void Blanks() {
        while (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        }
    }
    // Digits are taken while the number is below 1000.
    bool Number(int& value, int& digits) {
        Blanks();
        value = 0;
        digits = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9' && value < 1000) {
            value = value * 10 + (text_[at_++] - '0');
            ++digits;
        }
        return digits > 0;
    }
    // Blanks before the separator are free; a blank separator is the blanks themselves.
    bool Separator() {
        const std::size_t before = at_;
        Blanks();
        if (at_ < text_.size() && text_[at_] == separator_) {
            ++at_;
            return true;
        }
        return separator_ == ' ' && at_ > before;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
};

// A short-date pattern of the elements users' settings hold, or any bytes.
std::string MakePattern(FuzzInput& input) {
    static constexpr const char* kElements[] = {"d", "dd",  "m", "mm", "M",   "y", "yy",  "yyyy",
                                                "e", "g",   "/", "-",  ".",   " ", "ddd", "mmm",
                                                "D", "'d'", "Y", "E",  "gg ", ","};
    if (input.Bool()) {
        return input.Text(12);
    }
    std::string pattern;
    for (int n = input.Range(1, 6); n > 0; --n) {
        pattern += input.Pick(kElements);
    }
    return pattern;
}

// The usual separators, or any byte.
char MakeSeparator(FuzzInput& input) {
    static constexpr char kSeparators[] = {'/', '-', '.', ' ', ','};
    const std::uint8_t choice = input.Byte();
    return choice < 250 ? kSeparators[choice % std::size(kSeparators)]
                        : static_cast<char>(input.Byte());
}

std::optional<TDateTime> Parsed(std::string_view text, std::string_view pattern, char separator) {
    try {
        return TextToDateUnder(text, pattern, separator);
    } catch (const EConvertError& error) {
        const std::string expected = "'" + std::string(text) + "' is not a valid date";
        FuzzCheck(error.Message() == expected, "a refusal quotes the text byte for byte",
                  "text " + Escaped(text) + " gave " + Escaped(error.Message()));
        return std::nullopt;
    }
}

std::string Describe(std::string_view text, std::string_view pattern, char separator, int year) {
    return "text " + Escaped(text) + " pattern " + Escaped(pattern) + " separator " +
           Escaped(std::string(1, separator)) + " clock year " + std::to_string(year);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    // Clock years from 50 on, so that the hundred years of the two-digit window start in year 0
    // or later.
    const int clockYear = input.Range(50, 9999);
    const ScopedClockSource clock([clockYear] {
        LocalClockReading reading;
        reading.year = clockYear;
        reading.month = 6;
        reading.day = 15;
        return reading;
    });
    const std::string pattern = MakePattern(input);
    const char separator = MakeSeparator(input);
    const std::string text = input.Rest();
    const std::string context = Describe(text, pattern, separator, clockYear);
    const Order order = OrderOf(pattern);

    const std::optional<TDateTime> date = Parsed(text, pattern, separator);
    const std::optional<Ymd> expected = ReferenceReader(text, separator).Read(order, clockYear);
    FuzzCheck(date.has_value() == expected.has_value(), "TextToDate accepts what the rules accept",
              context);
    if (!date) {
        return 0;
    }
    FuzzCheck(std::trunc(*date) == *date, "an accepted date has no time of day", context);
    const CalendarDay day = DecodeDate(*date);
    FuzzCheck(
        day.year == expected->year && day.month == expected->month && day.day == expected->day,
        "TextToDate gives the day the rules read",
        context + " gave " + std::to_string(day.year) + "-" + std::to_string(day.month) + "-" +
            std::to_string(day.day));
    FuzzCheck(EncodeDate(day.year, day.month, day.day) == *date,
              "an accepted date is a real calendar day", context);

    // Written back with all four digits of the year in the same order, the day reads again under
    // the same pattern. A digit separator would run into the numbers, so it is left out.
    if (separator >= '0' && separator <= '9') {
        return 0;
    }
    RegionalDateSettings settings;
    settings.shortDatePattern = order == Order::MonthFirst ? "m/d/yyyy"
                                : order == Order::DayFirst ? "d/m/yyyy"
                                                           : "yyyy/m/d";
    settings.dateSeparator = separator;
    const ScopedRegionalSettings regional(settings);
    const std::string written = DateToText(*date);
    FuzzCheck(Parsed(written, pattern, separator) == date,
              "DateToText of an accepted date reads back as the same day",
              context + " written as " + Escaped(written));
    return 0;
}
