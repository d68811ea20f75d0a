// The About panel and the ways out of the program: About and Close switch the caption both ways
// and leave the task-bar title alone; Exit and the close box end the program with result 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "ui/Form1Layout.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"
#include "win32/Tray.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

constexpr const char* kTaskBarTitle = "Quorlin Conversion";

bool Visible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

using AboutPanel = ProgramTest;

TEST_F(AboutPanel, AboutAndCloseSwitchTheCaptionBothWays) {
    // A text in a conversion panel, which the About panel must leave alone.
    ASSERT_NO_FATAL_FAILURE(Replace("editDec", "65"));
    ASSERT_TRUE(Shows("editAscii", "A"));
    const HWND panel = Control("pnlAbout");
    ASSERT_NE(panel, nullptr);
    ASSERT_FALSE(Visible(panel)) << "the About panel is shown at start";

    ClickCentre(Control("Button2"));
    EXPECT_TRUE(CaptionIs("About Zelvor"));
    EXPECT_TRUE(WaitUntil([&] { return Visible(panel); })) << "About did not show the panel";
    EXPECT_EQ(TextOf(program().Application()), kTaskBarTitle);
    // It covers the buttons beneath.
    RECT covered{};
    const RECT panelRect = ScreenRectOf(panel);
    const RECT exitRect = ScreenRectOf(Control("Button1"));
    EXPECT_TRUE(IntersectRect(&covered, &panelRect, &exitRect) && EqualRect(&covered, &exitRect))
        << "the About panel does not cover the Exit button";
    SaveScreenshot("about");

    ClickCentre(Control("Button3"));
    EXPECT_TRUE(CaptionIs("Quorlin Conversions"));
    EXPECT_TRUE(WaitUntil([&] { return !Visible(panel); })) << "Close did not hide the panel";
    // The focus leaves the hidden panel for a control the user can see.
    EXPECT_TRUE(WaitUntil([&] {
        const HWND focus = FocusedWindowOf(program().Main());
        return focus != nullptr && Visible(focus);
    })) << "the focus stayed in the hidden About panel";
    EXPECT_EQ(TextOf(program().Application()), kTaskBarTitle);
    EXPECT_TRUE(Shows("editAscii", "A"));
    EXPECT_TRUE(Shows("editDec", "65"));
    ExpectNoErrorBox();
}

// The panel covers the buttons but they stay enabled: About keeps the focus after its click, so
// the keyboard presses it again; Alt+C is Close's mnemonic while the panel is shown.
TEST_F(AboutPanel, TheKeyboardReachesTheButtonsTheMnemonicsName) {
    const HWND panel = Control("pnlAbout");
    ClickCentre(Control("Button2"));
    ASSERT_TRUE(CaptionIs("About Zelvor"));
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(program().Main()) == Control("Button2"); }))
        << "About did not keep the focus";

    PressKey(VK_SPACE);
    EXPECT_TRUE(CaptionIs("About Zelvor"));
    EXPECT_TRUE(Visible(panel));

    PressChord(VK_MENU, 'C');
    EXPECT_TRUE(CaptionIs("Quorlin Conversions")) << "Alt+C did not close the About panel";
    EXPECT_TRUE(WaitUntil([&] { return !Visible(panel); }));
    ExpectNoErrorBox();
}

TEST_F(AboutPanel, EnterStartsNoNewLineInTheNotice) {
    ClickCentre(Control("Button2"));
    ASSERT_TRUE(CaptionIs("About Zelvor"));
    const HWND memo = Control("Memo1");
    const std::string notice = TextOf(memo);
    ASSERT_TRUE(FocusControl(memo));
    PressKey(VK_RETURN);
    TypeText("x");
    ASSERT_TRUE(WaitUntil([&] { return TextOf(memo).size() == notice.size() + 1; }))
        << "the typed letter did not arrive";
    const std::string typed = TextOf(memo);
    EXPECT_EQ(std::count(typed.begin(), typed.end(), '\n'),
              std::count(notice.begin(), notice.end(), '\n'))
        << "Enter started a new line";
}

// The ways to end the program, each from a fresh start.
enum class Ending { ExitButton, CloseCommand, CloseMessage, ExitMnemonic };

struct EndingCase {
    const char* name;
    Ending ending;
};

void PrintTo(const EndingCase& c, std::ostream* os) {
    *os << c.name;
}

class ProgramEnd : public ProgramTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ProgramEnd, EndsWithResultZeroAndTakesTheIconAway) {
    ASSERT_TRUE(WaitUntil([] { return NotificationIcons().size() == 1; }))
        << "the icon is not in the notification area before the end";
    const HWND main = program().Main();
    switch (GetParam().ending) {
        case Ending::ExitButton:
            ClickCentre(Control("Button1"));
            break;
        case Ending::CloseCommand:  // the close box and the system menu's Close
            PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case Ending::CloseMessage:
            PostMessageA(main, WM_CLOSE, 0, 0);
            break;
        case Ending::ExitMnemonic:  // Alt+X, from a conversion field
            ASSERT_TRUE(FocusControl(Control("PTime")));
            PressChord(VK_MENU, 'X');
            break;
    }
    const auto result = WaitForExit();
    ASSERT_TRUE(result.has_value()) << "the program did not end";
    EXPECT_EQ(*result, 0U);
    EXPECT_TRUE(WaitUntil([] { return NotificationIcons().empty(); }))
        << "an icon is left in the notification area";
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramEnd,
                         ::testing::Values(EndingCase{"ExitButton", Ending::ExitButton},
                                           EndingCase{"CloseBox", Ending::CloseCommand},
                                           EndingCase{"CloseMessage", Ending::CloseMessage},
                                           EndingCase{"ExitMnemonic", Ending::ExitMnemonic}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace e2e
