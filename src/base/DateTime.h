#pragma once
// Date values: whole days from 30 December 1899 (day 0), fraction = time of day.

#include <cstdint>

using TDateTime = double;

// Days between the PC day serial (day 0 = 30 December 1899) and the Pick day number
// (day 0 = 31 December 1967).
inline constexpr std::int32_t PICK_EPOCH_OFFSET = 24837;
