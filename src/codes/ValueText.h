#pragma once
// How the codes read their input values: the spaces around a value, integers, and decimals whose
// fraction is dropped, with a piece's failure handled the same way for every code.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "codes/ConversionCode.h"

// Magnitudes up to this are read; beyond it a number is out of every code's range.
inline constexpr std::int64_t kLargestMagnitude = INT64_MAX;

// The text without its leading and trailing spaces.
std::string_view TrimSpaces(std::string_view text);

bool IsAsciiDigit(char c);
bool IsAsciiLetter(char c);
char AsciiUpper(char c);

struct IntegerReading {
    std::int64_t value = 0;
    bool fractionDropped = false;  // a decimal whose fraction had a digit other than 0
};
// An optional sign and digits, or a decimal ("123.45", "-.5", "7.") truncated toward zero.
// Nothing for anything else, or a magnitude past kLargestMagnitude.
std::optional<IntegerReading> ReadIntegerValue(std::string_view text);
// An optional sign and digits only.
std::optional<std::int64_t> ReadStrictInteger(std::string_view text);

// The STATUS of a read integer: suspect when a fraction was dropped.
int StatusOfReading(const IntegerReading& reading);

// One piece of a value (the text between marks) under a piecewise code's rule. The rule sees the
// piece without its spaces and never an empty one (which converts to ""), and appends its
// result. When it fails, the piece gives back its own text (OCONV) or nothing (ICONV).
template <typename Rule>
int ConvertPiece(std::string_view piece, bool outward, std::string& out, Rule rule) {
    const std::string_view text = TrimSpaces(piece);
    if (text.empty()) {
        return kStatusConverted;
    }
    const std::size_t start = out.size();
    const int status = rule(text, out);
    if (status == kStatusBadInput) {
        out.resize(start);
        if (outward) {
            out.append(piece);
        }
    }
    return status;
}
