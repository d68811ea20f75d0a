#pragma once
// The masked decimal codes MD, ML and MR of both dialects: scaled integers written as numbers
// with decimals, grouping, currency, a sign notation and an optional mask, and such numbers read
// back as scaled integers.

#include <cstddef>
#include <string>
#include <string_view>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"
#include "codes/DecimalMask.h"

// How a number shows that it is negative (or, for pick D, that it is not).
enum class SignNotation : unsigned char {
    LeadingMinus,   // no sign code: -42.50
    TrailingMinus,  // universe -, pick M: 42.50- and 42.50 followed by a space
    Angles,         // universe <, pick E: <42.50> and a space on either side
    Credit,         // C: 42.50CR and two spaces
    DebitNegative,  // universe D: 42.50DB and two spaces
    DebitPositive,  // pick D: 42.50DB for positives and zero, -42.50 followed by two spaces
    Suppressed,     // pick N: no minus at all
};

struct MaskedDecimalCode {
    Dialect dialect = Dialect::Universe;
    Encoding encoding = Encoding::Bytes;
    int decimals = 0;            // n: the decimals shown
    int scale = 0;               // f: the power of ten the stored integer is scaled by
    bool blankZero = false;      // Z
    bool keepPointed = false;    // universe P: an input with a point is not scaled
    bool truncate = false;       // universe T
    bool international = false;  // universe [p,t,d,s]
    SignNotation sign = SignNotation::LeadingMinus;
    std::string currency;         // written in front of the digits: "$" or the prefix
    std::string suffix;           // written last
    CodeCharacter thousands;      // empty: no grouping
    CodeCharacter point;          // the decimal separator
    bool rightJustified = false;  // in the mask
    DecimalMask mask;

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const;

  private:
    std::size_t CharacterLengthAt(std::string_view text, std::size_t pos) const;
    // How much of text spells start at its front, mask literals inside it skipped; 0 if none.
    std::size_t MatchedLength(std::string_view text, std::string_view start) const;
};

// Parses a code that starts with MD, ML or MR (the cursor on its M).
bool ParseMaskedDecimalCode(CodeReader& reader, Dialect dialect, Encoding encoding,
                            MaskedDecimalCode& code, CodeError& error);
