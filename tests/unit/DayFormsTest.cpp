#include "cli/DayForms.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Exception.h"

namespace {

const CalendarDate kToday{2026, 12, 8};

struct Reading {
    const char* text;
    std::int64_t pick;
};

TEST(ReadDay, ReadsEveryForm) {
    for (const Reading& r :
         {Reading{"21527", 21527}, Reading{"pc:46364", 21527}, Reading{"2026-12-08", 21527},
          Reading{"today", 21527}, Reading{"-6398", -6398}, Reading{"+0", 0},
          Reading{"1950-06-25", -6398}, Reading{"2024-02-29", 20514}, Reading{"-718430", -718430},
          Reading{"0001-01-01", -718430}, Reading{"9999-12-31", 2933628},
          Reading{"pc:2958465", 2933628}}) {
        EXPECT_EQ(ReadDay(r.text, kToday), r.pick) << r.text;
    }
}

TEST(ReadDay, RefusesWhatIsNoDayOfTheRange) {
    for (const char* text : {"2933629", "-718431", "pc:2958466", "2026-02-30", "2025-02-29",
                             "0000-12-31", "2026-13-01", "26-12-08", "x41", "pc:", "pc:x", "",
                             " 21527", "21527 ", "Today", "1e3", "9999999999999999999"}) {
        EXPECT_THROW(ReadDay(text, kToday), EConvertError) << text;
    }
}

TEST(DescribeDay, GivesTheSerialTheDateAndTheWeekday) {
    const DayForms day = DescribeDay(13216);
    EXPECT_EQ(day.pc, 13216 + 24837);
    EXPECT_EQ(day.iso, "2004-03-07");
    EXPECT_EQ(day.weekday, "Sun");
    EXPECT_EQ(DescribeDay(-718430).iso, "0001-01-01");
    EXPECT_EQ(DescribeDay(-718430).weekday, "Mon");
    EXPECT_EQ(DescribeDay(21527).weekday, "Tue");
}

}  // namespace
