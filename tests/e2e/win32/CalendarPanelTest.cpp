// The calendar panel worked key by key: the picker, the Pick day number, the PC day serial and
// the difference caption keep in step.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Form1Layout.h"
#include "win32/Calendar.h"
#include "win32/CodePage1252.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"

namespace e2e {
namespace {

std::string NotAnInteger(const std::string& text) {
    return "'" + text + "' is not a valid integer value.";
}

// Keys typed in one go, and the error box their last key release must raise, if any. Only a
// text that is not a number yet (a lone sign, a lone prefix, blanks) raises one.
struct Keys {
    std::string keys;
    std::string error;
};

struct TypingCase {
    const char* name;
    const char* edit;  // the edit typed into
    std::vector<Keys> keys;
    int pcSerial;  // the day the picker must show afterwards
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Joined(const std::vector<Keys>& keys) {
    std::string text;
    for (const auto& k : keys) {
        text += k.keys;
    }
    return text;
}

class CalendarTyping : public ProgramTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(CalendarTyping, MovesThePickerAndFillsTheOtherEdit) {
    const TypingCase& c = GetParam();
    const bool intoPickDate = std::string_view(c.edit) == "PickDate";
    const char* other = intoPickDate ? "SysDate" : "PickDate";
    const std::string otherText =
        std::to_string(intoPickDate ? c.pcSerial : c.pcSerial - kPickEpochOffset);

    bool first = true;
    for (const auto& k : c.keys) {
        if (first) {
            ASSERT_NO_FATAL_FAILURE(Replace(c.edit, k.keys));
        } else {
            ASSERT_NO_FATAL_FAILURE(Type(c.edit, k.keys));
        }
        first = false;
        if (!k.error.empty()) {
            ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss(k.error));
        }
    }
    EXPECT_TRUE(Shows(other, otherText));
    EXPECT_TRUE(Shows(c.edit, Joined(c.keys))) << "the typed text is not rewritten";
    EXPECT_EQ(PickerDay(Control("Calendar"), program().Process()), FromPcSerial(c.pcSerial));
    EXPECT_TRUE(Shows("Diff", "Difference")) << "typing a day leaves the caption alone";
}

INSTANTIATE_TEST_SUITE_P(
    PickDate, CalendarTyping,
    ::testing::Values(
        TypingCase{"Digits", "PickDate", {{"11689", ""}}, 36526},
        TypingCase{"Zero", "PickDate", {{"0", ""}}, 24837},
        TypingCase{"MinusSign", "PickDate", {{"-", NotAnInteger("-")}, {"5", ""}}, 24832},
        TypingCase{"PlusSign", "PickDate", {{"+", NotAnInteger("+")}, {"7", ""}}, 24844},
        TypingCase{"DollarHex", "PickDate", {{"$", NotAnInteger("$")}, {"1F", ""}}, 24868},
        TypingCase{"ZeroXHex", "PickDate", {{"0x", NotAnInteger("0x")}, {"1f", ""}}, 24868},
        TypingCase{"LeadingBlanks",
                   "PickDate",
                   {{" ", NotAnInteger(" ")}, {" ", NotAnInteger("  ")}, {"42", ""}},
                   24879},
        // The picker's first and last days, 14 September 1752 and 30 December 9999.
        TypingCase{"FirstDay", "PickDate", {{"-", NotAnInteger("-")}, {"78634", ""}}, -53797},
        TypingCase{"LastDay", "PickDate", {{"2933627", ""}}, 2958464}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SysDate, CalendarTyping,
    ::testing::Values(TypingCase{"Digits", "SysDate", {{"36526", ""}}, 36526},
                      TypingCase{"MinusSign", "SysDate", {{"-", NotAnInteger("-")}, {"1", ""}}, -1},
                      TypingCase{
                          "HexWithLeadingBlank",
                          "SysDate",
                          {{" ", NotAnInteger(" ")}, {"x", NotAnInteger(" x")}, {"8EAE", ""}},
                          36526},
                      TypingCase{"LastDay", "SysDate", {{"2958464", ""}}, 2958464}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

using CalendarPanel = ProgramTest;

TEST_F(CalendarPanel, EmptyingAnEditRefillsBothFromThePicker) {
    ASSERT_NO_FATAL_FAILURE(Replace("PickDate", "0"));
    ASSERT_TRUE(Shows("SysDate", "24837"));
    ASSERT_NO_FATAL_FAILURE(Empty("PickDate"));
    EXPECT_TRUE(Shows("PickDate", "0"));
    EXPECT_TRUE(Shows("SysDate", "24837"));

    ASSERT_NO_FATAL_FAILURE(Replace("SysDate", "36526"));
    ASSERT_TRUE(Shows("PickDate", "11689"));
    ASSERT_NO_FATAL_FAILURE(Empty("SysDate"));
    EXPECT_TRUE(Shows("SysDate", "36526"));
    EXPECT_TRUE(Shows("PickDate", "11689"));
    EXPECT_TRUE(Shows("Diff", "Difference"));
    ExpectNoErrorBox();
}

// Changes the picker's day field with real keys: Right selects the first field (the month in
// M/d/yyyy), a second Right the day; Up or Down then step the day.
void StepPickerDay(HWND picker, int days) {
    ASSERT_TRUE(FocusControl(picker));
    PressKey(VK_RIGHT, 2);
    PressKey(days > 0 ? VK_UP : VK_DOWN, days > 0 ? days : -days);
}

TEST_F(CalendarPanel, DiffClickThenPickerChangeCountsTheDays) {
    const Day today = Today();
    const std::string todayText = MonthFirstText(today);
    ClickCentre(Control("Diff"));
    ASSERT_TRUE(Shows("Diff", todayText + " to " + todayText + " = 0 days"));

    // Three days on, or back where the month would end first (the day field wraps in its month).
    const int step = today.day + 3 <= DaysInMonth(today.year, today.month) ? 3 : -3;
    const Day picked = FromPcSerial(PcSerial(today) + step);
    ASSERT_NO_FATAL_FAILURE(StepPickerDay(Control("Calendar"), step));
    EXPECT_TRUE(Shows("Diff", todayText + " to " + MonthFirstText(picked) + " = " +
                                  std::to_string(step) + " days"));
    EXPECT_TRUE(Shows("SysDate", std::to_string(PcSerial(picked))));
    EXPECT_TRUE(Shows("PickDate", std::to_string(PcSerial(picked) - kPickEpochOffset)));

    // A second click moves the reference to the picked day.
    ClickCentre(Control("Diff"));
    EXPECT_TRUE(
        Shows("Diff", MonthFirstText(picked) + " to " + MonthFirstText(picked) + " = 0 days"));
    ExpectNoErrorBox();
}

TEST_F(CalendarPanel, CharactersTypedIntoThePickerChangeNothing) {
    const Day today = Today();
    const HWND picker = Control("Calendar");
    ASSERT_TRUE(FocusControl(picker));
    PressKey(VK_RIGHT, 2);  // the day field
    // Digits that the picker itself would take as a day different from today's.
    const std::string digits = (today.day == 1 || today.day == 9 || today.day == 19) ? "26" : "19";
    TypeText("a" + digits + "Z");
    // One step up shows whether the day was still today's when the key arrived.
    PressKey(VK_UP);
    const Day next = {today.year, today.month,
                      today.day == DaysInMonth(today.year, today.month) ? 1 : today.day + 1};
    EXPECT_TRUE(Shows("SysDate", std::to_string(PcSerial(next))));
    EXPECT_EQ(PickerDay(picker, program().Process()), next);
    EXPECT_TRUE(Shows("Diff", "Difference"));
    ExpectNoErrorBox();
}

// A character of the code page that is no digit is quoted in the error as the byte the user typed.
TEST_F(CalendarPanel, ACodePageCharacterInPickDateIsQuotedAsItsByte) {
    for (const CodePageCharacter& c : kCp1252High) {
        SCOPED_TRACE(c.dec);
        ASSERT_TRUE(FocusControl(Control("PickDate")));
        SendMessageA(Control("PickDate"), EM_SETSEL, 0, -1);
        TypeCharacter(c.character);
        ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss(NotAnInteger(c.ascii)));
    }
}

}  // namespace
}  // namespace e2e
