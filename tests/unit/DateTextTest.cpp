#include "convert/DateText.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "DateTestSupport.h"
#include "base/Exception.h"

namespace {

// Day serials of well-known days, counted from 30 December 1899.
constexpr double kDec31_1967 = 24837;
constexpr double kDec31_2067 = 61362;
constexpr double kJan1_2000 = 36526;
constexpr double kJan1_0001 = -693593;
constexpr double kDec31_9999 = 2958465;
constexpr double kDec31_0067 = -669123;

struct ReadCase {
    const char* pattern;
    char separator;
    int clockYear;
    std::string text;
    double expected;  // ignored when the text must fail
    bool valid;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << "pattern " << c.pattern << " sep " << c.separator << " year " << c.clockYear << " text '"
        << c.text << "'";
}

class TextToDateRules : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextToDateRules, ReadsOrRejects) {
    const ReadCase& c = GetParam();
    ScopedRegionalSettings settings(DateSettings(c.pattern, c.separator));
    ScopedClockSource clock(FixedClock(c.clockYear));
    if (c.valid) {
        EXPECT_EQ(TextToDate(c.text), c.expected);
        return;
    }
    try {
        (void)TextToDate(c.text);
        FAIL() << "accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + c.text + "' is not a valid date");
    }
}

ReadCase Good(const char* pattern, char sep, int year, std::string text, double expected) {
    return ReadCase{pattern, sep, year, std::move(text), expected, true};
}
ReadCase Bad(const char* pattern, char sep, int year, std::string text) {
    return ReadCase{pattern, sep, year, std::move(text), 0, false};
}

INSTANTIATE_TEST_SUITE_P(
    MonthFirst, TextToDateRules,
    ::testing::Values(
        Good("m/d/yy", '/', 2017, "12/31/67", kDec31_1967),
        Good("M/d/yyyy", '/', 2017, "1/1/2000", kJan1_2000),
        Good("mm/dd/yyyy", '/', 2017, "01/01/2000", kJan1_2000),
        // Blanks before every number and separator, a trailing separator and trailing blanks.
        Good("m/d/yy", '/', 2017, " 12 / 31 / 67", kDec31_1967),
        Good("m/d/yy", '/', 2017, "12/31/67/", kDec31_1967),
        Good("m/d/yy", '/', 2017, "12/31/67/   ", kDec31_1967),
        Good("m/d/yy", '/', 2017, "12/31/67  ", kDec31_1967),
        Good("m/d/yy", '/', 2017, "12/31/67 / ", kDec31_1967),
        Bad("m/d/yy", '/', 2017, "12/31/67//"), Bad("m/d/yy", '/', 2017, "12/31/67x"),
        Bad("m/d/yy", '/', 2017, "12/31/67 x"), Bad("m/d/yy", '/', 2017, "\t12/31/67"),
        Bad("m/d/yy", '/', 2017, "12-31-67"), Bad("m/d/yy", '/', 2017, "31/12/67"),
        Bad("m/d/yy", '/', 2017, ""), Bad("m/d/yy", '/', 2017, "   "),
        Bad("m/d/yy", '/', 2017, "12"), Bad("m/d/yy", '/', 2017, "12/"),
        Bad("m/d/yy", '/', 2017, "12/31/"), Bad("m/d/yy", '/', 2017, "/12/31/67"),
        Bad("m/d/yy", '/', 2017, "+12/31/67"), Bad("m/d/yy", '/', 2017, "12/31/-67"),
        // Out-of-range fields.
        Bad("m/d/yy", '/', 2017, "0/1/2000"), Bad("m/d/yy", '/', 2017, "13/1/2000"),
        Bad("m/d/yy", '/', 2017, "1/0/2000"), Bad("m/d/yy", '/', 2017, "1/32/2000"),
        Bad("m/d/yy", '/', 2017, "4/31/2000"), Good("m/d/yy", '/', 2017, "4/30/2000", 36646)));

INSTANTIATE_TEST_SUITE_P(
    OtherOrdersAndSeparators, TextToDateRules,
    ::testing::Values(Good("d/m/yy", '/', 2017, "31/12/67", kDec31_1967),
                      Good("dd.MM.yyyy", '.', 2017, "31.12.1967", kDec31_1967),
                      Good("dd.MM.yyyy", '.', 2017, "31.12.1967.", kDec31_1967),
                      Bad("d/m/yy", '/', 2017, "12/31/67"),
                      Bad("dd.MM.yyyy", '.', 2017, "31/12/1967"),
                      Good("yyyy-MM-dd", '-', 2017, "1967-12-31", kDec31_1967),
                      Good("yy-M-d", '-', 2017, "67-12-31", kDec31_1967),
                      Bad("yyyy-MM-dd", '-', 2017, "12-31-1967"),
                      Bad("yyyy-MM-dd", '-', 2017, "1967/12/31"),
                      // e counts as a year element, so it orders the date year first.
                      Good("ee/mm/dd", '/', 2017, "1967/12/31", kDec31_1967),
                      // Quoted or other text before the first element does not change the order
                      // search, and a pattern without any element is month-first.
                      Good("'Date:' d.m.yy", '.', 2017, "31.12.67", kDec31_1967),
                      Good("", '/', 2017, "12/31/67", kDec31_1967),
                      // A blank as separator.
                      Good("m d yy", ' ', 2017, "12 31 67", kDec31_1967)));

INSTANTIATE_TEST_SUITE_P(TwoNumbers, TextToDateRules,
                         ::testing::Values(Good("m/d/yy", '/', 2017, "12/31", 43100),
                                           Good("d/m/yy", '/', 2017, "31/12", 43100),
                                           // Year-first settings still take month then day.
                                           Good("yyyy/mm/dd", '/', 2017, "12/31", 43100),
                                           Good("m/d/yy", '/', 2016, "2/29", 42429),
                                           Bad("m/d/yy", '/', 2017, "2/29"),
                                           Bad("m/d/yy", '/', 2017, "31/12")));

INSTANTIATE_TEST_SUITE_P(CenturyWindow, TextToDateRules,
                         ::testing::Values(
                             // The window starts fifty years before the current year: 67 is 1967
                             // until 2017 and 2067 from 2018 to 2117.
                             Good("m/d/yy", '/', 2017, "12/31/67", kDec31_1967),
                             Good("m/d/yy", '/', 2018, "12/31/67", kDec31_2067),
                             Good("m/d/yy", '/', 2117, "12/31/67", kDec31_2067),
                             Good("m/d/yy", '/', 1967, "12/31/67", kDec31_1967),
                             Good("m/d/yy", '/', 2017, "1/1/00", kJan1_2000),
                             Good("m/d/yy", '/', 2017, "1/1/0", kJan1_2000),
                             Good("m/d/yy", '/', 2049, "1/1/99", 36161),  // 1 January 1999
                             Good("m/d/yy", '/', 2050, "1/1/99", 72686),
                             Good("m/d/yy", '/', 2051, "1/1/00", 73051),  // 1 January 2100
                             Good("m/d/yy", '/', 2118, "12/31/67", 97886),
                             // Three or four digits are taken as written.
                             Good("m/d/yy", '/', 2017, "12/31/067", kDec31_0067),
                             Good("m/d/yy", '/', 2017, "12/31/0067", kDec31_0067)));

INSTANTIATE_TEST_SUITE_P(
    CalendarLimits, TextToDateRules,
    ::testing::Values(
        Good("m/d/yyyy", '/', 2017, "2/29/2000", 36585), Bad("m/d/yyyy", '/', 2017, "2/29/1900"),
        Bad("m/d/yyyy", '/', 2017, "2/29/2100"), Bad("m/d/yyyy", '/', 2017, "2/29/2001"),
        Good("m/d/yyyy", '/', 2017, "2/29/2004", 38046),
        Good("m/d/yyyy", '/', 2017, "1/1/0001", kJan1_0001),
        Good("m/d/yyyy", '/', 2017, "12/31/9999", kDec31_9999),
        Bad("m/d/yyyy", '/', 2017, "1/1/0000"), Bad("m/d/yyyy", '/', 2017, "1/1/000"),
        // A number takes digits while its value is below 1000: a fifth digit is left over.
        Bad("m/d/yyyy", '/', 2017, "1/1/10000"), Bad("m/d/yyyy", '/', 2017, "1/1/20001"),
        Bad("m/d/yyyy", '/', 2017, "12345/1/2000"),
        // Leading zeros do not count towards that limit.
        Good("m/d/yyyy", '/', 2017, "00001/00001/02000", kJan1_2000),
        Good("m/d/yyyy", '/', 2017, "1/1/000000002000", kJan1_2000),
        Bad("m/d/yyyy", '/', 2017, "99999999999999999999/1/1")));

TEST(TextToDateBadBytes, MessagesQuoteTheTextExactly) {
    ScopedRegionalSettings settings(DateSettings("m/d/yy", '/'));
    const std::string texts[] = {std::string("12/31\0/67", 9),
                                 "12/31/67\xE9",
                                 "\xFF\xFE",
                                 "%s%n/%d/%x",
                                 std::string(1 << 20, '1'),
                                 "1/1/" + std::string(1 << 20, '0'),
                                 std::string(1 << 20, '/')};
    for (const std::string& text : texts) {
        try {
            (void)TextToDate(text);
            ADD_FAILURE() << "accepted a text of " << text.size() << " bytes";
        } catch (const EConvertError& e) {
            const std::string expected = "'" + text + "' is not a valid date";
            EXPECT_EQ(e.Message().size(), expected.size());
            EXPECT_TRUE(e.Message() == expected);
        }
    }
}

TEST(TextToDateUnder, IgnoresTheUserSettings) {
    ScopedRegionalSettings settings(DateSettings("yyyy.MM.dd", '.'));
    ScopedClockSource clock(FixedClock(2017));
    EXPECT_EQ(TextToDateUnder("12/31/67", "m/d/yy", '/'), kDec31_1967);
    EXPECT_THROW((void)TextToDate("12/31/67"), EConvertError);
}

struct WriteCase {
    const char* pattern;
    double date;
    const char* expected;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << "pattern \"" << c.pattern << "\" on day " << c.date;
}

class DateToTextElements : public ::testing::TestWithParam<WriteCase> {};

TEST_P(DateToTextElements, WritesThePattern) {
    RegionalDateSettings custom = DateSettings(GetParam().pattern, '.');
    custom.longDatePattern = "dddd, mmmm d, yyyy";
    ScopedRegionalSettings settings(custom);
    EXPECT_EQ(DateToText(GetParam().date), GetParam().expected) << "pattern " << GetParam().pattern;
}

// 2 March 2004 was a Tuesday; 31 December 1967 a Sunday.
constexpr double kMar2_2004 = 38048;

INSTANTIATE_TEST_SUITE_P(
    Elements, DateToTextElements,
    ::testing::Values(
        WriteCase{"d", kMar2_2004, "2"}, WriteCase{"dd", kMar2_2004, "02"},
        WriteCase{"ddd", kMar2_2004, "Tue"}, WriteCase{"dddd", kMar2_2004, "Tuesday"},
        WriteCase{"dddddd", kMar2_2004, "Tuesday, March 2, 2004"}, WriteCase{"m", kMar2_2004, "3"},
        WriteCase{"mm", kMar2_2004, "03"}, WriteCase{"mmm", kMar2_2004, "Mar"},
        WriteCase{"mmmm", kMar2_2004, "March"}, WriteCase{"mmmmmm", kMar2_2004, "March"},
        WriteCase{"y", kMar2_2004, "04"}, WriteCase{"yy", kMar2_2004, "04"},
        WriteCase{"yyy", kMar2_2004, "2004"}, WriteCase{"yyyy", kMar2_2004, "2004"},
        WriteCase{"yyyyy", kMar2_2004, "2004"}, WriteCase{"yyyy", EncodeDate(5, 7, 4), "0005"},
        WriteCase{"yy", EncodeDate(5, 7, 4), "05"}, WriteCase{"yy", EncodeDate(2000, 1, 1), "00"},
        // The Gregorian calendar's era and era year.
        WriteCase{"g e", kMar2_2004, "A.D. 2004"},
        // Letters match in either case, the separator is the regional one.
        WriteCase{"D/M/YYYY", kMar2_2004, "2.3.2004"}, WriteCase{"MMM-dd", kMar2_2004, "Mar-02"},
        // Quoted text is copied without its quotes and its letters are not elements.
        WriteCase{"'day' d", kMar2_2004, "day 2"}, WriteCase{"\"d/m\" d/m", kMar2_2004, "d/m 2.3"},
        WriteCase{"'unclosed d", kMar2_2004, "unclosed d"},
        WriteCase{"d 'of' mmmm", kDec31_1967, "31 of December"},
        // Other characters are copied.
        WriteCase{"[d]-(m)_y!", kMar2_2004, "[2]-(3)_04!"},
        WriteCase{"dddd d", kDec31_1967, "Sunday 31"}));

INSTANTIATE_TEST_SUITE_P(
    DaysAndTimes, DateToTextElements,
    ::testing::Values(WriteCase{"m/d/yy", kDec31_1967, "12.31.67"},
                      // The time of day never shows.
                      WriteCase{"m/d/yy", kDec31_1967 + 0.9999, "12.31.67"},
                      // Before 30 December 1899 the whole day is the value truncated toward zero.
                      WriteCase{"m/d/yyyy ddd", 0, "12.30.1899 Sat"},
                      WriteCase{"m/d/yyyy ddd", -0.5, "12.30.1899 Sat"},
                      WriteCase{"m/d/yyyy ddd", -1, "12.29.1899 Fri"},
                      WriteCase{"m/d/yyyy ddd", -1.75, "12.29.1899 Fri"},
                      WriteCase{"m/d/yyyy dddd", -53797, "9.14.1752 Thursday"},
                      WriteCase{"m/d/yyyy dddd", kJan1_0001, "1.1.0001 Monday"},
                      WriteCase{"m/d/yyyy dddd", kDec31_9999, "12.31.9999 Friday"},
                      WriteCase{"m/d/yyyy dddd", kJan1_2000, "1.1.2000 Saturday"}));

TEST(DateToText, WholeShortPatternThatNamesItselfStops) {
    // ddddd stands for the short-date pattern, which here holds ddddd again.
    ScopedRegionalSettings settings(DateSettings("<ddddd>", '/'));
    EXPECT_EQ(DateToText(kDec31_1967), "<<>>");
}

TEST(DateToText, WholeShortPatternInsideTheLongOne) {
    RegionalDateSettings custom = DateSettings("dddddd", '/');
    custom.longDatePattern = "dddd (ddddd)";
    ScopedRegionalSettings settings(custom);
    // The long pattern may hold the short one once; the short one would name the long again.
    EXPECT_EQ(DateToText(kDec31_1967), "Sunday ()");
}

TEST(DateToText, DefaultSettingsWriteMonthFirstTwoDigitYears) {
    ScopedRegionalSettings settings{RegionalDateSettings{}};
    EXPECT_EQ(DateToText(kDec31_1967), "12/31/67");
    EXPECT_EQ(DateToText(kJan1_2000), "1/1/00");
}

TEST(DateToText, ReadsBackWhatItWrites) {
    ScopedClockSource clock(FixedClock(2017));
    for (const char* pattern : {"m/d/yyyy", "dd.mm.yyyy", "yyyy-mm-dd"}) {
        const char separator = pattern[std::string(pattern).find_first_of("/.-")];
        ScopedRegionalSettings settings(DateSettings(pattern, separator));
        for (double day : {kJan1_0001, -53797.0, -1.0, 0.0, kDec31_1967, kJan1_2000, kDec31_9999}) {
            EXPECT_EQ(TextToDate(DateToText(day)), day) << pattern << " " << DateToText(day);
        }
    }
}

TEST(Calendar, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_FALSE(IsLeapYear(2001));
    EXPECT_TRUE(IsLeapYear(4));
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2001, 4), 30);
    EXPECT_EQ(DaysInMonth(2001, 12), 31);
    EXPECT_EQ(DaysInMonth(2001, 0), 0);
    EXPECT_EQ(DaysInMonth(2001, 13), 0);
}

TEST(Calendar, EveryDayFromYear1To9999FollowsTheDayBefore) {
    // Walk the whole calendar: each serial decodes to the day after the previous one, the day of
    // the week turns by one, and encoding gives the serial back.
    CalendarDay previous = DecodeDate(kJan1_0001);
    ASSERT_EQ(previous.year, 1);
    ASSERT_EQ(previous.month, 1);
    ASSERT_EQ(previous.day, 1);
    ASSERT_EQ(previous.dayOfWeek, 1);  // Monday
    for (int serial = static_cast<int>(kJan1_0001) + 1; serial <= static_cast<int>(kDec31_9999);
         ++serial) {
        const CalendarDay day = DecodeDate(serial);
        const bool nextInMonth =
            day.year == previous.year && day.month == previous.month && day.day == previous.day + 1;
        const bool nextMonth =
            day.day == 1 && previous.day == DaysInMonth(previous.year, previous.month) &&
            ((day.year == previous.year && day.month == previous.month + 1) ||
             (day.year == previous.year + 1 && day.month == 1 && previous.month == 12));
        ASSERT_TRUE(nextInMonth || nextMonth) << "serial " << serial;
        ASSERT_EQ(day.dayOfWeek, (previous.dayOfWeek + 1) % 7) << "serial " << serial;
        ASSERT_EQ(EncodeDate(day.year, day.month, day.day), serial);
        previous = day;
    }
    EXPECT_EQ(previous.year, 9999);
    EXPECT_EQ(previous.month, 12);
    EXPECT_EQ(previous.day, 31);
}

TEST(Calendar, ValuesBeyondTheCalendarDecodeWithoutFault) {
    for (double value : {1e300, -1e300, 1e18, -1e18, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        const CalendarDay day = DecodeDate(value);
        EXPECT_GE(day.month, 1);
        EXPECT_LE(day.month, 12);
        EXPECT_GE(day.day, 1);
        EXPECT_LE(day.day, 31);
        (void)DateToText(value);
    }
}

}  // namespace
