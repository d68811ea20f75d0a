#include <utility>

#include "codes/CodeCount.h"
#include "codes/PatternCode.h"
#include "codes/TextCharacters.h"

namespace {

// Adds literal bytes to the template, joining them to a literal just before.
void AddLiteral(PatternCode& code, std::size_t templateStart, std::string_view text) {
    const std::size_t characters = CountTextCharacters(text, code.encoding);
    if (code.elements.size() == templateStart ||
        code.elements.back().what != PatternClass::Literal) {
        code.elements.push_back({PatternClass::Literal, 0, code.literals.size(), 0});
    }
    PatternElement& literal = code.elements.back();
    literal.count += characters;
    literal.literalLength += text.size();
    code.literals.append(text);
}

bool ClassOf(char upper, Dialect dialect, PatternClass& what) {
    switch (upper) {
        case 'N':
            what = PatternClass::Digit;
            return true;
        case 'A':
            what = PatternClass::Letter;
            return true;
        case 'X':
            what = PatternClass::Any;
            return true;
        case 'C':
            what = PatternClass::LetterOrDigit;
            return dialect == Dialect::Pick;
        case 'P':
            what = PatternClass::Printable;
            return dialect == Dialect::Pick;
        default:
            return false;
    }
}

bool TakeQuoted(CodeReader& reader, PatternCode& code, std::size_t templateStart,
                CodeError& error) {
    const std::string_view text = reader.Code();
    const std::size_t open = reader.Position();
    const std::size_t close = text.find(text[open], open + 1);
    if (close == std::string_view::npos) {
        return Fail(error, {reader.Length(), "the quoted text is not closed"});
    }
    if (const std::size_t unfit = reader.FirstUnfitCharacter(open + 1, close);
        unfit != std::string_view::npos) {
        return Fail(error, {unfit, reader.UnfitReasonAt(unfit)});
    }
    AddLiteral(code, templateStart, text.substr(open + 1, close - open - 1));
    reader.Advance(close + 1 - open);
    return true;
}

// Reads a template after its '(' up to and past its ')'.
bool TakeTemplate(CodeReader& reader, Dialect dialect, PatternCode& code, CodeError& error) {
    const std::size_t templateStart = code.elements.size();
    for (;;) {
        if (reader.AtEnd()) {
            return Fail(error, reader.ErrorHere("the template is not closed"));
        }
        if (reader.At(')')) {
            reader.Advance();
            code.templateEnds.push_back(code.elements.size());
            return true;
        }
        if (const char* unfit = reader.UnfitReasonAt(reader.Position())) {
            return Fail(error, reader.ErrorHere(unfit));
        }
        if (reader.AtQuote()) {
            if (!TakeQuoted(reader, code, templateStart, error)) {
                return false;
            }
            continue;
        }
        if (!reader.AtDigit()) {
            // Any other character is literal text, used as written.
            AddLiteral(code, templateStart, reader.TakeCharacter().View());
            continue;
        }
        const CodeCount count = TakeCount(reader);
        if (!reader.AtLetter()) {
            AddLiteral(code, templateStart, count.digits);
            continue;
        }
        PatternClass what = PatternClass::Any;
        if (!ClassOf(reader.Upper(), dialect, what)) {
            return Fail(error,
                        reader.ErrorHere(dialect == Dialect::Pick ? "a count takes N, A, X, C or P"
                                                                  : "a count takes N, A or X"));
        }
        reader.Advance();
        code.elements.push_back({what, count.value, 0, 0});
    }
}

}  // namespace

bool ParsePatternCode(CodeReader& reader, const CodeOptions& options, PatternCode& code,
                      CodeError& error) {
    code.encoding = options.encoding;
    const bool pick = options.dialect == Dialect::Pick;
    if (reader.At('#')) {
        if (!pick) {
            return Fail(error, reader.ErrorHere("P# is not part of the universe dialect"));
        }
        code.matchGivesEmpty = true;
        reader.Advance();
    }
    for (;;) {
        if (!reader.At('(')) {
            return Fail(error,
                        reader.ErrorHere(reader.AtEnd() ? "the code ends too early"
                                                        : "a template in parentheses is expected"));
        }
        reader.Advance();
        if (!TakeTemplate(reader, options.dialect, code, error)) {
            return false;
        }
        if (reader.AtEnd()) {
            return true;
        }
        if (!reader.At(';') && (pick || !reader.At('/'))) {
            return Fail(error, reader.ErrorHere(pick ? "templates are joined by ;"
                                                     : "templates are joined by ; or /"));
        }
        reader.Advance();
    }
}
