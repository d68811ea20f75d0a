#pragma once
// P: the value when the whole of it matches one of the templates, else "" (pick P# the other
// way round). A template is a row of character classes with counts (kN digits, kA letters, kX
// anything; pick also kC letters or digits and kP printable; k = 0 any number) and literal text,
// matched in characters: bytes, or UTF-8 characters in utf8 mode. It sees every byte of a piece,
// never fails, and converts the same way in both directions.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

enum class PatternClass : unsigned char { Literal, Digit, Letter, Any, LetterOrDigit, Printable };

struct PatternElement {
    PatternClass what = PatternClass::Literal;
    // Characters of the class (0: any number, none included), or of the literal text.
    std::size_t count = 0;
    // A literal's bytes in PatternCode::literals.
    std::size_t literalStart = 0;
    std::size_t literalLength = 0;
};

struct PatternCode {
    std::vector<PatternElement> elements;
    std::vector<std::size_t> templateEnds;  // one past each template's last element
    std::string literals;                   // used as written
    bool matchGivesEmpty = false;           // pick P#
    Encoding encoding = Encoding::Bytes;

    // A whole piece, spaces included.
    int Oconv(std::string_view piece, std::string& out) const;
    int Iconv(std::string_view piece, std::string& out) const { return Oconv(piece, out); }
};

// Parses what follows P.
bool ParsePatternCode(CodeReader& reader, const CodeOptions& options, PatternCode& code,
                      CodeError& error);
