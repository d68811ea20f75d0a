#include "codes/DateInput.h"

#include <optional>

#include "base/Calendar.h"
#include "base/DecimalText.h"
#include "codes/DateNames.h"
#include "codes/PickDay.h"
#include "codes/ValueText.h"

namespace {

// Two-digit years: 00..29 are 2000..2029, 30..99 are 1930..1999.
constexpr int kCenturyPivot = 30;
constexpr std::size_t kMostNumbers = 3;

int DigitsValue(std::string_view digits) {
    // Callers pass at most four digits.
    return static_cast<int>(*ParseDecimalDigits(digits, 9999));
}

std::optional<int> ShortField(std::string_view digits) {
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    return DigitsValue(digits);
}

int PivotYear(int twoDigits) {
    return twoDigits < kCenturyPivot ? 2000 + twoDigits : 1900 + twoDigits;
}

std::optional<int> YearField(std::string_view digits) {
    if (digits.empty() || digits.size() > 4) {
        return std::nullopt;
    }
    const int value = DigitsValue(digits);
    if (digits.size() <= 2) {
        return PivotYear(value);
    }
    if (value == 0) {
        return std::nullopt;
    }
    return value;
}

// A calendar day from its fields: a day past the end of its month rolls over in universe
// (suspect) and is no date in pick.
int Assemble(int year, int month, int dayOfMonth, Dialect dialect, std::int64_t& day) {
    if (month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > 31) {
        return kStatusBadInput;
    }
    int status = kStatusConverted;
    if (dayOfMonth > DaysInMonth(year, month)) {
        if (dialect == Dialect::Pick) {
            return kStatusBadInput;
        }
        status = kStatusSuspect;
    }
    day = PickDayOf(year, month, dayOfMonth);
    return IsPickDayInRange(day) ? status : kStatusBadInput;
}

// Day 366 of a common year rolls over to 1 January of the next.
int AssembleDayOfYear(int year, int dayOfYear, std::int64_t& day) {
    if (dayOfYear < 1 || dayOfYear > 366) {
        return kStatusBadInput;
    }
    day = PickDayOf(year, 1, dayOfYear);
    if (!IsPickDayInRange(day)) {
        return kStatusBadInput;
    }
    return dayOfYear == 366 && !IsLeapYear(year) ? kStatusSuspect : kStatusConverted;
}

// Digits alone: universe reads them year first, pick in its numeric order.
int ReadUndelimited(std::string_view digits, const DateReadRules& rules, std::int64_t& day) {
    const auto field = [digits](std::size_t pos, std::size_t length) {
        return DigitsValue(digits.substr(pos, length));
    };
    const std::size_t length = digits.size();
    if (rules.dialect == Dialect::Universe) {
        switch (length) {
            case 5:
                return AssembleDayOfYear(PivotYear(field(0, 2)), field(2, 3), day);
            case 6:
                return Assemble(PivotYear(field(0, 2)), field(2, 2), field(4, 2), rules.dialect,
                                day);
            case 7:
                return field(0, 4) == 0 ? kStatusBadInput
                                        : AssembleDayOfYear(field(0, 4), field(4, 3), day);
            case 8:
                return field(0, 4) == 0
                           ? kStatusBadInput
                           : Assemble(field(0, 4), field(4, 2), field(6, 2), rules.dialect, day);
            default:
                return kStatusBadInput;
        }
    }
    if (length != 4 && length != 6 && length != 8) {
        return kStatusBadInput;
    }
    const bool dayFirst = rules.order[0] == DatePart::Day;
    const int first = field(0, 2);
    const int second = field(2, 2);
    int year = rules.currentYear;
    if (length == 6) {
        year = PivotYear(field(4, 2));
    } else if (length == 8) {
        year = field(4, 4);
        if (year == 0) {
            return kStatusBadInput;
        }
    }
    return Assemble(year, dayFirst ? second : first, dayFirst ? first : second, rules.dialect, day);
}

struct DateFields {
    std::optional<int> year;  // none: the current year
    int month = 0;
    int day = 0;
};

bool AssignField(DatePart part, std::string_view digits, DateFields& fields) {
    if (part == DatePart::Year) {
        fields.year = YearField(digits);
        return fields.year.has_value();
    }
    const std::optional<int> value = ShortField(digits);
    if (!value) {
        return false;
    }
    (part == DatePart::Day ? fields.day : fields.month) = *value;
    return true;
}

// Numbers in the parse order, without the part that is missing from the text.
bool AssignInOrder(const DateOrder& order, std::optional<DatePart> missing,
                   const std::string_view* numbers, DateFields& fields) {
    std::size_t next = 0;
    for (const DatePart part : order) {
        if (part != missing && !AssignField(part, numbers[next++], fields)) {
            return false;
        }
    }
    return true;
}

// The runs of a written date: at most three digit runs and one letter run, with the
// separators between them checked as the runs are found.
struct DateRuns {
    std::string_view numbers[kMostNumbers];
    std::size_t numberCount = 0;
    std::string_view letters;
};

bool SplitRuns(std::string_view text, DateRuns& runs) {
    enum class Last { Nothing, Digits, Letters } last = Last::Nothing;
    int separators = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        const bool digit = IsAsciiDigit(c);
        if (!digit && !IsAsciiLetter(c)) {
            // Dates are written in ASCII; other bytes are letters in many code pages.
            if (static_cast<unsigned char>(c) >= 0x80) {
                return false;
            }
            const bool commaSpace = c == ',' && pos + 1 < text.size() && text[pos + 1] == ' ';
            pos += commaSpace ? 2 : 1;
            ++separators;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && (digit ? IsAsciiDigit(text[pos]) : IsAsciiLetter(text[pos]))) {
            ++pos;
        }
        // Nothing before the first run; exactly one separator between numbers, at most one
        // between a number and the month name.
        const int allowed = last == Last::Nothing ? 0 : 1;
        const bool exact = last == Last::Digits && digit;
        if (separators > allowed || (exact && separators != 1)) {
            return false;
        }
        separators = 0;
        const std::string_view run = text.substr(start, pos - start);
        if (digit) {
            if (runs.numberCount == kMostNumbers) {
                return false;
            }
            runs.numbers[runs.numberCount++] = run;
            last = Last::Digits;
        } else {
            if (!runs.letters.empty()) {
                return false;
            }
            runs.letters = run;
            last = Last::Letters;
        }
    }
    return separators == 0;
}

}  // namespace

int ReadDateText(std::string_view text, const DateReadRules& rules, std::int64_t& day) {
    DateRuns runs;
    if (!SplitRuns(text, runs)) {
        return kStatusBadInput;
    }
    DateFields fields;
    if (!runs.letters.empty()) {
        fields.month = MonthNamed(runs.letters);
        if (fields.month == 0) {
            return kStatusBadInput;
        }
        if (runs.numberCount == 1) {
            if (!AssignField(DatePart::Day, runs.numbers[0], fields)) {
                return kStatusBadInput;
            }
        } else if (runs.numberCount == 2) {
            // Pick always reads the day, then the year.
            const DateOrder order = rules.dialect == Dialect::Pick ? kDayMonthYear : rules.order;
            if (!AssignInOrder(order, DatePart::Month, runs.numbers, fields)) {
                return kStatusBadInput;
            }
        } else {
            return kStatusBadInput;
        }
    } else if (runs.numberCount == 1) {
        return ReadUndelimited(runs.numbers[0], rules, day);
    } else if (runs.numberCount == 2) {
        if (!AssignInOrder(rules.order, DatePart::Year, runs.numbers, fields)) {
            return kStatusBadInput;
        }
    } else if (runs.numberCount == 3) {
        if (!AssignInOrder(rules.order, std::nullopt, runs.numbers, fields)) {
            return kStatusBadInput;
        }
    } else {
        return kStatusBadInput;
    }
    return Assemble(fields.year.value_or(rules.currentYear), fields.month, fields.day,
                    rules.dialect, day);
}
