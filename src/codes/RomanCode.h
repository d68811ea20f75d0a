#pragma once
// Roman numerals: pick MCDR and MCRD (upper case, 1 to 3999, read in either case) and universe
// NR (lower case for 1 to 1000, upper case for 5000 to 1,000,000, so 1 to 3,999,999, read
// exactly as written). Numerals are read only in the one form they are written in.

#include <string>
#include <string_view>

enum class RomanLetters : unsigned char { Pick, Universe };

struct RomanCode {
    RomanLetters letters = RomanLetters::Pick;
    // OCONV writes an integer as a numeral (MCDR, NR); otherwise it reads a numeral (MCRD).
    bool numeralOutside = true;

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const;
};
