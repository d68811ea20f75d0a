#include "cli/TimeForms.h"

#include <gtest/gtest.h>

#include "base/Exception.h"

namespace {

TEST(ReadTime, ReadsSecondsAndClockTimes) {
    EXPECT_EQ(ReadTime("62864"), 62864);
    EXPECT_EQ(ReadTime("17:27:44"), 62864);
    EXPECT_EQ(ReadTime("17:27"), 62820);
    EXPECT_EQ(ReadTime("25:01:01"), 90061);
    EXPECT_EQ(ReadTime("0:00:00"), 0);
    EXPECT_EQ(ReadTime("-4000"), -4000);
    EXPECT_EQ(ReadTime("596523:14:07"), 2147483647);
}

TEST(ReadTime, RefusesWhatIsNoTime) {
    for (const char* text : {"", "17:60", "17:27:60", "17:", ":27", "1:2:3:4", "-1:00", "17h27",
                             "2147483648", "596523:14:08", "x41", "17:27:4a"}) {
        EXPECT_THROW(ReadTime(text), EConvertError) << text;
    }
}

TEST(TimeText, ShowsElapsedHoursAndTheSignOnce) {
    EXPECT_EQ(TimeText(62864), "17:27:44");
    EXPECT_EQ(TimeText(3723), "1:02:03");
    EXPECT_EQ(TimeText(93784), "26:03:04");
    EXPECT_EQ(TimeText(-3700), "-1:01:40");
    EXPECT_EQ(TimeText(-2147483647 - 1), "-596523:14:08");
}

}  // namespace
