// The error box: what a bad text or a refused day shows, and that the program goes on after OK
// with every text as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/Form1Layout.h"
#include "win32/Calendar.h"
#include "win32/ErrorBox.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

using ErrorBox = ProgramTest;

TEST_F(ErrorBox, LettersInPickDateAreReportedKeyByKeyAndChangeNothing) {
    const Day today = Today();
    ASSERT_TRUE(Shows("SysDate", std::to_string(PcSerial(today))));
    const std::string sysDate = Text("SysDate");
    const std::string pickerText = Text("Calendar");

    ASSERT_NO_FATAL_FAILURE(Replace("PickDate", "a"));
    ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss("'a' is not a valid integer value."));
    ASSERT_NO_FATAL_FAILURE(Type("PickDate", "b"));
    ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss("'ab' is not a valid integer value."));
    ASSERT_NO_FATAL_FAILURE(Type("PickDate", "c"));
    ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss("'abc' is not a valid integer value."));

    // The focus comes back as the box returns, a moment after the box has gone.
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(program().Main()) == Control("PickDate"); }))
        << "the focus did not return to PickDate";
    EXPECT_TRUE(Shows("PickDate", "abc"));
    EXPECT_TRUE(Shows("SysDate", sysDate));
    EXPECT_TRUE(Shows("Calendar", pickerText));
    EXPECT_TRUE(Shows("Diff", "Difference"));
    EXPECT_TRUE(CaptionIs("Quorlin Conversions"));

    // The program goes on.
    ASSERT_NO_FATAL_FAILURE(Replace("PickDate", "0"));
    EXPECT_TRUE(Shows("SysDate", "24837"));
}

// Enter, Escape and Space close the box as they go down; their release comes after, in the
// field that has the focus again, and must not raise the same error once more.
TEST_F(ErrorBox, AKeyThatClosesTheBoxDoesNotRaiseItAgain) {
    struct Step {
        std::string key;
        WORD closingKey;
        std::string message;
    };
    const Step steps[] = {{"a", VK_RETURN, "'a' is not a valid integer value."},
                          {"b", VK_ESCAPE, "'ab' is not a valid integer value."},
                          {"c", VK_SPACE, "'abc' is not a valid integer value."}};
    for (const Step& step : steps) {
        if (step.key == "a") {
            ASSERT_NO_FATAL_FAILURE(Replace("PickDate", step.key));
        } else {
            ASSERT_NO_FATAL_FAILURE(Type("PickDate", step.key));
        }
        const HWND box = WaitForErrorBox(program().Pid());
        ASSERT_NE(box, nullptr) << step.message;
        EXPECT_EQ(ErrorBoxMessage(box), step.message);
        PressKey(step.closingKey);
        ASSERT_TRUE(WaitUntil([&] { return VisibleErrorBoxes(program().Pid()).empty(); }))
            << "the box did not close on its key";
        EXPECT_FALSE(WaitUntil([&] { return !VisibleErrorBoxes(program().Pid()).empty(); },
                               std::chrono::milliseconds(1500)))
            << "the key's release raised the error again";
    }
    EXPECT_TRUE(Shows("PickDate", "abc"));
}

struct RefusedCase {
    const char* name;
    std::string leadingError;  // the error of the first key, if it is a lone sign
    std::string keys;
    int lastShownSerial;  // the last day the picker took, from the text one key shorter
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedDay : public ProgramTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedDay, IsReportedAndThePickerKeepsItsDay) {
    const RefusedCase& c = GetParam();
    size_t next = 0;
    if (!c.leadingError.empty()) {
        ASSERT_NO_FATAL_FAILURE(Replace("PickDate", c.keys.substr(0, 1)));
        ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss(c.leadingError));
        next = 1;
        ASSERT_NO_FATAL_FAILURE(Type("PickDate", c.keys.substr(next)));
    } else {
        ASSERT_NO_FATAL_FAILURE(Replace("PickDate", c.keys));
    }
    ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss("Failed to set calendar date or time."));
    EXPECT_TRUE(Shows("PickDate", c.keys));
    EXPECT_TRUE(Shows("SysDate", std::to_string(c.lastShownSerial)))
        << "SysDate must keep the day of the last accepted text";
    EXPECT_EQ(PickerDay(Control("Calendar"), program().Process()), FromPcSerial(c.lastShownSerial));
}

INSTANTIATE_TEST_SUITE_P(
    PickDate, RefusedDay,
    ::testing::Values(
        // -10000 is 1940; -100000 would be 1694, before the picker's first day.
        RefusedCase{"BeforeFirstDay", "'-' is not a valid integer value.", "-100000", 14837},
        // 300000 is 2789; 3000000 would be beyond the year 9999.
        RefusedCase{"AfterLastDay", "", "3000000", 324837},
        // One day past either end of the picker's range.
        RefusedCase{"DayBeforeFirstDay", "'-' is not a valid integer value.", "-78635", 16974},
        RefusedCase{"DayAfterLastDay", "", "2933628", 318199}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace e2e
