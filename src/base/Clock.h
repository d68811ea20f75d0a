#pragma once
// The local clock, replaceable so tests (and the century window of two-digit years) can be
// driven from a chosen date and time.

#include <cstdint>
#include <functional>

#include "base/DateTime.h"

// One reading of the local (not universal) clock.
struct LocalClockReading {
    int year = 1;         // 1..9999
    int month = 1;        // 1..12
    int day = 1;          // 1..31
    int hour = 0;         // 0..23
    int minute = 0;       // 0..59
    int second = 0;       // 0..59
    int millisecond = 0;  // 0..999
};

// The time of day as the program uses it.
struct ClockReading {
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
    std::uint8_t hundredths = 0;
};

using ClockSource = std::function<LocalClockReading()>;

// The process-wide clock source; the default reads the C library's local time.
void SetClockSource(ClockSource source);
LocalClockReading ReadLocalClock();

// Today's local date as a whole-day TDateTime.
TDateTime CurrentDate();
// Hour, minute, second and hundredths of the local clock.
ClockReading CurrentTimeOfDay();

// Replaces the clock for the life of the object (tests).
class ScopedClockSource {
  public:
    explicit ScopedClockSource(ClockSource source);
    ~ScopedClockSource();
    ScopedClockSource(const ScopedClockSource&) = delete;
    ScopedClockSource& operator=(const ScopedClockSource&) = delete;

  private:
    ClockSource previous_;
};
