// Under a day-first regional setting (United Kingdom) the program starts without an error and
// writes its dates day first. scripts/e2e.sh runs this suite with that setting.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/Form1Layout.h"
#include "win32/Calendar.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"

namespace e2e {
namespace {

std::string UserShortDatePattern() {
    char pattern[80] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, pattern, sizeof pattern);
    return pattern;
}

using DayFirst = ProgramTest;

TEST_F(DayFirst, StartsWithoutErrorAndShowsDatesDayFirst) {
    ASSERT_EQ(UserShortDatePattern(), "dd/MM/yyyy") << "this scenario needs the day-first setting";
    const Day today = Today();
    ASSERT_TRUE(Shows("SysDate", std::to_string(PcSerial(today))));
    ExpectNoErrorBox();
    EXPECT_TRUE(Shows("PickDate", std::to_string(PcSerial(today) - kPickEpochOffset)));
    EXPECT_TRUE(Shows("Calendar", DayFirstText(today)));

    ClickCentre(Control("Diff"));
    EXPECT_TRUE(Shows("Diff", DayFirstText(today) + " to " + DayFirstText(today) + " = 0 days"));
}

}  // namespace
}  // namespace e2e
