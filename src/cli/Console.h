#pragma once
// What a command talks to: its input, its output and its diagnostics, with what the program
// knows about them. The program passes the real streams; tests pass strings.

#include <string_view>

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
