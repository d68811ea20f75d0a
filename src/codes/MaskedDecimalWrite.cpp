// OCONV of MD, ML and MR: the stored number scaled, rounded and written with its options, then
// justified into the mask.
#include "codes/ExactDecimal.h"
#include "codes/MaskedDecimalCode.h"

namespace {

// The longest formatted number: a leading sign, a prefix of 8 characters of up to 4 bytes (or
// $), 31 integer digits (30 and a carry) with 10 separators of up to 4 bytes, the point, 9
// decimals, a two-letter sign and a suffix like the prefix.
constexpr std::size_t kLongestFormatted = 1 + 32 + 31 + 40 + 4 + 9 + 2 + 32;

// The formatted number, on the stack: most values need no heap at all.
class FormattedText {
  public:
    void Put(char c) {
        if (size_ < sizeof bytes_) {
            bytes_[size_++] = c;
        }
    }
    void Put(std::string_view text) {
        for (const char c : text) {
            Put(c);
        }
    }
    std::string_view View() const { return {bytes_, size_}; }

  private:
    char bytes_[kLongestFormatted];
    std::size_t size_ = 0;
};

char DigitCharacter(const ExactDecimal& number, int power) {
    return static_cast<char>('0' + number.DigitAt(power));
}

void PutDigits(const ExactDecimal& number, const MaskedDecimalCode& code, FormattedText& text) {
    const std::string_view thousands = code.thousands.View();
    for (int power = number.IntegerDigits() - 1; power >= 0; --power) {
        text.Put(DigitCharacter(number, power));
        if (power > 0 && power % 3 == 0) {
            text.Put(thousands);
        }
    }
    if (code.decimals > 0) {
        text.Put(code.point.View());
        for (int power = -1; power >= -code.decimals; --power) {
            text.Put(DigitCharacter(number, power));
        }
    }
}

void Format(const ExactDecimal& number, const MaskedDecimalCode& code, FormattedText& text) {
    const bool negative = number.Negative();
    // A leading minus or angle stays outside the currency text.
    if (code.sign == SignNotation::Angles) {
        text.Put(negative ? '<' : ' ');
    } else if (negative && (code.sign == SignNotation::LeadingMinus ||
                            code.sign == SignNotation::DebitPositive)) {
        text.Put('-');
    }
    text.Put(code.currency);
    PutDigits(number, code, text);
    switch (code.sign) {
        case SignNotation::TrailingMinus:
            text.Put(negative ? '-' : ' ');
            break;
        case SignNotation::Angles:
            text.Put(negative ? '>' : ' ');
            break;
        case SignNotation::Credit:
            text.Put(negative ? "CR" : "  ");
            break;
        case SignNotation::DebitNegative:
            text.Put(negative ? "DB" : "  ");
            break;
        case SignNotation::DebitPositive:
            text.Put(negative ? "  " : "DB");
            break;
        case SignNotation::LeadingMinus:
        case SignNotation::Suppressed:
            break;
    }
    text.Put(code.suffix);
}

}  // namespace

int MaskedDecimalCode::Oconv(std::string_view text, std::string& out) const {
    std::optional<ExactDecimal> number = ExactDecimal::Read(text, ".", true);
    if (!number) {
        return kStatusBadInput;
    }
    if (!keepPointed || text.find('.') == std::string_view::npos) {
        number->ShiftPoint(-scale);
    }
    number->RoundTo(decimals, truncate);
    FormattedText formatted;
    if (!blankZero || !number->IsZero()) {
        Format(*number, *this, formatted);
    }
    if (mask.Empty()) {
        out.append(formatted.View());
        return kStatusConverted;
    }
    return mask.Apply(formatted.View(), rightJustified, dialect, encoding, out) ? kStatusSuspect
                                                                                : kStatusConverted;
}
