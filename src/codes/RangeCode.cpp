#include "codes/RangeCode.h"

#include <cstddef>
#include <utility>

#include "codes/ExactDecimal.h"
#include "codes/ValueText.h"

namespace {

// A decimal number's sign and magnitude: its whole digits without leading zeros and its fraction
// without trailing zeros (both empty for zero, whatever its sign).
struct DecimalValue {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

std::size_t DigitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsAsciiDigit(text[end])) {
        ++end;
    }
    return end - from;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (!digits.empty() && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    return digits;
}

// The parts of a number already read as a decimal number.
DecimalValue SplitDecimal(std::string_view text) {
    DecimalValue number;
    if (text[0] == '+' || text[0] == '-') {
        number.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    number.whole = WithoutLeadingZeros(text.substr(0, point));
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    number.fraction = fraction;
    return number;
}

int SignOf(bool negative, bool zero) {
    return zero ? 0 : (negative ? -1 : 1);
}

// -1, 0 or 1 as the number is below, at or above the integer.
int Compare(const DecimalValue& number, const ExactInteger& integer) {
    const int sign = SignOf(number.negative, number.whole.empty() && number.fraction.empty());
    const int integerSign = SignOf(integer.negative, integer.digits.empty());
    if (sign != integerSign || sign == 0) {
        return sign < integerSign ? -1 : (sign > integerSign ? 1 : 0);
    }
    int magnitude = 0;
    const std::string_view digits = integer.digits;
    if (number.whole.size() != digits.size()) {
        magnitude = number.whole.size() < digits.size() ? -1 : 1;
    } else if (const int order = number.whole.compare(digits); order != 0) {
        magnitude = order < 0 ? -1 : 1;
    } else {
        magnitude = number.fraction.empty() ? 0 : 1;
    }
    return sign * magnitude;
}

bool TakeBound(CodeReader& reader, ExactInteger& bound, CodeError& error) {
    if (reader.At('-')) {
        bound.negative = true;
        reader.Advance();
    }
    const std::size_t start = reader.Position();
    const std::size_t length = DigitRun(reader.Code(), start);
    if (length == 0) {
        return Fail(error, reader.ErrorHere(reader.AtEnd() ? "the code ends too early"
                                                           : "a digit is expected here"));
    }
    bound.digits.assign(WithoutLeadingZeros(reader.Code().substr(start, length)));
    reader.Advance(length);
    return true;
}

}  // namespace

int RangeCode::Oconv(std::string_view text, std::string& out) const {
    // The masked decimal codes' rule: up to 30 digits, an optional sign and point.
    if (!ExactDecimal::Read(text, ".", true)) {
        return kStatusBadInput;
    }
    const DecimalValue number = SplitDecimal(text);
    for (const NumberRange& range : ranges) {
        if (Compare(number, range.lowest) >= 0 && Compare(number, range.highest) <= 0) {
            out.append(text);
            break;
        }
    }
    return kStatusConverted;
}

bool ParseRangeCode(CodeReader& reader, Dialect dialect, RangeCode& code, CodeError& error) {
    for (;;) {
        NumberRange range;
        if (!TakeBound(reader, range.lowest, error)) {
            return false;
        }
        if (!reader.At(',')) {
            return Fail(error, reader.ErrorHere(reader.AtEnd() ? "the code ends too early"
                                                               : "a comma must follow the bound"));
        }
        reader.Advance();
        const std::size_t highestAt = reader.Position();
        if (!TakeBound(reader, range.highest, error)) {
            return false;
        }
        const DecimalValue highest{range.highest.negative, range.highest.digits, {}};
        if (Compare(highest, range.lowest) < 0) {
            return Fail(error, {highestAt, "the range ends below its start"});
        }
        code.ranges.push_back(std::move(range));
        if (reader.AtEnd()) {
            return true;
        }
        if (!reader.At(';') && !(dialect == Dialect::Universe && reader.At('/'))) {
            return Fail(
                error, reader.ErrorHere(dialect == Dialect::Universe ? "ranges are joined by ; or /"
                                                                     : "ranges are joined by ;"));
        }
        reader.Advance();
    }
}
