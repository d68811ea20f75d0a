// The time panel: the time of day at start, and the Pick time and hours, minutes and seconds
// converted into one another at every key release.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Form1Layout.h"
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
    const std::string hr = Text("Hr");
    const std::string min = Text("Min");
    const std::string sec = Text("Sec");
    const std::string pick = Text("PTime");
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
        ASSERT_NO_FATAL_FAILURE(Replace("PTime", c.typed));
        EXPECT_TRUE(Shows("Hr", c.hours));
        EXPECT_TRUE(Shows("Min", c.minutes));
        EXPECT_TRUE(Shows("Sec", c.seconds));
        EXPECT_TRUE(Shows("PTime", c.typed)) << "PTime is not rewritten";
    }
    ExpectNoErrorBox();
}

// Every step below waits for the Pick time that its last key release computes, which also
// tells that the keys have been taken before the focus moves on.
TEST_F(TimePanel, HoursMinutesAndSecondsTypedGiveThePickTime) {
    ASSERT_NO_FATAL_FAILURE(Replace("PTime", "0"));
    ASSERT_TRUE(Shows("Sec", "0"));
    ASSERT_NO_FATAL_FAILURE(Replace("Hr", "1"));
    EXPECT_TRUE(Shows("PTime", "3600"));
    ASSERT_NO_FATAL_FAILURE(Replace("Min", "75"));
    EXPECT_TRUE(Shows("PTime", "8100"));
    ASSERT_NO_FATAL_FAILURE(Replace("Sec", "59"));
    EXPECT_TRUE(Shows("PTime", "8159"));
    // The typed fields keep their texts as typed.
    EXPECT_TRUE(Shows("Hr", "1"));
    EXPECT_TRUE(Shows("Min", "75"));
    EXPECT_TRUE(Shows("Sec", "59"));
    ExpectNoErrorBox();
}

TEST_F(TimePanel, EmptyingAFieldTurnsItIntoZero) {
    ASSERT_NO_FATAL_FAILURE(Replace("PTime", "7384"));
    ASSERT_TRUE(Shows("Sec", "4"));
    ASSERT_TRUE(Shows("Hr", "2"));

    ASSERT_NO_FATAL_FAILURE(Empty("Hr"));
    EXPECT_TRUE(Shows("Hr", "0"));
    EXPECT_TRUE(Shows("PTime", "184"));

    ASSERT_NO_FATAL_FAILURE(Empty("Sec"));
    EXPECT_TRUE(Shows("Sec", "0"));
    EXPECT_TRUE(Shows("PTime", "180"));

    // Emptying the Pick time leaves the other three as they are.
    ASSERT_NO_FATAL_FAILURE(Empty("PTime"));
    EXPECT_TRUE(Shows("PTime", ""));
    EXPECT_TRUE(Shows("Hr", "0"));
    EXPECT_TRUE(Shows("Min", "3"));
    EXPECT_TRUE(Shows("Sec", "0"));
    ExpectNoErrorBox();
}

struct FilterCase {
    const char* field;
    const char* keys;
    const char* text;      // what the field must hold: only the digits
    const char* pickTime;  // the Pick time after the field's last key release
};

TEST_F(TimePanel, TypedLettersSignsAndPointsNeverAppear) {
    // A field that took the letters would read them on release: the Pick time as an error box,
    // the others as a count of 0.
    const std::vector<FilterCase> cases = {
        {"PTime", "1a-.+ x2", "12", "12"},
        {"Hr", "1b-.+ y3", "13", "46812"},  // 13 h 0 min 12 s
        {"Min", "1c-.+ z4", "14", "47652"},
        {"Sec", "1d-.+ w5", "15", "47655"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        ASSERT_NO_FATAL_FAILURE(Replace(c.field, c.keys));
        EXPECT_TRUE(Shows(c.field, c.text));
        if (std::string_view(c.field) == "PTime") {
            EXPECT_TRUE(Shows("Sec", "12"));
        } else {
            EXPECT_TRUE(Shows("PTime", c.pickTime));
        }
    }
    ExpectNoErrorBox();
}

}  // namespace
}  // namespace e2e
