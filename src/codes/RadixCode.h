#pragma once
// Numbers in another radix: universe MX, MO and MB (32-bit values, negatives as two's
// complement), and MCDX/MCXD of both dialects (signed 64-bit magnitudes in hexadecimal).

#include <string>
#include <string_view>

// Universe MX (16), MO (8), MB (2): OCONV integer to digits, ICONV digits to integer.
struct RadixCode {
    unsigned radix = 16;

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const;
};

// MCDX (decimal inside: OCONV decimal to hex) and MCXD (hex inside: OCONV hex to decimal).
struct HexNumberCode {
    bool decimalInside = true;

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const;
};
