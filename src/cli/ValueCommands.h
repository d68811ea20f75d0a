#pragma once
// The commands that show one value in every form: day, time, char and diff. Each returns its exit
// code: 0, or 1 when a value could not be read (the others are still shown).

#include <string>
#include <vector>

#include "cli/Console.h"
#include "cli/DayForms.h"
#include "cli/TableWriter.h"

struct ValueOptions {
    OutputFormat format = OutputFormat::kText;
    CalendarDate today;
    bool utf8 = false;  // --encoding utf8: characters are UTF-8
};

int RunDay(Console& console, const std::vector<std::string>& values, const ValueOptions& options);
int RunTime(Console& console, const std::vector<std::string>& values, const ValueOptions& options);
int RunChar(Console& console, const std::vector<std::string>& values, const ValueOptions& options);
int RunDiff(Console& console, const std::string& from, const std::string& to,
            const ValueOptions& options);
