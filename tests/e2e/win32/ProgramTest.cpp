#include "win32/ProgramTest.h"

#include <cstdlib>

#include "toolkit/win32/Handles.h"
#include "win32/ErrorBox.h"
#include "win32/Input.h"
#include "win32/Screen.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {

namespace {

constexpr const char* kApplicationTitle = "Quorlin Conversion";

std::string ArtifactPath(const std::string& suffix) {
    const char* folder = std::getenv("QC_E2E_ARTIFACTS");
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    // A scenario run under several settings names each run's pictures after its setting.
    if (const char* variant = std::getenv("QC_E2E_VARIANT"); variant && *variant) {
        name += "@" + std::string(variant);
    }
    if (!suffix.empty()) {
        name += "-" + suffix;
    }
    return std::string(folder != nullptr && *folder != '\0' ? folder : ".") + "/" + name + ".bmp";
}

}  // namespace

void ProgramTest::SetUp() {
    program_ = std::make_unique<Program>(ShowState());
    ASSERT_TRUE(program_->Started()) << program_->Failure();
    ASSERT_TRUE(program_->WaitForWindows())
        << "the program made no TForm1 and TApplication windows in time";
    if (ExpectShown()) {
        ASSERT_TRUE(program_->WaitUntilShown()) << "the main window was not shown in time";
    }
}

void ProgramTest::TearDown() {
    if (!program_ || !program_->Started()) {
        return;
    }
    SaveScreenshot("end");
    for (HWND box : VisibleErrorBoxes(program_->Pid())) {
        ADD_FAILURE() << "an error box was left open: \"" << ErrorBoxMessage(box) << "\"";
    }
    if (!endExpected_) {
        EXPECT_TRUE(program_->Running()) << "the program ended during the scenario";
    }
    program_.reset();
}

HWND ProgramTest::Control(std::string_view name) const {
    const HWND control = program_->Control(name);
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

std::string ProgramTest::Text(std::string_view name) const {
    const HWND control = Control(name);
    return control == nullptr ? std::string("<missing control>") : TextOf(control);
}

::testing::AssertionResult ProgramTest::Shows(std::string_view name,
                                              const std::string& expected) const {
    const HWND control = Control(name);
    if (control == nullptr) {
        return ::testing::AssertionFailure() << "no control " << name;
    }
    std::string last;
    if (WaitUntil([&] { return (last = TextOf(control)) == expected; })) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << name << " shows \"" << last << "\", expected \"" << expected << "\"";
}

::testing::AssertionResult ProgramTest::CaptionIs(const std::string& expected) const {
    std::string last;
    if (WaitUntil([&] { return (last = TextOf(program_->Main())) == expected; })) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the caption is \"" << last << "\", expected \"" << expected << "\"";
}

void ProgramTest::Replace(std::string_view name, const std::string& keys) {
    const HWND edit = Control(name);
    ASSERT_NE(edit, nullptr);
    // What the last keys set off runs to its end first, so that none of it moves the caret once
    // the whole text is selected.
    WaitUntilIdle();
    ASSERT_TRUE(FocusControl(edit)) << name << " did not take the focus";
    SendMessageA(edit, EM_SETSEL, 0, -1);
    const auto selection = static_cast<DWORD>(SendMessageA(edit, EM_GETSEL, 0, 0));
    const auto length = static_cast<DWORD>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
    ASSERT_TRUE(LOWORD(selection) == 0 && HIWORD(selection) == length)
        << name << " did not select its whole text";
    TypeText(keys);
}

void ProgramTest::Type(std::string_view name, const std::string& keys) {
    const HWND edit = Control(name);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(FocusControl(edit)) << name << " did not take the focus";
    TypeText(keys);
}

void ProgramTest::Empty(std::string_view name) {
    const HWND edit = Control(name);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(FocusControl(edit)) << name << " did not take the focus";
    SendMessageA(edit, EM_SETSEL, 0, -1);
    PressKey(VK_DELETE);
}

void ProgramTest::WaitUntilIdle() const {
    WaitForInputIdle(program_->Process(), 2000);
}

::testing::AssertionResult ProgramTest::ClickAndWait(std::string_view name) const {
    static const UINT message = RegisterWindowMessageA(kClicksTakenMessage);
    const auto clicksTaken = [&] {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(program_->Application(), message, 0, 0, SMTO_ABORTIFHUNG, 2000,
                            &result);
        return static_cast<unsigned long>(result);
    };
    // A button holds the mouse until its click has been handled to the end (it reports the click
    // first): a click sent before it lets go would go to it, wherever it lands.
    const DWORD thread = GetWindowThreadProcessId(program_->Main(), nullptr);
    const auto mouseFree = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) != FALSE && info.hwndCapture == nullptr;
    };
    const unsigned long before = clicksTaken();
    ClickCentre(Control(name));
    if (WaitUntil([&] { return clicksTaken() >= before + 2 && mouseFree(); }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the program did not take the click on " << name;
}

unsigned long ProgramTest::KeysTaken() const {
    static const UINT message = RegisterWindowMessageA(kKeysTakenMessage);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(program_->Application(), message, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
    return static_cast<unsigned long>(result);
}

bool ProgramTest::WaitForKeys(unsigned long before, int count) const {
    return WaitUntil([&] {
        return KeysTaken() >= before + static_cast<unsigned long>(count) ||
               !VisibleErrorBoxes(program_->Pid()).empty();
    });
}

void ProgramTest::ExpectErrorAndDismiss(const std::string& message) {
    const HWND box = WaitForErrorBox(program_->Pid());
    ASSERT_NE(box, nullptr) << "no error box appeared; expected \"" << message << "\"";
    SaveScreenshot("error-box");
    EXPECT_EQ(ErrorBoxMessage(box), message);
    EXPECT_EQ(TextOf(box), kApplicationTitle);
    EXPECT_EQ(GetWindow(box, GW_OWNER), program_->Application())
        << "the error box is not owned by the application window";
    EXPECT_EQ(ErrorBoxButtons(box), std::vector<int>{IDOK}) << "the box has not one OK button";
    EXPECT_TRUE(ShowsStopIcon(box)) << "the error box does not show the stop icon";
    ASSERT_TRUE(PressOk(box)) << "the error box did not close on OK";
}

void ProgramTest::ExpectNoErrorBox() {
    const auto boxes = VisibleErrorBoxes(program_->Pid());
    EXPECT_TRUE(boxes.empty()) << "unexpected error box: \""
                               << (boxes.empty() ? "" : ErrorBoxMessage(boxes.front())) << "\"";
}

std::optional<DWORD> ProgramTest::WaitForExit() {
    endExpected_ = true;
    if (WaitForSingleObject(program_->Process(), static_cast<DWORD>(kLongWait.count())) !=
        WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(program_->Process(), &code);
    return code;
}

namespace {

BOOL CALLBACK FindUnpainted(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// Whether a window of the program, or one of its controls, still waits to be painted.
bool WaitsToBePainted(HWND window) {
    bool found = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!found)
        EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

void ProgramTest::SaveScreenshot(const std::string& suffix) {
    const auto windows = TopLevelWindowsOf(program_->Pid(), nullptr);
    // The paints still waiting in the program's queue (a panel just shown) are made first, so
    // the picture is the window as the user sees it a moment later.
    WaitUntil([&] {
        for (HWND window : windows) {
            if (IsWindowVisible(window) && WaitsToBePainted(window))
                return false;
        }
        return true;
    });
    RECT area{};
    for (HWND window : windows) {
        if (IsWindowVisible(window) && !IsIconic(window)) {
            const RECT r = ScreenRectOf(window);
            UnionRect(&area, &area, &r);
        }
    }
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&area, &area, &screen);
    if (!IsRectEmpty(&area)) {
        SaveBitmap(CaptureScreen(area), ArtifactPath(suffix));
    }
}

}  // namespace e2e
