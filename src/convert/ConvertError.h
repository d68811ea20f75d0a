#pragma once
// The conversion errors quote the text as given, byte for byte (blanks and NUL bytes included),
// so the message is built by concatenation and never passed through a formatting routine.

#include <string>
#include <string_view>

#include "base/Exception.h"

// Raises EConvertError with "'<text>'" followed by rest.
[[noreturn]] inline void RaiseConvertError(std::string_view text, std::string_view rest) {
    std::string message;
    message.reserve(text.size() + rest.size() + 2);
    message += '\'';
    message += text;
    message += '\'';
    message += rest;
    throw EConvertError(std::move(message));
}
