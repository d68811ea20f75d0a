// Under every regional setting and screen density the program starts without an error, writes
// its dates in the user's own short-date pattern and reports a wrong entry in its error box.
// scripts/e2e.sh runs this suite under each of its locales and densities.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win32/Calendar.h"
#include "win32/ErrorBox.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"
#include "win32/Wait.h"

namespace e2e {
namespace {

std::string LocaleText(LCTYPE type) {
    char text[80] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text);
    return text;
}

// A regional setting as the program reads it: without the direction marks a right-to-left
// desktop writes into its patterns and separator, which would reorder a date drawn left to right.
std::string VisibleLocaleText(LCTYPE type) {
    wchar_t text[80] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 80);
    std::wstring visible;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c != 0x200E && *c != 0x200F && *c != 0x061C)
            visible += *c;
    }
    char bytes[160] = {};
    WideCharToMultiByte(CP_ACP, 0, visible.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    return bytes;
}

// A day as the user's short-date pattern writes it: d, dd, M, MM, yy and yyyy, quoted text and
// the date separator; what the program's own date text rule writes for these.
std::string InUserPattern(const Day& day) {
    const std::string pattern = VisibleLocaleText(LOCALE_SSHORTDATE);
    const std::string separator = VisibleLocaleText(LOCALE_SDATE).substr(0, 1);
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        char number[16] = {};
        if (c == '\'') {
            const std::size_t close = pattern.find('\'', i + 1);
            const std::size_t end = close == std::string::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, end - i - 1);
            i = end == pattern.size() ? end : end + 1;
            continue;
        } else if (c == 'd' || c == 'M') {
            wsprintfA(number, run >= 2 ? "%02d" : "%d", c == 'd' ? day.day : day.month);
            out += number;
        } else if (c == 'y') {
            wsprintfA(number, run <= 2 ? "%02d" : "%04d", run <= 2 ? day.year % 100 : day.year);
            out += number;
        } else if (c == '/') {
            out += separator;
        } else {
            out.append(run, c);
        }
        i += run;
    }
    return out;
}

using Everywhere = ProgramTest;

TEST_F(Everywhere, StartsWritesTheUsersDatesAndReportsErrors) {
    const Day today = Today();
    ASSERT_TRUE(Shows("SysDate", std::to_string(PcSerial(today))));
    ExpectNoErrorBox();
    EXPECT_TRUE(Shows("PickDate", std::to_string(PcSerial(today) - kPickEpochOffset)));
    EXPECT_TRUE(Shows("Diff", "Difference"));

    ClickCentre(Control("Diff"));
    const std::string todayText = InUserPattern(today);
    ASSERT_TRUE(Shows("Diff", todayText + " to " + todayText + " = 0 days"))
        << "under the pattern " << LocaleText(LOCALE_SSHORTDATE);

    // The picker moved by the keyboard: its first field goes up by one, whichever it is.
    const HWND picker = Control("Calendar");
    ASSERT_TRUE(FocusControl(picker));
    PressKey(VK_RIGHT);
    PressKey(VK_UP);
    ASSERT_TRUE(WaitUntil([&] { return Text("SysDate") != std::to_string(PcSerial(today)); }))
        << "the picker did not move";
    const int picked = std::stoi(Text("SysDate"));
    EXPECT_TRUE(Shows("Diff", todayText + " to " + InUserPattern(FromPcSerial(picked)) + " = " +
                                  std::to_string(picked - PcSerial(today)) + " days"));

    ASSERT_NO_FATAL_FAILURE(Replace("PickDate", "x"));
    ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss("'x' is not a valid integer value."));
    ExpectNoErrorBox();
}

}  // namespace
}  // namespace e2e
