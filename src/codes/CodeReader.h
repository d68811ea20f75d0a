#pragma once
// A cursor over the text of a conversion code. Letters are compared folded to upper case; the
// raw text stays available for what is used as written (quoted separator text). A character is
// one byte, or one whole UTF-8 character in utf8 mode.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "codes/ConversionCode.h"

// Why and where a code is invalid.
struct CodeError {
    std::size_t position = 0;
    std::string reason;
};

// Records why a code is invalid and answers false, for the parsers that answer whether a code
// is valid.
inline bool Fail(CodeError& error, CodeError found) {
    error = std::move(found);
    return false;
}

// One character of a code kept for output (a separator or a group delimiter).
struct CodeCharacter {
    char bytes[4] = {};
    unsigned char length = 0;

    std::string_view View() const { return {bytes, length}; }
};

// A one-byte character.
inline CodeCharacter OneByte(char c) {
    CodeCharacter character;
    character.bytes[0] = c;
    character.length = 1;
    return character;
}

class CodeReader {
  public:
    CodeReader(std::string_view code, Encoding encoding) : code_(code), encoding_(encoding) {}

    bool AtEnd() const { return pos_ >= code_.size(); }
    std::size_t Position() const { return pos_; }
    std::size_t Length() const { return code_.size(); }
    std::string_view Code() const { return code_; }

    // The byte ahead of the cursor folded to upper case; '\0' past the end (check AtEnd for a
    // NUL in the code).
    char Upper(std::size_t ahead = 0) const;
    bool At(char upper, std::size_t ahead = 0) const;
    bool AtDigit(std::size_t ahead = 0) const;
    bool AtLetter() const;
    bool AtQuote() const;
    // The length of the character at the cursor.
    std::size_t CharLength() const;
    // A character that may separate fields: not a letter, digit, quote or mark, and, where
    // brackets have a meaning, not '[' or ']'.
    bool AtSeparator(bool bracketsAllowed) const;

    // Why no code may hold the character at pos (a mark, since value marks join the codes of a
    // chain before they are parsed and other marks have no place in one, or bytes that are not
    // UTF-8 in utf8 mode), or nullptr when it is fit.
    const char* UnfitReasonAt(std::size_t pos) const;
    // The first unfit character in [from, to), or npos.
    std::size_t FirstUnfitCharacter(std::size_t from, std::size_t to) const;

    void Advance(std::size_t count = 1) { pos_ += count; }
    // Takes the character at the cursor.
    CodeCharacter TakeCharacter();
    // Reads the digit at the cursor and moves past it.
    int TakeDigit();

    CodeError ErrorHere(std::string reason) const { return {pos_, std::move(reason)}; }

  private:
    std::string_view code_;
    Encoding encoding_;
    std::size_t pos_ = 0;
};
