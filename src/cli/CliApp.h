#pragma once
// The `quorlin` command line: reads the arguments, runs the command and returns its exit code
// (64 for a usage error). Results go to the console's output, diagnostics to its error stream.

#include "cli/Console.h"

inline constexpr int kExitUsage = 64;

int RunQuorlin(int argc, const char* const argv[], Console& console);
