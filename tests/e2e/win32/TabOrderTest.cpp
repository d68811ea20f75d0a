// Tab moves the focus through the window's controls in their tab order.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Form1Layout.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"
#include "win32/Wait.h"

namespace e2e {
namespace {

using TabOrder = ProgramTest;

// The layout's name of the control with that identifier, for readable failures.
std::string NameOfControl(int id) {
    const FormDesc& form = Form1Layout();
    for (const ControlDesc& row : form.controls) {
        if (ControlIdOf(form, row.name) == id)
            return std::string(row.name);
    }
    return "identifier " + std::to_string(id);
}

TEST_F(TabOrder, VisitsTheEditsThenTheButtons) {
    const std::vector<std::string> expected = {
        "PickDate",  "SysDate", "PTime",   "Hr",          "Min",     "Sec",
        "editAscii", "editDec", "editHex", "editControl", "Button1", "Button2",
    };
    ASSERT_TRUE(FocusControl(Control("Calendar")));
    std::vector<std::string> visited;
    for (const std::string& name : expected) {
        PressKey(VK_TAB);
        const HWND target = Control(name);
        WaitUntil([&] { return FocusedWindowOf(program().Main()) == target; });
        visited.push_back(NameOfControl(GetDlgCtrlID(FocusedWindowOf(program().Main()))));
        if (visited.back() != name) {
            break;  // the rest would only repeat the difference
        }
    }
    EXPECT_EQ(visited, expected);
    ExpectNoErrorBox();
}

}  // namespace
}  // namespace e2e
