#pragma once
// The time code MT of both dialects: seconds (universe MTM: milliseconds) after midnight written
// as a clock or an elapsed time, and times written by people read back.

#include <string>
#include <string_view>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

struct TimeCode {
    Dialect dialect = Dialect::Universe;
    bool twelveHour = false;
    bool milliseconds = false;
    bool showSeconds = false;
    std::string separator = ":";

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const;
};

// Parses what follows the leading MT.
bool ParseTimeCode(CodeReader& reader, Dialect dialect, TimeCode& code, CodeError& error);
