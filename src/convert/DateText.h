#pragma once
// Date text rules under the regional date settings.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Calendar.h"
#include "base/DateTime.h"

// Reads a date in the order of the short-date pattern (see the rules in DateText.cpp). Raises
// EConvertError "'<text>' is not a valid date".
TDateTime TextToDate(std::string_view text);
// The same rules under the given short-date pattern and date separator instead of the user's.
TDateTime TextToDateUnder(std::string_view text, std::string_view shortDatePattern,
                          char dateSeparator);

// Writes the date part of d through the short-date pattern.
std::string DateToText(TDateTime d);
