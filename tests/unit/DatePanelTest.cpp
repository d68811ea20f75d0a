#include "convert/DatePanel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "DateTestSupport.h"
#include "base/Exception.h"

namespace {

// The time of day that the window's picker starts with (about 16:59:19).
constexpr double kPickerTime = 0.7078606019;
constexpr double kLayoutPickerValue = 39226 + kPickerTime;  // 24 May 2007
constexpr std::int32_t kSep14_1752 = -53797;
constexpr std::int32_t kDec31_9999 = 2958465;
constexpr std::int32_t kJun15_2017 = 42901;

// A picker value on the serial scale: the time of day is added after 30 December 1899 and
// subtracted before it.
double PickerValueOf(std::int32_t day, double time = kPickerTime) {
    return day >= 0 ? day + time : day - time;
}

// Records every write in order, and refuses picker days outside its range as the real picker
// does, keeping its old value.
class RecordingView : public DatePanelView {
  public:
    std::string pickDate;
    std::string sysDate;
    std::string caption = "Differences";
    double picker = kLayoutPickerValue;
    std::int64_t lowestDay = kSep14_1752;
    std::int64_t highestDay = kDec31_9999;
    std::vector<std::string> writes;

    std::string Text(DateField field) const override { return *Field(field); }
    void SetText(DateField field, const std::string& text) override {
        static const char* const kNames[] = {"PickDate=", "SysDate=", "Diff="};
        writes.push_back(kNames[static_cast<int>(field)] + text);
        *Field(field) = text;
    }
    TDateTime PickerValue() const override { return picker; }
    void SetPickerDay(std::int32_t daySerial) override {
        writes.push_back("Picker=" + std::to_string(daySerial));
        if (daySerial < lowestDay || daySerial > highestDay) {
            throw ECommonCalendarError("Failed to set calendar date or time");
        }
        const double time = std::fabs(picker - std::trunc(picker));
        picker = PickerValueOf(daySerial, time);
    }
    // The user moves the picker.
    void Pick(std::int32_t day) {
        picker = PickerValueOf(day, std::fabs(picker - std::trunc(picker)));
    }

  private:
    std::string* Field(DateField field) {
        switch (field) {
            case DateField::PickDate:
                return &pickDate;
            case DateField::SysDate:
                return &sysDate;
            case DateField::Diff:
                break;
        }
        return &caption;
    }
    const std::string* Field(DateField field) const {
        return const_cast<RecordingView*>(this)->Field(field);
    }
};

class DatePanelTest : public ::testing::Test {
  protected:
    ScopedClockSource clock_{FixedClock(2017, 6, 15)};
    ScopedRegionalSettings settings_{DateSettings("m/d/yy", '/')};
    RecordingView view_;
    TDateTime reference_ = 0;  // as the window constructs it
    DatePanel panel_{view_, reference_};
};

TEST_F(DatePanelTest, InitialiseShowsTodayInAllThreeFormsWithTheReferenceUnset) {
    panel_.Initialise();
    const std::vector<std::string> expected = {
        "PickDate=",      "SysDate=",      "Picker=42901",
        "PickDate=18064", "SysDate=42901", "Diff=Difference"};
    EXPECT_EQ(view_.writes, expected);
    // Only the day changed; the layout's time of day stays.
    EXPECT_DOUBLE_EQ(view_.picker, kJun15_2017 + kPickerTime);
    EXPECT_EQ(reference_, 24837.0);
}

TEST_F(DatePanelTest, SentinelFollowsTheCenturyWindowOfTheCurrentYear) {
    EXPECT_EQ(SentinelDate(), 24837.0);
    ScopedClockSource later(FixedClock(2018, 6, 15));
    EXPECT_EQ(SentinelDate(), 61362.0);
    panel_.Initialise();
    EXPECT_EQ(reference_, 61362.0);
    EXPECT_EQ(view_.caption, "Difference");
}

struct DayForms {
    double pickerValue;
    const char* pickDate;
    const char* sysDate;
};

TEST_F(DatePanelTest, CalendarChangeWritesPickDayAndSerialOfThePickedDay) {
    const DayForms cases[] = {
        {PickerValueOf(24837), "0", "24837"},      // 31 December 1967
        {PickerValueOf(0), "-24837", "0"},         // 30 December 1899
        {PickerValueOf(-1), "-24838", "-1"},       // 29 December 1899, value about -1.71
        {PickerValueOf(36526), "11689", "36526"},  // 1 January 2000
        {PickerValueOf(kSep14_1752), "-78634", "-53797"},
        {PickerValueOf(kDec31_9999), "2933628", "2958465"},
    };
    for (const DayForms& c : cases) {
        view_.picker = c.pickerValue;
        panel_.CalendarChange();
        EXPECT_EQ(view_.pickDate, c.pickDate) << c.pickerValue;
        EXPECT_EQ(view_.sysDate, c.sysDate) << c.pickerValue;
    }
}

TEST_F(DatePanelTest, PickDateKeyUpMovesThePickerAndWritesTheSerial) {
    panel_.Initialise();
    view_.writes.clear();
    view_.pickDate = "0";
    panel_.PickDateKeyUp();
    const std::vector<std::string> expected = {"Picker=24837", "SysDate=24837"};
    EXPECT_EQ(view_.writes, expected);
    EXPECT_DOUBLE_EQ(view_.picker, 24837 + kPickerTime);
    // The caption keeps what the last CalendarChange wrote.
    EXPECT_EQ(view_.caption, "Difference");
}

TEST_F(DatePanelTest, SysDateKeyUpWritesThePickDayAndMovesThePicker) {
    view_.sysDate = "36526";
    panel_.SysDateKeyUp();
    const std::vector<std::string> expected = {"PickDate=11689", "Picker=36526"};
    EXPECT_EQ(view_.writes, expected);
    EXPECT_DOUBLE_EQ(view_.picker, 36526 + kPickerTime);
    EXPECT_EQ(view_.caption, "Differences");
}

TEST_F(DatePanelTest, KeyUpOnAnEmptyEditRefillsBothFromThePicker) {
    panel_.Initialise();
    view_.Pick(36526);
    view_.pickDate = "";
    panel_.PickDateKeyUp();
    EXPECT_EQ(view_.pickDate, "11689");
    EXPECT_EQ(view_.sysDate, "36526");

    view_.Pick(24837);
    view_.sysDate = "";
    panel_.SysDateKeyUp();
    EXPECT_EQ(view_.pickDate, "0");
    EXPECT_EQ(view_.sysDate, "24837");
}

TEST_F(DatePanelTest, OtherIntegerFormsAreConvertedAndTheTypedTextIsKept) {
    struct Case {
        const char* typed;
        const char* serial;
    };
    for (const Case& c : {Case{" 0", "24837"}, Case{"+5", "24842"}, Case{"$FFFFFFFF", "24836"},
                          Case{"0x10", "24853"}, Case{"-24837", "0"}}) {
        view_.pickDate = c.typed;
        panel_.PickDateKeyUp();
        EXPECT_EQ(view_.sysDate, c.serial) << c.typed;
        EXPECT_EQ(view_.pickDate, c.typed);
    }
    view_.sysDate = "x8EBE";  // 36542
    panel_.SysDateKeyUp();
    EXPECT_EQ(view_.pickDate, "11705");
    EXPECT_EQ(view_.sysDate, "x8EBE");
}

TEST_F(DatePanelTest, TextThatIsNoIntegerWritesNothing) {
    const std::string texts[] = {"abc",
                                 "-",
                                 "+",
                                 "7 ",
                                 "2147483648",
                                 std::string(1 << 20, '7'),
                                 std::string("1\0"
                                             "2",
                                             3)};
    for (const std::string& text : texts) {
        for (bool pick : {true, false}) {
            view_.writes.clear();
            (pick ? view_.pickDate : view_.sysDate) = text;
            try {
                pick ? panel_.PickDateKeyUp() : panel_.SysDateKeyUp();
                ADD_FAILURE() << "accepted";
            } catch (const EConvertError& e) {
                EXPECT_TRUE(e.Message() == "'" + text + "' is not a valid integer value");
            }
            EXPECT_TRUE(view_.writes.empty());
        }
    }
}

TEST_F(DatePanelTest, RefusedPickDayLeavesSysDateAndPicker) {
    view_.sysDate = "kept";
    view_.pickDate = "-78635";  // 13 September 1752
    EXPECT_THROW(panel_.PickDateKeyUp(), ECommonCalendarError);
    EXPECT_EQ(view_.sysDate, "kept");
    EXPECT_DOUBLE_EQ(view_.picker, kLayoutPickerValue);
}

TEST_F(DatePanelTest, RefusedSerialLeavesTheConvertedPickDay) {
    view_.sysDate = "2958466";  // 1 January 10000
    try {
        panel_.SysDateKeyUp();
        FAIL();
    } catch (const ECommonCalendarError& e) {
        EXPECT_EQ(e.Message(), "Failed to set calendar date or time");
    }
    EXPECT_EQ(view_.pickDate, "2933629");
    EXPECT_DOUBLE_EQ(view_.picker, kLayoutPickerValue);
}

TEST_F(DatePanelTest, PickDayWithoutA32BitSerialIsRefusedBeforeThePicker) {
    view_.lowestDay = std::numeric_limits<std::int32_t>::min();
    view_.highestDay = std::numeric_limits<std::int32_t>::max();
    // The highest Pick day whose serial fits still reaches the picker.
    view_.pickDate = "2147458810";
    panel_.PickDateKeyUp();
    EXPECT_EQ(view_.sysDate, "2147483647");
    for (const char* text : {"2147458811", "2147483647"}) {
        view_.writes.clear();
        view_.pickDate = text;
        try {
            panel_.PickDateKeyUp();
            FAIL() << text;
        } catch (const ECommonCalendarError& e) {
            EXPECT_EQ(e.Message(), "Failed to set calendar date or time");
        }
        EXPECT_TRUE(view_.writes.empty()) << text;
        EXPECT_EQ(view_.sysDate, "2147483647");
    }
}

TEST_F(DatePanelTest, SerialWhosePickDayLeaves32BitsShowsItExactlyAndFailsOnReadBack) {
    view_.lowestDay = std::numeric_limits<std::int32_t>::min();
    view_.highestDay = std::numeric_limits<std::int32_t>::max();
    // The lowest serial whose Pick day fits still reaches the picker.
    view_.sysDate = "-2147458811";
    panel_.SysDateKeyUp();
    EXPECT_EQ(view_.pickDate, "-2147483648");
    EXPECT_EQ(view_.writes.back(), "Picker=-2147458811");

    for (const auto& [serial, pickDay] :
         {std::pair{"-2147458812", "-2147483649"}, std::pair{"-2147483648", "-2147508485"}}) {
        view_.writes.clear();
        view_.sysDate = serial;
        try {
            panel_.SysDateKeyUp();
            FAIL() << serial;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + pickDay + "' is not a valid integer value");
        }
        const std::vector<std::string> expected = {std::string("PickDate=") + pickDay};
        EXPECT_EQ(view_.writes, expected);
    }
}

TEST_F(DatePanelTest, DiffClickFixesThePickedDayAndCountsFromIt) {
    panel_.Initialise();
    view_.Pick(36526);
    panel_.CalendarChange();
    view_.writes.clear();
    panel_.DiffClick();
    const std::vector<std::string> expected = {"Diff=1/1/00 to 1/1/00 = 0 days"};
    EXPECT_EQ(view_.writes, expected);
    // The time of day is part of the reference.
    EXPECT_DOUBLE_EQ(reference_, 36526 + kPickerTime);

    view_.Pick(36529);
    panel_.CalendarChange();
    EXPECT_EQ(view_.caption, "1/1/00 to 1/4/00 = 3 days");
    view_.Pick(36523);
    panel_.CalendarChange();
    EXPECT_EQ(view_.caption, "1/1/00 to 12/29/99 = -3 days");
    view_.Pick(36527);
    panel_.CalendarChange();
    EXPECT_EQ(view_.caption, "1/1/00 to 1/2/00 = 1 days");
}

TEST_F(DatePanelTest, DifferenceCountsWholeDaysAcross1899) {
    panel_.Initialise();
    view_.Pick(-1);
    panel_.DiffClick();
    view_.Pick(1);
    panel_.CalendarChange();
    EXPECT_EQ(view_.caption, "12/29/99 to 12/31/99 = 2 days");
}

TEST_F(DatePanelTest, CaptionUnderMonthFirstFourDigitYears) {
    ScopedRegionalSettings settings(DateSettings("m/d/yyyy", '/'));
    panel_.Initialise();
    view_.Pick(36526);
    panel_.DiffClick();
    view_.Pick(36556);
    panel_.CalendarChange();
    EXPECT_EQ(view_.caption, "1/1/2000 to 1/31/2000 = 30 days");
}

TEST_F(DatePanelTest, ReferenceTakenOnTheSentinelDayStillCountsAsSet) {
    panel_.Initialise();
    view_.Pick(24837);
    panel_.DiffClick();
    view_.Pick(24838);
    panel_.CalendarChange();
    EXPECT_EQ(view_.caption, "12/31/67 to 1/1/68 = 1 days");
}

TEST_F(DatePanelTest, KeyUpsLeaveTheDifferenceCaption) {
    panel_.Initialise();
    panel_.DiffClick();
    const std::string caption = view_.caption;
    view_.pickDate = "0";
    panel_.PickDateKeyUp();
    view_.sysDate = "36526";
    panel_.SysDateKeyUp();
    EXPECT_EQ(view_.caption, caption);
    // DiffClick itself does not refresh the edits.
    view_.pickDate = "typed";
    panel_.DiffClick();
    EXPECT_EQ(view_.pickDate, "typed");
}

TEST_F(DatePanelTest, TypedCharactersNeverReachThePicker) {
    for (char typed : {'a', '1', '/', ' ', '\r'}) {
        char key = typed;
        panel_.CalendarKeyPress(key);
        EXPECT_EQ(key, 0);
    }
    EXPECT_TRUE(view_.writes.empty());
}

TEST_F(DatePanelTest, InitialiseStopsAtAPickerThatRefusesTodayKeepingEarlierWrites) {
    ScopedClockSource ancient(FixedClock(1700, 1, 1));
    view_.pickDate = "old";
    view_.sysDate = "old";
    EXPECT_THROW(panel_.Initialise(), ECommonCalendarError);
    EXPECT_EQ(view_.pickDate, "");
    EXPECT_EQ(view_.sysDate, "");
    EXPECT_EQ(view_.caption, "Differences");
    EXPECT_EQ(reference_, SentinelDate());
}

struct UserSettings {
    const char* pattern;
    char separator;
    const char* diffCaption;  // after a Diff click on 1 January 2000 and picking 31 January
};

void PrintTo(const UserSettings& u, std::ostream* os) {
    *os << u.pattern << " with separator '" << u.separator << "'";
}

class DatePanelUnderUserSettings : public ::testing::TestWithParam<UserSettings> {};

// The reference marker is the same under every pattern, so users whose dates are not written
// month-first with "/" get a working panel, with their own date format in the caption.
TEST_P(DatePanelUnderUserSettings, WorksWithoutErrorAndWritesTheUserFormat) {
    ScopedClockSource clock(FixedClock(2017, 6, 15));
    ScopedRegionalSettings settings(DateSettings(GetParam().pattern, GetParam().separator));
    RecordingView view;
    TDateTime reference = 0;
    DatePanel panel(view, reference);

    ASSERT_NO_THROW(panel.Initialise());
    EXPECT_EQ(view.caption, "Difference");
    EXPECT_EQ(view.sysDate, "42901");
    view.Pick(36526);
    ASSERT_NO_THROW(panel.CalendarChange());
    EXPECT_EQ(view.caption, "Difference");
    ASSERT_NO_THROW(panel.DiffClick());
    view.Pick(36556);
    ASSERT_NO_THROW(panel.CalendarChange());
    EXPECT_EQ(view.caption, GetParam().diffCaption);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, DatePanelUnderUserSettings,
    ::testing::Values(UserSettings{"m/d/yy", '/', "1/1/00 to 1/31/00 = 30 days"},
                      UserSettings{"dd/MM/yyyy", '/', "01/01/2000 to 31/01/2000 = 30 days"},
                      UserSettings{"dd.MM.yyyy", '.', "01.01.2000 to 31.01.2000 = 30 days"},
                      UserSettings{"yyyy-MM-dd", '-', "2000-01-01 to 2000-01-31 = 30 days"},
                      UserSettings{"yy/M/d", '/', "00/1/1 to 00/1/31 = 30 days"},
                      UserSettings{"M-d-yyyy", '-', "1-1-2000 to 1-31-2000 = 30 days"}));

}  // namespace
