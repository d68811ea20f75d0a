// The notification-area icon: there from start, a minimise leaves only the icon, and a double
// click on it with any button brings the program back to the front.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/Form1Layout.h"
#include "win32/ForegroundKeeper.h"
#include "win32/ProgramTest.h"
#include "win32/Tray.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

constexpr WPARAM kMinimiseWithLowBits = SC_MINIMIZE | 1;  // 0xF021

bool Visible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

class TrayIconTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        hidden_ = HiddenWindowOf(program().Pid());
        ASSERT_NE(hidden_, nullptr) << "the program has no hidden window for its icon";
    }

    // A system command to the main window, as its minimise button or system menu gives it.
    void SystemCommand(WPARAM command) {
        DWORD_PTR result = 0;
        ASSERT_NE(SendMessageTimeoutA(program().Main(), WM_SYSCOMMAND, command, 0, SMTO_ABORTIFHUNG,
                                      5000, &result),
                  0)
            << "the main window did not answer the system command";
    }

    bool ProgramIsInForeground() {
        DWORD pid = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &pid);
        return pid == program().Pid();
    }

    // Waits until the program has handled every message posted to its thread so far: the
    // thread takes posted messages in order, so once a selection posted last has been applied,
    // everything posted before it has been handled. Hr always holds two characters or more.
    bool PostedMessagesHandled() {
        const HWND hr = Control("Hr");
        SendMessageA(hr, EM_SETSEL, 0, 0);
        PostMessageA(hr, EM_SETSEL, 1, 2);
        return WaitUntil([&] {
            return static_cast<DWORD>(SendMessageA(hr, EM_GETSEL, 0, 0)) == MAKELONG(1, 2);
        });
    }

    HWND hidden_ = nullptr;
};

using TrayIcon = TrayIconTest;

TEST_F(TrayIcon, IsInTheNotificationAreaFromStart) {
    // The hidden window: a zero-size tool window, never shown.
    EXPECT_FALSE(Visible(hidden_));
    const RECT r = ScreenRectOf(hidden_);
    EXPECT_EQ(Width(r), 0);
    EXPECT_EQ(Height(r), 0);
    EXPECT_NE(GetWindowLongA(hidden_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

    std::vector<HWND> icons;
    ASSERT_TRUE(WaitUntil([&] { return (icons = NotificationIcons()).size() == 1; }))
        << "the notification area shows " << icons.size() << " icons";
    const ProgramIcon programIcon;
    ASSERT_NE(programIcon.get(), nullptr) << "cannot load the program's icon for comparison";
    EXPECT_TRUE(IconWindowShows(icons.front(), programIcon.get()))
        << "the notification area does not show the program's icon";
}

struct Button {
    const char* name;
    UINT down;
    UINT up;
    UINT doubleClick;
};

TEST_F(TrayIcon, MinimiseLeavesOnlyTheIconAndADoubleClickWithAnyButtonRestores) {
    const HWND application = program().Application();
    const HWND main = program().Main();
    const ForegroundKeeper keeper;
    const std::vector<Button> buttons = {
        {"left", WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK},
        {"right", WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK},
        {"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK},
    };
    for (const auto& button : buttons) {
        SCOPED_TRACE(std::string("double click with the ") + button.name + " button");
        ASSERT_NO_FATAL_FAILURE(SystemCommand(SC_MINIMIZE));
        ASSERT_TRUE(WaitUntil([&] { return !Visible(application) && !Visible(main); }))
            << "the minimise left the task-bar window (" << Visible(application)
            << ") or the main window (" << Visible(main) << ") visible";
        EXPECT_TRUE(WaitUntil([] { return NotificationIcons().size() == 1U; }))
            << "the icon went with the window";

        // Someone else's window in front, so the restore has to bring the program forward.
        ASSERT_TRUE(keeper.TakeForeground());
        PostDoubleClick(hidden_, button.down, button.up, button.doubleClick);
        EXPECT_TRUE(WaitUntil([&] { return Visible(application) && Visible(main); }))
            << "the double click did not restore the task-bar window and the main window";
        EXPECT_FALSE(IsIconic(application));
        EXPECT_TRUE(WaitUntil([&] { return ProgramIsInForeground(); }))
            << "the restored program is not in the foreground";
    }
    SaveScreenshot("restored");
    ExpectNoErrorBox();
}

TEST_F(TrayIcon, SingleClicksDoNothing) {
    const HWND application = program().Application();
    const HWND main = program().Main();
    ASSERT_NO_FATAL_FAILURE(SystemCommand(SC_MINIMIZE));
    ASSERT_TRUE(WaitUntil([&] { return !Visible(application) && !Visible(main); }));

    for (const auto& [down, up] :
         std::vector<std::pair<UINT, UINT>>{{WM_LBUTTONDOWN, WM_LBUTTONUP},
                                            {WM_RBUTTONDOWN, WM_RBUTTONUP},
                                            {WM_MBUTTONDOWN, WM_MBUTTONUP}}) {
        PostMouseNotification(hidden_, down);
        PostMouseNotification(hidden_, up);
    }
    PostMouseNotification(hidden_, WM_MOUSEMOVE);
    ASSERT_TRUE(PostedMessagesHandled());
    EXPECT_FALSE(Visible(application)) << "a single click brought the task-bar window back";
    EXPECT_FALSE(Visible(main)) << "a single click brought the main window back";
    ExpectNoErrorBox();

    // The same window does answer a double click, so the clicks did reach the icon's window.
    PostDoubleClick(hidden_, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return Visible(application) && Visible(main); }));
}

TEST_F(TrayIcon, MinimiseCommandWithOtherLowBitsKeepsTheTaskBarEntry) {
    const HWND application = program().Application();
    const HWND main = program().Main();
    ASSERT_NO_FATAL_FAILURE(SystemCommand(kMinimiseWithLowBits));
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(application) != FALSE && !Visible(main); }))
        << "the command did not minimise the application";
    EXPECT_TRUE(Visible(application)) << "the task-bar window was hidden";
    // The icon is added once the window is up, which a command sent at once can overtake.
    EXPECT_TRUE(WaitUntil([] { return NotificationIcons().size() == 1U; }))
        << NotificationIcons().size() << " icons";
    ExpectNoErrorBox();
}

}  // namespace
}  // namespace e2e
