#include <cstdint>

#include "base/DecimalText.h"
#include "codes/DateCode.h"
#include "codes/DateInput.h"
#include "codes/DateNames.h"
#include "codes/DirectText.h"
#include "codes/PickDay.h"
#include "codes/ValueText.h"

namespace {

constexpr std::size_t kAbbreviation = 3;
// No written field is longer: "SEPTEMBER", "WEDNESDAY", a width of 9, and the separators are
// at most one character (four bytes) each; "September 30, 9999" is the longest sub-code.
constexpr std::size_t kMostFieldLength = 9;
constexpr std::size_t kMostDateLength =
    kMostComponents * kMostFieldLength + (kMostComponents - 1) * sizeof(CodeCharacter::bytes);

std::uint64_t PowerOfTen(unsigned digits) {
    std::uint64_t power = 1;
    for (unsigned i = 0; i < digits; ++i) {
        power *= 10;
    }
    return power;
}

// The year zero-padded to four digits, of which the last `digits` are kept.
void PutYear(DirectText& out, int year, unsigned digits) {
    if (digits == 0) {
        return;
    }
    // Years have at most four digits: all of them need no cutting.
    const auto value = static_cast<std::uint64_t>(year);
    out.PutDecimal(digits >= 4 ? value : value % PowerOfTen(digits), digits);
}

void PutNumber(DirectText& out, int value, std::size_t defaultWidth, const DateModifier& modifier) {
    std::size_t width = defaultWidth;
    if (modifier.kind == ModifierKind::Width) {
        width = modifier.count;
    } else if (modifier.kind == ModifierKind::NoZeros) {
        width = 1;
    }
    out.PutDecimal(static_cast<std::uint64_t>(value), width);
}

void PutListedYear(DirectText& out, int year, const ListedComponent& component) {
    const DateModifier& modifier = component.modifier;
    switch (modifier.kind) {
        case ModifierKind::Width:
            PutYear(out, year, modifier.count);
            return;
        case ModifierKind::NoZeros:
            out.PutDecimal(static_cast<std::uint64_t>(year));
            return;
        case ModifierKind::LastDigitsNoZeros:
            out.PutDecimal(static_cast<std::uint64_t>(year) % PowerOfTen(modifier.count));
            return;
        case ModifierKind::Default:
        case ModifierKind::Name:
            break;
    }
    PutYear(out, year, component.yearDigits);
}

void PutListed(DirectText& out, const ListedComponent& component, const PickDate& date, bool padded,
               bool titleCase) {
    const DateModifier& modifier = component.modifier;
    const std::size_t width = padded ? 2 : 1;
    // Names are cut by a width modifier, or by A's count on a number turned into a name.
    const std::size_t letters =
        modifier.kind == ModifierKind::Name || modifier.kind == ModifierKind::Width ? modifier.count
                                                                                    : 0;
    const bool asName = modifier.kind == ModifierKind::Name;
    switch (component.item) {
        case DateItem::Day:
            PutNumber(out, date.day, width, modifier);
            return;
        case DateItem::Month:
            if (asName) {
                PutName(out, MonthName(date.month), letters, titleCase);
            } else {
                PutNumber(out, date.month, width, modifier);
            }
            return;
        case DateItem::MonthName:
            PutName(out, MonthName(date.month), letters, titleCase);
            return;
        case DateItem::MonthAbbreviation:
            PutName(out, MonthName(date.month).substr(0, kAbbreviation), letters, titleCase);
            return;
        case DateItem::RomanMonth:
            out.Put(RomanMonth(date.month));
            return;
        case DateItem::Year:
            PutListedYear(out, date.year, component);
            return;
        case DateItem::Weekday:
            if (asName) {
                PutName(out, WeekdayName(date.weekday), letters, titleCase);
            } else {
                PutNumber(out, date.weekday, 1, modifier);
            }
            return;
        case DateItem::WeekdayName:
            PutName(out, WeekdayName(date.weekday), letters, titleCase);
            return;
        case DateItem::WeekdayAbbreviation:
            PutName(out, WeekdayName(date.weekday).substr(0, kAbbreviation), letters, titleCase);
            return;
        case DateItem::Quarter:
            PutNumber(out, QuarterOf(date.month), 1, modifier);
            return;
        case DateItem::DayOfYear:
            PutNumber(out, DayOfYear(date), 1, modifier);
            return;
    }
}

void PutDefault(DirectText& out, const DateCode& code, const PickDate& date) {
    out.PutDecimal(static_cast<std::uint64_t>(date.day), 2);
    out.Put(' ');
    PutName(out, MonthName(date.month).substr(0, kAbbreviation), 0, code.titleCase);
    if (code.yearDigits != 0) {
        out.Put(' ');
        PutYear(out, date.year, code.yearDigits);
    }
}

void PutNumeric(DirectText& out, const DateCode& code, const PickDate& date) {
    bool first = true;
    for (const DatePart part : code.order) {
        // A date without year digits drops the year and its separator.
        if (part == DatePart::Year && code.yearDigits == 0) {
            continue;
        }
        if (!first) {
            out.Put(code.separator.View());
        }
        first = false;
        if (part == DatePart::Year) {
            PutYear(out, date.year, code.yearDigits);
        } else {
            out.PutDecimal(
                static_cast<std::uint64_t>(part == DatePart::Day ? date.day : date.month), 2);
        }
    }
}

void PutList(DirectText& out, const DateCode& code, const PickDate& date) {
    const bool padded = code.componentCount > 1;
    bool first = true;
    for (std::size_t i = 0; i < code.componentCount; ++i) {
        const std::size_t before = out.Length();
        if (!first) {
            out.Put(code.separator.View());
        }
        const std::size_t fieldStart = out.Length();
        PutListed(out, code.components[i], date, padded, code.titleCase);
        // Only a year of no digits writes nothing; like the other forms, it drops its separator.
        if (out.Length() == fieldStart) {
            out.CutTo(before);
            continue;
        }
        first = false;
    }
}

void PutSubCode(DirectText& out, const DateCode& code, const PickDate& date) {
    const auto number = [&out](int value) { out.PutDecimal(static_cast<std::uint64_t>(value)); };
    switch (code.subCode) {
        case PickSubCode::Day:
            number(date.day);
            return;
        case PickSubCode::Month:
            number(date.month);
            return;
        case PickSubCode::MonthName:
            out.Put(MonthName(date.month));
            return;
        case PickSubCode::Year:
            PutYear(out, date.year, code.yearDigits);
            return;
        case PickSubCode::Quarter:
            number(QuarterOf(date.month));
            return;
        case PickSubCode::Weekday:
            number(date.weekday);
            return;
        case PickSubCode::WeekdayName:
            out.Put(WeekdayName(date.weekday));
            return;
        case PickSubCode::DayOfYear:
            number(DayOfYear(date));
            return;
        case PickSubCode::Full:
            PutName(out, MonthName(date.month), 0, true);
            out.Put(' ');
            number(date.day);
            out.Put(", ");
            PutYear(out, date.year, code.yearDigits);
            return;
        case PickSubCode::Internal:
            return;
    }
}

// The field after `skip` others, or "" when the text has fewer.
std::string_view NthField(std::string_view text, std::string_view delimiter, std::size_t skip) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < skip; ++i) {
        const std::size_t found = text.find(delimiter, start);
        if (found == std::string_view::npos) {
            return {};
        }
        start = found + delimiter.size();
    }
    const std::size_t end = text.find(delimiter, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

int AppendReadDay(std::string_view text, const DateCode& code, std::string& out) {
    std::int64_t day = 0;
    const int status =
        ReadDateText(text, DateReadRules{code.dialect, code.order, code.currentYear}, day);
    if (status != kStatusBadInput) {
        AppendSignedDecimal(out, day);
    }
    return status;
}

}  // namespace

int DateCode::Oconv(std::string_view text, std::string& out) const {
    if (groupExtraction) {
        text = TrimSpaces(NthField(text, groupDelimiter.View(), groupSkip));
        if (text.empty()) {
            return kStatusConverted;
        }
    }
    if (form == DateForm::SubCode && subCode == PickSubCode::Internal) {
        return AppendReadDay(text, *this, out);
    }
    const auto reading = ReadIntegerValue(text);
    if (!reading || !IsPickDayInRange(reading->value)) {
        return kStatusBadInput;
    }
    const PickDate date = DecodePickDay(reading->value);
    DirectText direct(out, kMostDateLength);
    switch (form) {
        case DateForm::Default:
            PutDefault(direct, *this, date);
            break;
        case DateForm::Numeric:
            PutNumeric(direct, *this, date);
            break;
        case DateForm::List:
            PutList(direct, *this, date);
            break;
        case DateForm::SubCode:
            PutSubCode(direct, *this, date);
            break;
    }
    return StatusOfReading(*reading);
}

int DateCode::Iconv(std::string_view text, std::string& out) const {
    return AppendReadDay(text, *this, out);
}
