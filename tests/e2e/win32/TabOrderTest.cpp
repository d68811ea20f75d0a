// Tab moves the focus through the window's controls in their tab order.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "ui/ControlIds.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"
#include "win32/Wait.h"

namespace e2e {
namespace {

using TabOrder = ProgramTest;

TEST_F(TabOrder, VisitsTheEditsThenTheButtons) {
    const std::vector<int> expected = {
        kIdPickDate,  kIdSysDate, kIdPTime,   kIdHr,          kIdMin,     kIdSec,
        kIdEditAscii, kIdEditDec, kIdEditHex, kIdEditControl, kIdButton1, kIdButton2,
    };
    ASSERT_TRUE(FocusControl(Control(kIdCalendar)));
    std::vector<int> visited;
    for (const int id : expected) {
        PressKey(VK_TAB);
        const HWND target = Control(id);
        WaitUntil([&] { return FocusedWindowOf(program().Main()) == target; });
        visited.push_back(GetDlgCtrlID(FocusedWindowOf(program().Main())));
        if (visited.back() != id) {
            break;  // the rest would only repeat the difference
        }
    }
    EXPECT_EQ(visited, expected);
    ExpectNoErrorBox();
}

}  // namespace
}  // namespace e2e
