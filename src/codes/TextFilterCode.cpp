#include "codes/TextFilterCode.h"

#include "codes/TextCharacters.h"
#include "codes/ValueText.h"

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsKept(TextFilter filter, char c) {
    const bool letter = IsAsciiLetter(c);
    const bool digit = IsAsciiDigit(c);
    switch (filter) {
        case TextFilter::KeepLetters:
            return letter;
        case TextFilter::DropLetters:
            return !letter;
        case TextFilter::KeepDigits:
            return digit;
        case TextFilter::DropDigits:
            return !digit;
        case TextFilter::KeepLettersDigits:
            return letter || digit;
        case TextFilter::DropLettersDigits:
            return !letter && !digit;
        default:
            return true;
    }
}

// Initial capitals. Every byte of a UTF-8 character past ASCII is neither a letter nor a space,
// so working byte by byte is working character by character.
void AppendTitle(std::string_view piece, Dialect dialect, std::string& out) {
    for (std::size_t pos = 0; pos < piece.size(); ++pos) {
        const char c = piece[pos];
        bool capital = pos == 0;
        if (pos > 0) {
            const char before = piece[pos - 1];
            capital = dialect == Dialect::Universe ? before == ' ' : !IsAsciiLetter(before);
        }
        out.push_back(capital ? AsciiUpper(c) : AsciiLower(c));
    }
}

void AppendPrintable(std::string_view piece, std::string_view replacement, Encoding encoding,
                     std::string& out) {
    for (std::size_t pos = 0; pos < piece.size();) {
        const char c = piece[pos];
        const std::size_t length = TextCharLength(piece, pos, encoding);
        if (c >= 0x20 && c <= 0x7E) {
            out.push_back(c);
        } else {
            out.append(replacement);
        }
        pos += length;
    }
}

}  // namespace

int TextFilterCode::Oconv(std::string_view piece, std::string& out) const {
    switch (filter) {
        case TextFilter::Upper:
            for (const char c : piece) {
                out.push_back(AsciiUpper(c));
            }
            break;
        case TextFilter::Lower:
            for (const char c : piece) {
                out.push_back(AsciiLower(c));
            }
            break;
        case TextFilter::Title:
            AppendTitle(piece, dialect, out);
            break;
        case TextFilter::Printable:
            AppendPrintable(piece, replacement.View(), encoding, out);
            break;
        default:
            for (const char c : piece) {
                if (IsKept(filter, c)) {
                    out.push_back(c);
                }
            }
            break;
    }
    return kStatusConverted;
}

bool ParsePrintableCode(CodeReader& reader, Encoding encoding, TextFilterCode& code,
                        CodeError& error) {
    code.filter = TextFilter::Printable;
    code.encoding = encoding;
    if (reader.AtEnd()) {
        return true;
    }
    if (const char* unfit = reader.UnfitReasonAt(reader.Position())) {
        error = reader.ErrorHere(unfit);
        return false;
    }
    if (reader.At('N')) {
        error = reader.ErrorHere("N cannot replace characters (MCPN shows hexadecimal)");
        return false;
    }
    // Used as written: a letter is not folded to upper case.
    code.replacement = reader.TakeCharacter();
    if (!reader.AtEnd()) {
        error = reader.ErrorHere("unexpected character after the code");
        return false;
    }
    return true;
}
