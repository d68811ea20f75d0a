#include "base/Clock.h"

#include <chrono>
#include <ctime>
#include <utility>

#include "base/Calendar.h"

namespace {

LocalClockReading ReadSystemLocalClock() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto sinceEpoch = now.time_since_epoch();
    const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch) -
                        std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch));
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    LocalClockReading reading;
    reading.year = local.tm_year + 1900;
    reading.month = local.tm_mon + 1;
    reading.day = local.tm_mday;
    reading.hour = local.tm_hour;
    reading.minute = local.tm_min;
    // A leap second reads as the last second of the minute.
    reading.second = local.tm_sec > 59 ? 59 : local.tm_sec;
    const auto ms = millis.count();
    reading.millisecond = ms < 0 ? 0 : static_cast<int>(ms % 1000);
    return reading;
}

// The one clock of the process; tests replace it through ScopedClockSource.
ClockSource& CurrentSource() {
    static ClockSource source = ReadSystemLocalClock;
    return source;
}

std::uint8_t ClockByte(int value, int highest) {
    if (value < 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(value > highest ? highest : value);
}

}  // namespace

void SetClockSource(ClockSource source) {
    CurrentSource() = source ? std::move(source) : ClockSource(ReadSystemLocalClock);
}

LocalClockReading ReadLocalClock() {
    return CurrentSource()();
}

TDateTime CurrentDate() {
    const LocalClockReading now = ReadLocalClock();
    return EncodeDate(now.year, now.month, now.day);
}

ClockReading CurrentTimeOfDay() {
    const LocalClockReading now = ReadLocalClock();
    ClockReading reading;
    reading.hour = ClockByte(now.hour, 23);
    reading.minute = ClockByte(now.minute, 59);
    reading.second = ClockByte(now.second, 59);
    reading.hundredths = ClockByte(now.millisecond / 10, 99);
    return reading;
}

ScopedClockSource::ScopedClockSource(ClockSource source) : previous_(CurrentSource()) {
    SetClockSource(std::move(source));
}

ScopedClockSource::~ScopedClockSource() {
    CurrentSource() = std::move(previous_);
}
