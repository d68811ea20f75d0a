// ICONV of MD, ML and MR: a number as people or OCONV wrote it, its decoration dropped and its
// sign found in any notation, scaled to the stored integer.
#include <algorithm>

#include "codes/ExactDecimal.h"
#include "codes/MaskedDecimalCode.h"
#include "codes/Utf8Text.h"
#include "codes/ValueText.h"

namespace {

// What may remain of a number once its decoration is dropped: two sign characters, the digits
// and a point of up to 4 bytes. Anything longer is no number.
constexpr std::size_t kLongestBareNumber = 2 + ExactDecimal::kMostDigits + 4;

bool EndsWithFolded(std::string_view text, std::string_view upper) {
    if (text.size() < upper.size()) {
        return false;
    }
    const std::string_view end = text.substr(text.size() - upper.size());
    return std::equal(end.begin(), end.end(), upper.begin(),
                      [](char c, char u) { return AsciiUpper(c) == u; });
}

}  // namespace

std::size_t MaskedDecimalCode::CharacterLengthAt(std::string_view text, std::size_t pos) const {
    return encoding == Encoding::Bytes ? 1 : std::max<std::size_t>(Utf8CharLength(text, pos), 1);
}

std::size_t MaskedDecimalCode::MatchedLength(std::string_view text, std::string_view start) const {
    if (start.empty()) {
        return 0;
    }
    // A mask literal may have landed inside the text sought: it is skipped like everywhere else.
    std::size_t at = 0;
    std::size_t matched = 0;
    while (matched < start.size()) {
        if (at < text.size() && text[at] == start[matched]) {
            ++at;
            ++matched;
            continue;
        }
        const std::size_t length = CharacterLengthAt(text, at);
        if (at == 0 || at >= text.size() || !mask.Drops(text.substr(at, length))) {
            return 0;
        }
        at += length;
    }
    return at;
}

int MaskedDecimalCode::Iconv(std::string_view text, std::string& out) const {
    const std::string_view currencyText = international ? std::string_view(currency) : "$";
    const std::string_view thousandsText = international ? thousands.View() : ",";
    char bare[kLongestBareNumber];
    std::size_t size = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view rest = text.substr(pos);
        const std::size_t affix =
            std::max(MatchedLength(rest, currencyText), MatchedLength(rest, suffix));
        if (affix > 0) {
            pos += affix;
            continue;
        }
        const std::size_t length = CharacterLengthAt(text, pos);
        const std::string_view character = text.substr(pos, length);
        pos += length;
        if (character == " " || character == thousandsText || mask.Drops(character)) {
            continue;
        }
        if (length > sizeof bare - size) {
            return kStatusBadInput;
        }
        for (const char c : character) {
            bare[size++] = c;
        }
    }
    std::string_view number(bare, size);
    bool negative = false;
    if (size >= 2 && ((number.front() == '(' && number.back() == ')') ||
                      (number.front() == '<' && number.back() == '>'))) {
        negative = true;
        number = number.substr(1, size - 2);
    } else if (size >= 1 && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    } else if (size >= 1 && (number.back() == '+' || number.back() == '-')) {
        negative = number.back() == '-';
        number.remove_suffix(1);
    } else if (EndsWithFolded(number, "CR")) {
        negative = true;
        number.remove_suffix(2);
    } else if (EndsWithFolded(number, "DB")) {
        // Each family reads DB as its own OCONV writes it.
        negative = dialect == Dialect::Universe;
        number.remove_suffix(2);
    }
    std::optional<ExactDecimal> value = ExactDecimal::Read(number, point.View(), false);
    if (!value) {
        return kStatusBadInput;
    }
    value->SetNegative(negative);
    value->ShiftPoint(scale);
    value->RoundTo(0, false);
    if (value->Negative()) {
        out.push_back('-');
    }
    for (int power = value->IntegerDigits() - 1; power >= 0; --power) {
        out.push_back(static_cast<char>('0' + value->DigitAt(power)));
    }
    return kStatusConverted;
}
