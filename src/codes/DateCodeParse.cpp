#include "codes/DateCode.h"

#include <utility>

namespace {

// The families of the listed components: a list holds at most one of each.
enum class Family : unsigned char { Day, Month, Year, Weekday, Quarter, DayOfYear, Count };

Family FamilyOf(DateItem item) {
    switch (item) {
        case DateItem::Day:
            return Family::Day;
        case DateItem::Month:
        case DateItem::MonthName:
        case DateItem::MonthAbbreviation:
        case DateItem::RomanMonth:
            return Family::Month;
        case DateItem::Year:
            return Family::Year;
        case DateItem::Weekday:
        case DateItem::WeekdayName:
        case DateItem::WeekdayAbbreviation:
            return Family::Weekday;
        case DateItem::Quarter:
            return Family::Quarter;
        case DateItem::DayOfYear:
            break;
    }
    return Family::DayOfYear;
}

DatePart PartOf(Family family) {
    return family == Family::Day ? DatePart::Day
                                 : (family == Family::Month ? DatePart::Month : DatePart::Year);
}

// The year digit n: 0 (no year) to 4.
bool TakeYearDigit(CodeReader& reader, DateCode& code, CodeError& error) {
    if (!reader.AtDigit(0) || reader.Upper() > '4') {
        return Fail(error, reader.ErrorHere("year digit must be 0 to 4"));
    }
    code.yearDigits = static_cast<unsigned char>(reader.TakeDigit());
    return true;
}

// A delimiter followed by a digit: OCONV converts the field after that many others.
void TakeGroupExtraction(CodeReader& reader, DateCode& code) {
    if (reader.AtSeparator(false) && reader.AtDigit(reader.CharLength())) {
        code.groupExtraction = true;
        code.groupDelimiter = reader.TakeCharacter();
        code.groupSkip = static_cast<unsigned char>(reader.TakeDigit());
    }
}

// The letters of a universe code: components and the E, L and I flags.
struct UniverseLetters {
    bool toggled = false;
    bool international = false;
    bool seen[static_cast<int>(Family::Count)] = {};
};

bool TakeComponent(CodeReader& reader, DateCode& code, UniverseLetters& letters, CodeError& error) {
    const std::size_t start = reader.Position();
    ListedComponent component;
    component.yearDigits = code.yearDigits;
    const char letter = reader.Upper();
    reader.Advance();
    switch (letter) {
        case 'D':
            component.item = DateItem::Day;
            break;
        case 'M':
            component.item = DateItem::Month;
            if (reader.At('A') || reader.At('B') || reader.At('R')) {
                component.item = reader.At('A') ? DateItem::MonthName
                                                : (reader.At('B') ? DateItem::MonthAbbreviation
                                                                  : DateItem::RomanMonth);
                reader.Advance();
            }
            break;
        case 'Y':
            component.item = DateItem::Year;
            if (reader.AtDigit()) {
                if (reader.At('0') || reader.Upper() > '4') {
                    return Fail(error, reader.ErrorHere("digits of Y must be 1 to 4"));
                }
                component.yearDigits = static_cast<unsigned char>(reader.TakeDigit());
            }
            break;
        case 'W':
            component.item = DateItem::Weekday;
            if (reader.At('A') || reader.At('B')) {
                component.item =
                    reader.At('A') ? DateItem::WeekdayName : DateItem::WeekdayAbbreviation;
                reader.Advance();
            }
            break;
        case 'Q':
            component.item = DateItem::Quarter;
            break;
        case 'J':
            component.item = DateItem::DayOfYear;
            break;
        default:
            return Fail(error, {start, "unknown date letter"});
    }
    if (code.componentCount == kMostComponents) {
        return Fail(error, {start, "at most five components"});
    }
    bool& seen = letters.seen[static_cast<int>(FamilyOf(component.item))];
    if (seen) {
        return Fail(error, {start, "one component of each kind"});
    }
    seen = true;
    code.components[code.componentCount++] = component;
    return true;
}

bool TakeUniverseLetters(CodeReader& reader, DateCode& code, UniverseLetters& letters,
                         CodeError& error) {
    while (reader.AtLetter()) {
        if (reader.At('E')) {
            letters.toggled = !letters.toggled;
            reader.Advance();
        } else if (reader.At('L')) {
            code.titleCase = true;
            reader.Advance();
        } else if (reader.At('I')) {
            letters.international = true;
            reader.Advance();
        } else if (!TakeComponent(reader, code, letters, error)) {
            return false;
        }
    }
    return true;
}

// Why a modifier does not suit its component, or nothing when it does.
const char* UnfitModifier(const DateModifier& modifier, DateItem item) {
    if (item == DateItem::RomanMonth) {
        return "Roman months take no modifier";
    }
    switch (modifier.kind) {
        case ModifierKind::Width:
            return item == DateItem::Year && modifier.count > 4 ? "Y keeps at most 4 digits"
                                                                : nullptr;
        case ModifierKind::LastDigitsNoZeros:
            return item == DateItem::Year ? nullptr : "Z with digits applies to Y only";
        case ModifierKind::Name:
            return item == DateItem::Month || item == DateItem::Weekday
                       ? nullptr
                       : "A applies to M and W only";
        case ModifierKind::Default:
        case ModifierKind::NoZeros:
            break;
    }
    return nullptr;
}

// One modifier up to the ',' or ']' after it.
bool TakeModifier(CodeReader& reader, DateModifier& modifier, CodeError& error) {
    const char letter = reader.Upper();
    if (reader.AtDigit()) {
        modifier.kind = ModifierKind::Width;
    } else if (reader.At('Z') || reader.At('A')) {
        modifier.kind = letter == 'A' ? ModifierKind::Name : ModifierKind::NoZeros;
        reader.Advance();
        if (!reader.AtDigit()) {
            return true;
        }
        if (letter == 'Z') {
            modifier.kind = ModifierKind::LastDigitsNoZeros;
        }
    } else {
        return true;
    }
    if (reader.At('0')) {
        return Fail(error, reader.ErrorHere("a modifier cannot be 0"));
    }
    modifier.count = static_cast<unsigned char>(reader.TakeDigit());
    if (letter == 'Z' && modifier.count > 4) {
        return Fail(error, {reader.Position() - 1, "Y keeps at most 4 digits"});
    }
    return true;
}

bool TakeModifiers(CodeReader& reader, DateCode& code, CodeError& error) {
    reader.Advance();  // '['
    for (std::size_t index = 0;; ++index) {
        const std::size_t start = reader.Position();
        DateModifier modifier;
        if (!TakeModifier(reader, modifier, error)) {
            return false;
        }
        if (reader.AtEnd()) {
            return Fail(error, reader.ErrorHere("modifier list is not closed"));
        }
        if (!reader.At(',') && !reader.At(']')) {
            return Fail(error, reader.ErrorHere("unknown modifier"));
        }
        if (index >= code.componentCount) {
            return Fail(error, {start, "more modifiers than components"});
        }
        if (modifier.kind != ModifierKind::Default) {
            if (const char* unfit = UnfitModifier(modifier, code.components[index].item)) {
                return Fail(error, {start, unfit});
            }
        }
        code.components[index].modifier = modifier;
        const bool last = reader.At(']');
        reader.Advance();
        if (last) {
            return true;
        }
    }
}

DateOrder ListOrder(const DateCode& code) {
    DateOrder order{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < code.componentCount; ++i) {
        const Family family = FamilyOf(code.components[i].item);
        if (family == Family::Day || family == Family::Month || family == Family::Year) {
            order[count++] = PartOf(family);
        }
    }
    return order;
}

bool ParseUniverse(CodeReader& reader, const CodeOptions& options, DateCode& code,
                   CodeError& error) {
    bool emptySeparator = false;
    bool hasSeparator = false;
    if (reader.AtDigit()) {
        if (!TakeYearDigit(reader, code, error)) {
            return false;
        }
        if (reader.AtDigit()) {
            if (!reader.At('0')) {
                return Fail(error, reader.ErrorHere("only 0 (no separator) may follow the year "
                                                    "digit"));
            }
            reader.Advance();
            emptySeparator = true;
        }
    }
    if (!emptySeparator) {
        TakeGroupExtraction(reader, code);
        if (reader.AtSeparator(false)) {
            code.separator = reader.TakeCharacter();
            hasSeparator = true;
        }
    }
    UniverseLetters letters;
    if (!TakeUniverseLetters(reader, code, letters, error)) {
        return false;
    }
    if (reader.At('[')) {
        if (!TakeModifiers(reader, code, error)) {
            return false;
        }
        while (reader.At('E') || reader.At('L')) {
            if (reader.At('E')) {
                letters.toggled = !letters.toggled;
            } else {
                code.titleCase = true;
            }
            reader.Advance();
        }
        if (!reader.AtEnd()) {
            return Fail(error, reader.ErrorHere("only E or L may follow the modifiers"));
        }
    }
    if (!reader.AtEnd()) {
        return Fail(error, reader.ErrorHere(reader.AtDigit() ? "unexpected digit"
                                                             : "unexpected character"));
    }

    code.order = options.european != letters.toggled ? kDayMonthYear : kMonthDayYear;
    if (letters.international) {
        code.order = kDayMonthYear;
    }
    const bool listsDate = letters.seen[static_cast<int>(Family::Day)] &&
                           letters.seen[static_cast<int>(Family::Month)] &&
                           letters.seen[static_cast<int>(Family::Year)];
    if (listsDate) {
        code.order = ListOrder(code);
    }

    if (code.componentCount > 0) {
        code.form = DateForm::List;
        if (!hasSeparator && !emptySeparator) {
            code.separator = OneByte(' ');
        }
    } else if (hasSeparator || emptySeparator || letters.international) {
        code.form = DateForm::Numeric;
        if (!hasSeparator && !emptySeparator) {
            code.separator = OneByte('/');
        }
    }
    return true;
}

// A pick sub-code letter; M and W followed by A write names.
bool TakeSubCode(CodeReader& reader, DateCode& code, CodeError& error) {
    struct SubCodeLetter {
        char letter;
        PickSubCode plain;
        PickSubCode named;
    };
    static constexpr SubCodeLetter kLetters[] = {
        {'D', PickSubCode::Day, PickSubCode::Day},
        {'M', PickSubCode::Month, PickSubCode::MonthName},
        {'Y', PickSubCode::Year, PickSubCode::Year},
        {'Q', PickSubCode::Quarter, PickSubCode::Quarter},
        {'W', PickSubCode::Weekday, PickSubCode::WeekdayName},
        {'J', PickSubCode::DayOfYear, PickSubCode::DayOfYear},
        {'F', PickSubCode::Full, PickSubCode::Full},
        {'I', PickSubCode::Internal, PickSubCode::Internal},
    };
    const char letter = reader.Upper();
    for (const SubCodeLetter& entry : kLetters) {
        if (entry.letter == letter) {
            const bool named = entry.named != entry.plain && reader.At('A', 1);
            code.subCode = named ? entry.named : entry.plain;
            reader.Advance(named ? 2 : 1);
            code.form = DateForm::SubCode;
            return true;
        }
    }
    return Fail(error, reader.ErrorHere("not a date sub-code of the pick dialect"));
}

bool ParsePick(CodeReader& reader, const CodeOptions& options, DateCode& code, CodeError& error) {
    std::size_t yearDigitAt = 0;
    bool hasYearDigit = false;
    const auto takeYearDigit = [&] {
        yearDigitAt = reader.Position();
        hasYearDigit = true;
        return TakeYearDigit(reader, code, error);
    };
    // The year digit before or after the sub-code: D3 writes it first, jBASE and Reality after.
    if (reader.AtDigit()) {
        if (!takeYearDigit() || (reader.AtLetter() && !TakeSubCode(reader, code, error))) {
            return false;
        }
    } else if (reader.AtLetter()) {
        if (!TakeSubCode(reader, code, error) || (reader.AtDigit() && !takeYearDigit())) {
            return false;
        }
    }
    const bool hasSubCode = code.form == DateForm::SubCode;
    TakeGroupExtraction(reader, code);
    if (reader.AtSeparator(false)) {
        if (hasSubCode) {
            return Fail(error, reader.ErrorHere("a sub-code takes no separator"));
        }
        code.separator = reader.TakeCharacter();
        code.form = DateForm::Numeric;
        if (!reader.AtEnd()) {
            return Fail(error, reader.ErrorHere("nothing may follow the separator"));
        }
    }
    if (!reader.AtEnd()) {
        return Fail(error, reader.ErrorHere(reader.AtDigit() ? "unexpected digit"
                                                             : "unexpected character"));
    }
    const bool writesYear = code.subCode == PickSubCode::Year || code.subCode == PickSubCode::Full;
    if (hasSubCode && writesYear && hasYearDigit && code.yearDigits == 0) {
        return Fail(error, {yearDigitAt, "Y and F need a year digit of 1 to 4"});
    }
    code.order = options.european ? kDayMonthYear : kMonthDayYear;
    return true;
}

}  // namespace

bool ParseDateCode(CodeReader& reader, const CodeOptions& options, DateCode& code,
                   CodeError& error) {
    code.dialect = options.dialect;
    code.currentYear = options.today.year;
    if (options.dialect == Dialect::Pick) {
        return ParsePick(reader, options, code, error);
    }
    return ParseUniverse(reader, options, code, error);
}
