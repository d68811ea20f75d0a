#include "base/Clock.h"

#include <gtest/gtest.h>

#include "DateTestSupport.h"

namespace {

TEST(Clock, CurrentDateIsTheWholeLocalDay) {
    ScopedClockSource clock(FixedClock(2000, 1, 1));
    // 1 January 2000 is day 36526; the clock's afternoon time must not show.
    EXPECT_EQ(CurrentDate(), 36526.0);
}

TEST(Clock, TimeOfDayDropsTheLastDigitOfTheMilliseconds) {
    ScopedClockSource clock(FixedClock(2000));
    const ClockReading now = CurrentTimeOfDay();
    EXPECT_EQ(now.hour, 16);
    EXPECT_EQ(now.minute, 59);
    EXPECT_EQ(now.second, 19);
    EXPECT_EQ(now.hundredths, 98);  // 987 ms
}

TEST(Clock, ScopedSourceIsUndoneAtTheEndOfItsScope) {
    {
        ScopedClockSource outer(FixedClock(1999));
        {
            ScopedClockSource inner(FixedClock(2042));
            EXPECT_EQ(ReadLocalClock().year, 2042);
        }
        EXPECT_EQ(ReadLocalClock().year, 1999);
    }
    // Back on the system clock: a plausible reading of today.
    const LocalClockReading now = ReadLocalClock();
    EXPECT_GE(now.year, 2020);
    EXPECT_LE(now.year, 9999);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
    EXPECT_GE(now.millisecond, 0);
    EXPECT_LE(now.millisecond, 999);
}

}  // namespace
