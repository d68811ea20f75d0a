#pragma once
// A Pick time (seconds past midnight) in hours, minutes and seconds, and back: the arithmetic the
// time panel and the command line share. No range is enforced: 86400 and more give 24 hours and
// more, and a negative time gives parts that all carry its sign.

#include <cstdint>

struct TimeParts {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
};

// Each part truncated toward zero: -3700 gives -1, -1, -40.
TimeParts SplitPickTime(std::int32_t seconds);
// The total in seconds; exact in 64 bits for any three 32-bit counts.
std::int64_t JoinPickTime(std::int64_t hours, std::int64_t minutes, std::int64_t seconds);
