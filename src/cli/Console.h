#pragma once
// What a command talks to: its input, its output and its diagnostics, with what the program
// knows about them. The program passes the real streams; tests pass strings.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ByteStreams.h"

struct Console {
    ByteSource& in;
    ByteSink& out;
    ByteSink& err;
    bool inIsTerminal = false;
    bool outIsTerminal = false;
    bool errIsTerminal = false;
};

// One diagnostic line, "quorlin: " first. The results written so far go out first, so that on a
// terminal the two streams read in order.
void Diagnose(Console& console, std::string_view line);

// Writes out the results buffered so far, where the output is buffered.
void FlushOutput(Console& console);

// Runs `each` on the values named on the command line or, when there are none, on each line of
// the input; a value typed at a terminal is answered at once.
void EachValue(Console& console, const std::vector<std::string>& values,
               const std::function<void(const std::string&)>& each);
