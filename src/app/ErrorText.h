#pragma once
// The texts of the error boxes.

#include <string>
#include <string_view>

// The message as the error box shows it: a full stop is added when the last character is above
// "." (compared as an unsigned byte), so "abc" gets one and "abc.", "abc!" or "abc)" do not.
std::string WithFullStop(std::string_view message);

// The text of the generic box for an error outside the program's error family.
std::string GenericErrorText(std::string_view className, std::string_view moduleName,
                             unsigned long address, std::string_view message);

// The readable name of a class from the name its type information records ("St13runtime_error"
// is "std::runtime_error"); a name it cannot read is given as recorded.
std::string ReadableClassName(std::string_view recorded);
