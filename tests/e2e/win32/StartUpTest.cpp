// Start-up: the window's texts as the program opens, and the desktop's show states.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ui/Form1Layout.h"
#include "win32/Calendar.h"
#include "win32/ForegroundKeeper.h"
#include "win32/ProgramTest.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

using StartUp = ProgramTest;

TEST_F(StartUp, ShowsTitlesTodayAndNoDifferenceYet) {
    const Day today = Today();
    const int serial = PcSerial(today);

    EXPECT_TRUE(CaptionIs("Quorlin Conversions"));
    EXPECT_EQ(TextOf(program().Application()), "Quorlin Conversion")
        << "the application window carries the task-bar title";
    EXPECT_TRUE(Shows("PickDate", std::to_string(serial - kPickEpochOffset)));
    EXPECT_TRUE(Shows("SysDate", std::to_string(serial)));
    EXPECT_TRUE(Shows("Diff", "Difference"));
    EXPECT_TRUE(Shows("Calendar", MonthFirstText(today)));
    EXPECT_EQ(PickerDay(Control("Calendar"), program().Process()), today);
    ExpectNoErrorBox();
    if (Today() != today) {
        GTEST_SKIP() << "the date changed during the scenario; today's numbers are undecidable";
    }
}

class StartedMaximised : public ProgramTest {
  protected:
    WORD ShowState() const override { return SW_SHOWMAXIMIZED; }
};

TEST_F(StartedMaximised, OpensTheMainWindowMaximised) {
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(program().Main()) != FALSE; }))
        << "the main window is not maximised";
    EXPECT_TRUE(IsWindowVisible(program().Main()));
    EXPECT_TRUE(CaptionIs("Quorlin Conversions"));
}

class StartedMinimised : public ProgramTest {
  protected:
    WORD ShowState() const override { return SW_SHOWMINNOACTIVE; }
    bool ExpectShown() const override { return false; }
    void SetUp() override {
        keeper_ = std::make_unique<ForegroundKeeper>();
        ASSERT_EQ(GetForegroundWindow(), keeper_->get()) << "the driver's window is not active";
        ProgramTest::SetUp();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        keeper_.reset();
    }
    std::unique_ptr<ForegroundKeeper> keeper_;
};

TEST_F(StartedMinimised, StartsMinimisedWithoutTakingTheForeground) {
    const HWND main = program().Main();
    const HWND application = program().Application();
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(application) || IsIconic(main); }))
        << "neither the application nor the main window is minimised";
    EXPECT_FALSE(IsWindowVisible(main) && !IsIconic(main))
        << "the main window is shown in its normal state";
    // Let the program finish starting (its texts are written) before looking at the foreground.
    EXPECT_TRUE(WaitUntil([&] { return !TextOf(Control("SysDate")).empty(); }));
    DWORD foregroundPid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &foregroundPid);
    EXPECT_NE(foregroundPid, program().Pid()) << "the program took the foreground";
    EXPECT_EQ(GetForegroundWindow(), keeper_->get());
}

// Started minimised, no system command passed the notification icon's hook, so the task-bar
// entry stays; the user's restore from it and the next minimise go through the hook as usual.
TEST_F(StartedMinimised, KeepsItsTaskBarEntryUntilTheUserMinimisesAgain) {
    const HWND main = program().Main();
    const HWND application = program().Application();
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(application) != FALSE; }));
    ASSERT_TRUE(WaitUntil([&] { return !TextOf(Control("SysDate")).empty(); }));
    EXPECT_TRUE(IsWindowVisible(application)) << "the task-bar entry went at a minimised start";

    PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) && !IsIconic(application); }))
        << "restoring from the task-bar entry did not show the main window";

    PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(application) && !IsWindowVisible(main); }))
        << "the next minimise did not take the task-bar entry away";
}

}  // namespace
}  // namespace e2e
