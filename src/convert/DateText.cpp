#include "convert/DateText.h"

#include <cstdint>
#include <optional>

#include "base/Calendar.h"
#include "base/Clock.h"
#include "base/Exception.h"
#include "convert/ConvertError.h"
#include "convert/RegionalSettings.h"

// Reading a date: the order of day, month and year comes from the short-date pattern (the first
// d, m, y or e in it, month-first when there is none). Three numbers separated by the date
// separator, or two (day and month of the current year). A number takes digits while its value
// is below 1000, so a fifth digit without leading zero is left over and fails the read. Years of
// one or two digits fall into the hundred years that start fifty years before the clock's
// current year; longer years are taken as written. A trailing separator and blanks are allowed,
// anything else left over is not.
//
// The program's calendars are Gregorian, which have no eras: y and e both give the year-first
// order and every one- or two-digit year goes through the century window. Day names after the
// date (East-Asian patterns) are not skipped, as no Gregorian short-date pattern writes them
// after the date.

namespace {

[[noreturn]] void RaiseNotADate(std::string_view text) {
    RaiseConvertError(text, " is not a valid date");
}

enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

DateOrder OrderOfPattern(std::string_view pattern) {
    for (char c : pattern) {
        switch (c) {
            case 'd':
            case 'D':
                return DateOrder::DayMonthYear;
            case 'm':
            case 'M':
                return DateOrder::MonthDayYear;
            case 'y':
            case 'Y':
            case 'e':
            case 'E':
                return DateOrder::YearMonthDay;
            default:
                break;
        }
    }
    return DateOrder::MonthDayYear;
}

struct Number {
    int value = 0;
    int digits = 0;
};

class DateScanner {
  public:
    DateScanner(std::string_view text, char separator) : text_(text), separator_(separator) {}

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }

    // Blanks, then the separator. A blank separator is the blanks themselves.
    bool ScanSeparator() {
        const std::size_t start = pos_;
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == separator_) {
            ++pos_;
            return true;
        }
        return separator_ == ' ' && pos_ > start;
    }

    std::optional<Number> ScanNumber() {
        SkipBlanks();
        Number number;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' &&
               number.value < 1000) {
            number.value = number.value * 10 + (text_[pos_] - '0');
            ++number.digits;
            ++pos_;
        }
        if (number.digits == 0) {
            return std::nullopt;
        }
        return number;
    }

    bool AtEnd() const { return pos_ == text_.size(); }

  private:
    std::string_view text_;
    char separator_;
    std::size_t pos_ = 0;
};

int CenturyWindowYear(int twoDigitYear) {
    const int base = ReadLocalClock().year - 50;
    int year = twoDigitYear + base / 100 * 100;
    if (year < base) {
        year += 100;
    }
    return year;
}

struct DayMonthYear {
    int day;
    int month;
    int year;
};

std::optional<DayMonthYear> ScanDate(std::string_view text, std::string_view pattern,
                                     char separator) {
    DateScanner scanner(text, separator);
    const std::optional<Number> first = scanner.ScanNumber();
    if (!first || !scanner.ScanSeparator()) {
        return std::nullopt;
    }
    const std::optional<Number> second = scanner.ScanNumber();
    if (!second) {
        return std::nullopt;
    }
    const DateOrder order = OrderOfPattern(pattern);
    DayMonthYear date{};
    if (scanner.ScanSeparator()) {
        const std::optional<Number> third = scanner.ScanNumber();
        if (!third) {
            return std::nullopt;
        }
        Number year;
        switch (order) {
            case DateOrder::MonthDayYear:
                date.month = first->value;
                date.day = second->value;
                year = *third;
                break;
            case DateOrder::DayMonthYear:
                date.day = first->value;
                date.month = second->value;
                year = *third;
                break;
            case DateOrder::YearMonthDay:
                year = *first;
                date.month = second->value;
                date.day = third->value;
                break;
        }
        date.year = year.digits <= 2 ? CenturyWindowYear(year.value) : year.value;
    } else {
        date.year = ReadLocalClock().year;
        if (order == DateOrder::DayMonthYear) {
            date.day = first->value;
            date.month = second->value;
        } else {
            date.month = first->value;
            date.day = second->value;
        }
    }
    scanner.SkipBlanks();
    scanner.ScanSeparator();
    scanner.SkipBlanks();
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month)) {
        return std::nullopt;
    }
    if (!scanner.AtEnd()) {
        return std::nullopt;
    }
    return date;
}

void AppendPadded(std::string& out, std::int64_t value, std::size_t width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (value < 0) {
        out += '-';
    }
    if (digits.size() < width) {
        out.append(width - digits.size(), '0');
    }
    out += digits;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ddddd and dddddd write whole patterns, which could name themselves again; one level of nesting
// is all a sensible pattern needs, and a pattern that names itself stops there.
constexpr int kMaxPatternNesting = 1;

void AppendFormatted(std::string& out, std::string_view pattern, const CalendarDay& day,
                     const RegionalDateSettings& settings, int nesting) {
    if (nesting > kMaxPatternNesting) {
        return;
    }
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos];
        if (c == '\'' || c == '"') {
            const std::size_t close = pattern.find(c, pos + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(pos + 1, end - pos - 1));
            pos = end == pattern.size() ? end : end + 1;
            continue;
        }
        const char letter = Lower(c);
        std::size_t run = 1;
        while (pos + run < pattern.size() && Lower(pattern[pos + run]) == letter) {
            ++run;
        }
        const std::size_t monthIndex = static_cast<std::size_t>(day.month - 1);
        const std::size_t weekdayIndex = static_cast<std::size_t>(day.dayOfWeek);
        switch (letter) {
            case 'd':
                if (run == 1) {
                    AppendPadded(out, day.day, 1);
                } else if (run == 2) {
                    AppendPadded(out, day.day, 2);
                } else if (run == 3) {
                    out += settings.shortDayNames[weekdayIndex];
                } else if (run == 4) {
                    out += settings.longDayNames[weekdayIndex];
                } else if (run == 5) {
                    AppendFormatted(out, settings.shortDatePattern, day, settings, nesting + 1);
                } else {
                    AppendFormatted(out, settings.longDatePattern, day, settings, nesting + 1);
                }
                break;
            case 'm':
                if (run == 1) {
                    AppendPadded(out, day.month, 1);
                } else if (run == 2) {
                    AppendPadded(out, day.month, 2);
                } else if (run == 3) {
                    out += settings.shortMonthNames[monthIndex];
                } else {
                    out += settings.longMonthNames[monthIndex];
                }
                break;
            case 'y':
                if (run <= 2) {
                    AppendPadded(out, ((day.year % 100) + 100) % 100, 2);
                } else {
                    AppendPadded(out, day.year, 4);
                }
                break;
            case 'g':
                // The Gregorian calendar's one era.
                out += "A.D.";
                break;
            case 'e':
                // The year within the era, which in the Gregorian calendar is the year itself.
                AppendPadded(out, day.year, 1);
                break;
            case '/':
                out.append(run, settings.dateSeparator);
                break;
            default:
                out.append(pattern.substr(pos, run));
                break;
        }
        pos += run;
    }
}

}  // namespace

TDateTime TextToDateUnder(std::string_view text, std::string_view shortDatePattern,
                          char dateSeparator) {
    const std::optional<DayMonthYear> date = ScanDate(text, shortDatePattern, dateSeparator);
    if (!date) {
        RaiseNotADate(text);
    }
    return EncodeDate(date->year, date->month, date->day);
}

TDateTime TextToDate(std::string_view text) {
    const RegionalDateSettings& settings = CurrentRegionalSettings();
    return TextToDateUnder(text, settings.shortDatePattern, settings.dateSeparator);
}

std::string DateToText(TDateTime d) {
    const RegionalDateSettings& settings = CurrentRegionalSettings();
    std::string out;
    AppendFormatted(out, settings.shortDatePattern, DecodeDate(d), settings, 0);
    return out;
}
