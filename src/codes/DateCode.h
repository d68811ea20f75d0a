#pragma once
// The date code D of both dialects, parsed into what it writes (OCONV) and the order in which it
// reads dates (ICONV).

#include <array>
#include <string>
#include <string_view>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

enum class DatePart : unsigned char { Day, Month, Year };
// The order of day, month and year in a numeric date.
using DateOrder = std::array<DatePart, 3>;
inline constexpr DateOrder kMonthDayYear = {DatePart::Month, DatePart::Day, DatePart::Year};
inline constexpr DateOrder kDayMonthYear = {DatePart::Day, DatePart::Month, DatePart::Year};

// The components of a universe component list.
enum class DateItem : unsigned char {
    Day,
    Month,
    MonthName,
    MonthAbbreviation,
    RomanMonth,
    Year,
    Weekday,
    WeekdayName,
    WeekdayAbbreviation,
    Quarter,
    DayOfYear,
};

// A universe modifier: the final shape of one listed component.
enum class ModifierKind : unsigned char {
    Default,
    Width,    // numbers padded to count, Y's last count digits, names' first count letters
    NoZeros,  // no leading zeros; on Y the full year
    LastDigitsNoZeros,  // Y only: the last count digits without leading zeros
    Name,               // M or W only: the name, or its first count letters
};
struct DateModifier {
    ModifierKind kind = ModifierKind::Default;
    unsigned char count = 0;
};

struct ListedComponent {
    DateItem item = DateItem::Day;
    unsigned char yearDigits = 4;  // Y only
    DateModifier modifier;
};
inline constexpr std::size_t kMostComponents = 5;

enum class PickSubCode : unsigned char {
    Day,
    Month,
    MonthName,
    Year,
    Quarter,
    Weekday,
    WeekdayName,
    DayOfYear,
    Full,      // "December 8, 2026"
    Internal,  // reads an external date and writes the day number
};

enum class DateForm : unsigned char { Default, Numeric, List, SubCode };

struct DateCode {
    Dialect dialect = Dialect::Universe;
    DateForm form = DateForm::Default;
    unsigned char yearDigits = 4;
    bool titleCase = false;
    // Joins numeric and listed fields; empty for "no separator".
    CodeCharacter separator;
    bool groupExtraction = false;
    CodeCharacter groupDelimiter;
    unsigned char groupSkip = 0;
    // The numeric form's order, and the order in which ICONV reads.
    DateOrder order = kMonthDayYear;
    std::array<ListedComponent, kMostComponents> components{};
    unsigned char componentCount = 0;
    PickSubCode subCode = PickSubCode::Day;
    // ICONV input without a year is in this year.
    int currentYear = 1970;

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const;
};

// Parses what follows the leading D, under the options' dialect and default order.
bool ParseDateCode(CodeReader& reader, const CodeOptions& options, DateCode& code,
                   CodeError& error);
