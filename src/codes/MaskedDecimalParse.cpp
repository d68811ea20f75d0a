// The grammar of MD, ML and MR: the decimals and scaling digits, the options in any order (each
// at most once, one sign code), the universe international element and the mask.
#include <optional>
#include <utility>

#include "codes/MaskedDecimalCode.h"
#include "codes/Utf8Text.h"
#include "codes/ValueText.h"

namespace {

constexpr std::size_t kLongestAffix = 8;

CodeCharacter CharacterOf(std::string_view text) {
    CodeCharacter character;
    for (std::size_t i = 0; i < text.size() && i < sizeof character.bytes; ++i) {
        character.bytes[i] = text[i];
    }
    character.length = static_cast<unsigned char>(text.size() < 4 ? text.size() : 4);
    return character;
}

std::optional<SignNotation> SignCodeOf(char upper, bool pick) {
    switch (upper) {
        case '-':
            return SignNotation::TrailingMinus;
        case '<':
            return SignNotation::Angles;
        case 'C':
            return SignNotation::Credit;
        case 'D':
            return pick ? SignNotation::DebitPositive : SignNotation::DebitNegative;
        case 'E':
            return pick ? std::optional(SignNotation::Angles) : std::nullopt;
        case 'M':
            return pick ? std::optional(SignNotation::TrailingMinus) : std::nullopt;
        case 'N':
            return pick ? std::optional(SignNotation::Suppressed) : std::nullopt;
        default:
            return std::nullopt;
    }
}

struct Element {
    std::string text;
    std::size_t first = 0;  // where its first character stands in the code
};

// One part of [p,t,d,s]: empty, quoted text or unquoted text, of at most most characters.
bool ParseElement(CodeReader& reader, Encoding encoding, std::size_t most, Element& element,
                  CodeError& error) {
    const std::string_view code = reader.Code();
    std::size_t from = reader.Position();
    std::size_t to = from;
    if (reader.AtQuote()) {
        const std::size_t close = code.find(code[from], from + 1);
        if (close == std::string_view::npos) {
            return Fail(error, {code.size(), "quoted text is not closed"});
        }
        ++from;
        to = close;
        reader.Advance(close + 1 - reader.Position());
    } else {
        while (to < code.size() && code[to] != ',' && code[to] != ']' && code[to] != '\'' &&
               code[to] != '"') {
            ++to;
        }
        reader.Advance(to - from);
    }
    std::size_t characters = 0;
    for (std::size_t pos = from; pos < to;) {
        if (const char* unfit = reader.UnfitReasonAt(pos)) {
            return Fail(error, {pos, unfit});
        }
        if (++characters > most) {
            return Fail(error, {pos, most == 1 ? "a separator is one character"
                                               : "a prefix or suffix is at most 8 characters"});
        }
        pos += encoding == Encoding::Bytes ? 1 : Utf8CharLength(code, pos);
    }
    // Used as written, never folded.
    element.text.assign(code.substr(from, to - from));
    element.first = from;
    return true;
}

// The universe [p,t,d,s], the cursor on its [.
bool ParseInternational(CodeReader& reader, Encoding encoding, MaskedDecimalCode& code,
                        CodeError& error) {
    reader.Advance();
    Element parts[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const bool separator = i == 1 || i == 2;
        if (!ParseElement(reader, encoding, separator ? 1 : kLongestAffix, parts[i], error)) {
            return false;
        }
        if (reader.AtEnd()) {
            return Fail(error, reader.ErrorHere("the international element is not closed"));
        }
        if (!reader.At(i < 3 ? ',' : ']')) {
            return Fail(error, reader.ErrorHere(reader.At(',') || reader.At(']')
                                                    ? "the international element has four parts"
                                                    : "a part is quoted or unquoted text"));
        }
        reader.Advance();
    }
    const Element& thousands = parts[1];
    const Element& point = parts[2];
    if (thousands.text.size() == 1 && IsAsciiDigit(thousands.text[0])) {
        return Fail(error, {thousands.first, "the thousands separator cannot be a digit"});
    }
    const std::string_view pointText =
        point.text.empty() ? std::string_view(".") : std::string_view(point.text);
    if (pointText.size() == 1 && (IsAsciiDigit(pointText[0]) || pointText[0] == ' ')) {
        return Fail(error, {point.first, "the decimal separator cannot be a digit or a space"});
    }
    // Compared folded, so that a code is valid or not whatever the case of its letters.
    const bool same =
        thousands.text.size() == pointText.size() &&
        (pointText.size() != 1 ? thousands.text == pointText
                               : AsciiUpper(thousands.text[0]) == AsciiUpper(pointText[0]));
    if (same) {
        return Fail(error, {point.text.empty() ? thousands.first : point.first,
                            "the thousands and decimal separators must differ"});
    }
    code.international = true;
    code.currency = parts[0].text;
    code.thousands = CharacterOf(thousands.text);
    code.point = CharacterOf(pointText);
    code.suffix = parts[3].text;
    return true;
}

struct OptionsSeen {
    bool group = false;
    bool currency = false;
    bool sign = false;
};

// Why the character at the cursor is no option.
CodeError NoOption(const CodeReader& reader, bool pick) {
    const char c = reader.Upper();
    if (reader.AtDigit()) {
        return reader.ErrorHere("a digit cannot follow the options");
    }
    if (pick && (c == 'P' || c == 'T' || c == '[')) {
        return reader.ErrorHere("not part of the pick dialect");
    }
    if (!pick && (c == '&' || c == '(')) {
        return reader.ErrorHere("a mask starts with #, * or %");
    }
    if (!pick && (c == 'F' || c == 'I' || c == 'Y')) {
        return reader.ErrorHere("currency from a locale is unknown here: write [p,t,d,s]");
    }
    return reader.ErrorHere("unknown option");
}

bool ParseOption(CodeReader& reader, bool pick, MaskedDecimalCode& code, OptionsSeen& seen,
                 CodeError& error) {
    const char c = reader.Upper();
    bool* once = nullptr;
    switch (c) {
        case ',':
            once = &seen.group;
            break;
        case '$':
            once = &seen.currency;
            break;
        case 'Z':
            once = &code.blankZero;
            break;
        case 'P':
            once = pick ? nullptr : &code.keepPointed;
            break;
        case 'T':
            once = pick ? nullptr : &code.truncate;
            break;
        case '[':
            once = pick ? nullptr : &code.international;
            break;
        default:
            break;
    }
    const std::optional<SignNotation> sign = SignCodeOf(c, pick);
    if (sign) {
        once = &seen.sign;
    }
    if (once == nullptr) {
        return Fail(error, NoOption(reader, pick));
    }
    if (*once) {
        return Fail(error,
                    reader.ErrorHere(sign ? "one sign code at most" : "an option is given once"));
    }
    if ((c == '[' && (seen.group || seen.currency)) ||
        ((c == ',' || c == '$') && code.international)) {
        return Fail(error, reader.ErrorHere("the international element replaces , and $"));
    }
    if (c == '[') {
        return ParseInternational(reader, code.encoding, code, error);
    }
    *once = true;
    if (sign) {
        code.sign = *sign;
    } else if (c == ',') {
        code.thousands = CharacterOf(",");
    } else if (c == '$') {
        code.currency = "$";
    }
    reader.Advance();
    return true;
}

}  // namespace

bool ParseMaskedDecimalCode(CodeReader& reader, Dialect dialect, Encoding encoding,
                            MaskedDecimalCode& code, CodeError& error) {
    const bool pick = dialect == Dialect::Pick;
    code.dialect = dialect;
    code.encoding = encoding;
    code.point = CharacterOf(".");
    reader.Advance();
    const char kind = reader.Upper();
    reader.Advance();
    code.rightJustified = kind == 'R' || (kind == 'D' && pick);
    if (reader.AtDigit()) {
        code.decimals = reader.TakeDigit();
        code.scale = reader.AtDigit() ? reader.TakeDigit() : code.decimals;
        if (reader.AtDigit()) {
            return Fail(error, reader.ErrorHere("at most two digits: decimals and scaling"));
        }
    }
    OptionsSeen seen;
    while (!reader.AtEnd()) {
        const char c = reader.Upper();
        if (c == '#' || c == '*' || c == '%' || (pick && (c == '&' || c == '('))) {
            return ParseDecimalMask(reader, dialect, code.mask, error);
        }
        if (!ParseOption(reader, pick, code, seen, error)) {
            return false;
        }
    }
    return true;
}
