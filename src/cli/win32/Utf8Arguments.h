#pragma once
// The program's arguments as UTF-8. Windows hands a console program its arguments in the ANSI
// code page, where a character outside it becomes '?'; with --encoding utf8 the values are read
// from the wide command line instead.

#include <string>
#include <vector>

// The arguments, program name first, in UTF-8; empty when Windows cannot give them.
std::vector<std::string> Utf8Arguments();
