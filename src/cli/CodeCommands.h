#pragma once
// The conversion codes on the command line: `oconv` and `iconv`, and the field converters of
// `convert`. A code is parsed once, then converts every value.

#include <memory>
#include <string>
#include <vector>

#include "cli/Console.h"
#include "cli/DayForms.h"
#include "cli/ValueConverter.h"

// The options every command shares, as the codes read them.
struct CodeSettings {
    bool pick = false;  // --dialect pick
    bool european = false;
    CalendarDate today;
    bool utf8 = false;  // --encoding utf8
};

enum class Direction : unsigned char { kOconv, kIconv };

// The converter of a code, or nullptr with why in `error` ("invalid code 'DZ' at position 2:
// unknown code").
std::unique_ptr<ValueConverter> MakeCodeConverter(Direction direction, const std::string& code,
                                                  const CodeSettings& settings, std::string& error);

// One result line per value ("value<TAB>status" with withStatus); the exit code is the highest
// STATUS seen.
int RunCodeCommand(Console& console, Direction direction, const std::string& code,
                   const std::vector<std::string>& values, bool withStatus,
                   const CodeSettings& settings);
