#pragma once
// R: the value when it lies in one of the ranges a,b (joined by ';', universe also '/'), else
// "". Bounds are integers; values are decimal numbers of up to 30 digits, compared exactly.

#include <string>
#include <string_view>
#include <vector>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

// An integer of any length: its sign and its digits without leading zeros ("" for zero).
struct ExactInteger {
    bool negative = false;
    std::string digits;
};

struct NumberRange {
    ExactInteger lowest;
    ExactInteger highest;
};

struct RangeCode {
    std::vector<NumberRange> ranges;

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const { return Oconv(text, out); }
};

// Parses what follows R.
bool ParseRangeCode(CodeReader& reader, Dialect dialect, RangeCode& code, CodeError& error);
