// The time panel: the time of day at start, and the Pick time and hours, minutes and seconds
// converted into one another at every key release.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/ControlIds.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"

namespace e2e {
namespace {

int SecondsOfDay(const SYSTEMTIME& t) {
    return t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
}

SYSTEMTIME LocalTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

// A clock field as the panel writes it at start: at least two characters, blank-padded.
std::string ClockField(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%2d", value);
    return text;
}

// Reads the clock before the program starts, so the time it shows can be bracketed.
class TimeAtStart : public ProgramTest {
  protected:
    void SetUp() override {
        before_ = SecondsOfDay(LocalTimeNow());
        ProgramTest::SetUp();
    }
    int before_ = 0;
};

TEST_F(TimeAtStart, ShowsTheLocalTimeAndItsPickTime) {
    const std::string hr = Text(kIdHr);
    const std::string min = Text(kIdMin);
    const std::string sec = Text(kIdSec);
    const std::string pick = Text(kIdPTime);
    const int after = SecondsOfDay(LocalTimeNow());
    if (after < before_) {
        GTEST_SKIP() << "midnight passed during the start; the time shown is undecidable";
    }
    bool matched = false;
    for (int t = before_; t <= after && !matched; ++t) {
        matched = hr == ClockField(t / 3600) && min == ClockField(t / 60 % 60) &&
                  sec == ClockField(t % 60) && pick == std::to_string(t);
    }
    EXPECT_TRUE(matched) << "Hr \"" << hr << "\", Min \"" << min << "\", Sec \"" << sec
                         << "\", PTime \"" << pick << "\" is no time of day between second "
                         << before_ << " and second " << after << " as the panel shows it";
    ExpectNoErrorBox();
}

struct PickTimeCase {
    const char* typed;
    const char* hours;
    const char* minutes;
    const char* seconds;
};

using TimePanel = ProgramTest;

TEST_F(TimePanel, PickTimeTypedGivesHoursMinutesAndSeconds) {
    // Each row changes all three fields from the row before, so a conversion that did not run
    // would show.
    const std::vector<PickTimeCase> cases = {
        {"3661", "1", "1", "1"},     {"86400", "24", "0", "0"}, {"90061", "25", "1", "1"},
        {"86399", "23", "59", "59"}, {"0", "0", "0", "0"},      {"32707", "9", "5", "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("PTime typed \"") + c.typed + "\"");
        ASSERT_NO_FATAL_FAILURE(Replace(kIdPTime, c.typed));
        EXPECT_TRUE(Shows(kIdHr, c.hours));
        EXPECT_TRUE(Shows(kIdMin, c.minutes));
        EXPECT_TRUE(Shows(kIdSec, c.seconds));
        EXPECT_TRUE(Shows(kIdPTime, c.typed)) << "PTime is not rewritten";
    }
    ExpectNoErrorBox();
}

// Every step below waits for the Pick time that its last key release computes, which also
// tells that the keys have been taken before the focus moves on.
TEST_F(TimePanel, HoursMinutesAndSecondsTypedGiveThePickTime) {
    ASSERT_NO_FATAL_FAILURE(Replace(kIdPTime, "0"));
    ASSERT_TRUE(Shows(kIdSec, "0"));
    ASSERT_NO_FATAL_FAILURE(Replace(kIdHr, "1"));
    EXPECT_TRUE(Shows(kIdPTime, "3600"));
    ASSERT_NO_FATAL_FAILURE(Replace(kIdMin, "75"));
    EXPECT_TRUE(Shows(kIdPTime, "8100"));
    ASSERT_NO_FATAL_FAILURE(Replace(kIdSec, "59"));
    EXPECT_TRUE(Shows(kIdPTime, "8159"));
    // The typed fields keep their texts as typed.
    EXPECT_TRUE(Shows(kIdHr, "1"));
    EXPECT_TRUE(Shows(kIdMin, "75"));
    EXPECT_TRUE(Shows(kIdSec, "59"));
    ExpectNoErrorBox();
}

TEST_F(TimePanel, EmptyingAFieldTurnsItIntoZero) {
    ASSERT_NO_FATAL_FAILURE(Replace(kIdPTime, "7384"));
    ASSERT_TRUE(Shows(kIdSec, "4"));
    ASSERT_TRUE(Shows(kIdHr, "2"));

    ASSERT_NO_FATAL_FAILURE(Empty(kIdHr));
    EXPECT_TRUE(Shows(kIdHr, "0"));
    EXPECT_TRUE(Shows(kIdPTime, "184"));

    ASSERT_NO_FATAL_FAILURE(Empty(kIdSec));
    EXPECT_TRUE(Shows(kIdSec, "0"));
    EXPECT_TRUE(Shows(kIdPTime, "180"));

    // Emptying the Pick time leaves the other three as they are.
    ASSERT_NO_FATAL_FAILURE(Empty(kIdPTime));
    EXPECT_TRUE(Shows(kIdPTime, ""));
    EXPECT_TRUE(Shows(kIdHr, "0"));
    EXPECT_TRUE(Shows(kIdMin, "3"));
    EXPECT_TRUE(Shows(kIdSec, "0"));
    ExpectNoErrorBox();
}

struct FilterCase {
    int field;
    const char* keys;
    const char* text;      // what the field must hold: only the digits
    const char* pickTime;  // the Pick time after the field's last key release
};

TEST_F(TimePanel, TypedLettersSignsAndPointsNeverAppear) {
    // A field that took the letters would read them on release: the Pick time as an error box,
    // the others as a count of 0.
    const std::vector<FilterCase> cases = {
        {kIdPTime, "1a-.+ x2", "12", "12"},
        {kIdHr, "1b-.+ y3", "13", "46812"},  // 13 h 0 min 12 s
        {kIdMin, "1c-.+ z4", "14", "47652"},
        {kIdSec, "1d-.+ w5", "15", "47655"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("control " + std::to_string(c.field));
        ASSERT_NO_FATAL_FAILURE(Replace(c.field, c.keys));
        EXPECT_TRUE(Shows(c.field, c.text));
        if (c.field == kIdPTime) {
            EXPECT_TRUE(Shows(kIdSec, "12"));
        } else {
            EXPECT_TRUE(Shows(kIdPTime, c.pickTime));
        }
    }
    ExpectNoErrorBox();
}

}  // namespace
}  // namespace e2e
