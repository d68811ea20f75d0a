#include "convert/PickTime.h"

namespace {

constexpr std::int32_t kSecondsPerHour = 3600;
constexpr std::int32_t kSecondsPerMinute = 60;

}  // namespace

TimeParts SplitPickTime(std::int32_t seconds) {
    // C++ division truncates toward zero. No step can overflow: each product is at most the
    // magnitude of the time.
    const std::int32_t h = seconds / kSecondsPerHour;
    const std::int32_t r = seconds - h * kSecondsPerHour;
    const std::int32_t m = r / kSecondsPerMinute;
    return TimeParts{h, m, r - m * kSecondsPerMinute};
}

std::int64_t JoinPickTime(std::int64_t hours, std::int64_t minutes, std::int64_t seconds) {
    return hours * kSecondsPerHour + minutes * kSecondsPerMinute + seconds;
}
