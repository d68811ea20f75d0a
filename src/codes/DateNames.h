#pragma once
// The English names the date code writes and reads: months, weekdays and Roman months.

#include <cstddef>
#include <string_view>

#include "codes/DirectText.h"

// Upper case, month 1..12 and weekday Monday 1 .. Sunday 7.
std::string_view MonthName(int month);
std::string_view WeekdayName(int weekday);
std::string_view RomanMonth(int month);

// Writes a name, cut to its first `letters` letters when that is not 0, in title case when
// asked (the names are stored upper case).
void PutName(DirectText& out, std::string_view name, std::size_t letters, bool titleCase);

// The month whose name the letters begin, in any case, at least three of them; 0 for none.
int MonthNamed(std::string_view letters);
