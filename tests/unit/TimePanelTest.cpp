#include "convert/TimePanel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/Clock.h"
#include "base/Exception.h"

namespace {

// The four edits, with every write recorded in order as "Field=text".
class FakeTimeView : public TimePanelView {
  public:
    FakeTimeView(std::string pTime, std::string hr, std::string min, std::string sec)
        : texts_{std::move(pTime), std::move(hr), std::move(min), std::move(sec)} {}

    std::string Text(TimeField field) const override { return texts_[Index(field)]; }
    void SetText(TimeField field, const std::string& text) override {
        static const char* const kNames[] = {"PTime", "Hr", "Min", "Sec"};
        texts_[Index(field)] = text;
        writes.push_back(std::string(kNames[Index(field)]) + "=" + text);
    }

    std::vector<std::string> writes;

  private:
    static std::size_t Index(TimeField field) { return static_cast<std::size_t>(field); }

    std::string texts_[4];
};

using Writes = std::vector<std::string>;

TEST(TimePanel, PTimeKeyUpSplitsIntoHoursMinutesSeconds) {
    const std::pair<const char*, Writes> cases[] = {
        {"0", {"Hr=0", "Min=0", "Sec=0"}},
        {"3661", {"Hr=1", "Min=1", "Sec=1"}},
        {"86399", {"Hr=23", "Min=59", "Sec=59"}},
        // No upper bound: a day and more gives 24 hours and more.
        {"86400", {"Hr=24", "Min=0", "Sec=0"}},
        {"90061", {"Hr=25", "Min=1", "Sec=1"}},
        {" 7", {"Hr=0", "Min=0", "Sec=7"}},
        {"$e10", {"Hr=1", "Min=0", "Sec=0"}},
        {"2147483647", {"Hr=596523", "Min=14", "Sec=7"}},
        // Pasted negatives truncate toward zero and every part carries the sign.
        {"-5", {"Hr=0", "Min=0", "Sec=-5"}},
        {"-3700", {"Hr=-1", "Min=-1", "Sec=-40"}},
        {"-2147483648", {"Hr=-596523", "Min=-14", "Sec=-8"}},
    };
    for (const auto& [pTime, writes] : cases) {
        FakeTimeView view(pTime, "h", "m", "s");
        TimePanel(view).PTimeKeyUp();
        EXPECT_EQ(view.writes, writes) << pTime;  // PTime itself is never rewritten
    }
}

TEST(TimePanel, PTimeKeyUpOnEmptyTextChangesNothing) {
    FakeTimeView view("", "1", "2", "3");
    TimePanel(view).PTimeKeyUp();
    EXPECT_TRUE(view.writes.empty());
}

TEST(TimePanel, PTimeKeyUpRaisesForNonIntegersAndWritesNothing) {
    for (const char* pTime : {"2147483648", "12a", "-", "1.5"}) {
        FakeTimeView view(pTime, "1", "2", "3");
        try {
            TimePanel(view).PTimeKeyUp();
            ADD_FAILURE() << "no error for " << pTime;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(pTime) + "' is not a valid integer value");
        }
        EXPECT_TRUE(view.writes.empty()) << pTime;
    }
}

struct Update {
    const char* hr;
    const char* min;
    const char* sec;
    Writes writes;
};

TEST(TimePanel, UpdatePickTime) {
    const Update cases[] = {
        {"1", "75", "0", {"PTime=8100"}},
        {" 9", " 5", " 7", {"PTime=32707"}},
        {"24", "0", "0", {"PTime=86400"}},
        // Empty edits become "0", in the order Hr, Min, Sec, before the total is written.
        {"", "", "", {"Hr=0", "Min=0", "Sec=0", "PTime=0"}},
        {"1", "", "5", {"Min=0", "PTime=3605"}},
        // An edit that does not hold an integer counts as 0 and keeps its text, silently.
        {"2147483648", "1", "1", {"PTime=61"}},
        {"abc", "-", "1 ", {"PTime=0"}},
        // Pasted negatives are taken as they are.
        {"-1", "0", "0", {"PTime=-3600"}},
        {"-1", "-1", "-1", {"PTime=-3661"}},
        // The total is exact in 64 bits; beyond the 32-bit range it is written as it is.
        {"596523", "14", "7", {"PTime=2147483647"}},
        {"596523", "14", "8", {"PTime=2147483648"}},
        {"-596523", "-14", "-8", {"PTime=-2147483648"}},
        {"-596523", "-14", "-9", {"PTime=-2147483649"}},
        {"2147483647", "2147483647", "2147483647", {"PTime=7861937631667"}},
        {"-2147483648", "-2147483648", "-2147483648", {"PTime=-7861937635328"}},
    };
    for (const auto& c : cases) {
        FakeTimeView view("p", c.hr, c.min, c.sec);
        TimePanel(view).UpdatePickTime();
        EXPECT_EQ(view.writes, c.writes) << c.hr << "|" << c.min << "|" << c.sec;
    }
}

TEST(TimePanel, HrKeyUpRecomputesPickTime) {
    FakeTimeView view("5", "2", "", "x");
    TimePanel(view).HrKeyUp();
    EXPECT_EQ(view.writes, (Writes{"Min=0", "PTime=7200"}));
}

TEST(TimePanel, DigitFilterOfAllFourEdits) {
    FakeTimeView view("0", "0", "0", "0");
    const TimePanel panel(view);
    const std::pair<const char*, void (TimePanel::*)(char&) const> filters[] = {
        {"PTime", &TimePanel::PTimeKeyPress},
        {"Hr", &TimePanel::HrKeyPress},
        {"Min", &TimePanel::MinKeyPress},
        {"Sec", &TimePanel::SecKeyPress},
    };
    for (const auto& [edit, filter] : filters) {
        for (int code = 0; code < 256; ++code) {
            char key = static_cast<char>(code);
            (panel.*filter)(key);
            const bool passes = code == 8 || (code >= '0' && code <= '9');
            EXPECT_EQ(key, passes ? static_cast<char>(code) : '\0') << edit << " " << code;
        }
    }
    EXPECT_TRUE(view.writes.empty());
}

TEST(TimePanel, InitialiseShowsTheLocalTimeOfDay) {
    const std::pair<LocalClockReading, Writes> cases[] = {
        {{2024, 5, 6, 9, 5, 7, 990}, {"Hr= 9", "Min= 5", "Sec= 7", "PTime=32707"}},
        {{2024, 5, 6, 0, 0, 0, 0}, {"Hr= 0", "Min= 0", "Sec= 0", "PTime=0"}},
        {{2024, 5, 6, 23, 59, 59, 999}, {"Hr=23", "Min=59", "Sec=59", "PTime=86399"}},
    };
    for (const auto& [reading, writes] : cases) {
        const ScopedClockSource clock([reading = reading] { return reading; });
        FakeTimeView view("0", "0", "0", "0");
        TimePanel(view).Initialise();
        EXPECT_EQ(view.writes, writes) << reading.hour;
    }
}

}  // namespace
