// Hostile text pasted into every field: a long run of digits, format specifiers, a NUL byte and
// the bytes 128 to 255. Nothing hangs (an error box, where one is due, opens within 2 s and closes
// by Enter), nothing crashes, the messages quote the text exactly and the pasted text stays.
//
// The run of digits is 16 KB, not a megabyte: under Wine the system's edit control lays out its
// line in a time that grows with the square of its length (40 KB take 2 s, 160 KB 23 s), so a
// megabyte would keep the edit itself busy for many minutes before the program sees the text.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "win32/Clipboard.h"
#include "win32/ErrorBox.h"
#include "win32/Input.h"
#include "win32/PanelModel.h"
#include "win32/ProgramTest.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

std::string LongDigits() {
    std::string digits;
    while (digits.size() < 16 * 1024)
        digits += static_cast<char>('0' + (digits.size() + 1) % 10);
    return digits;
}

std::string HighBytes() {
    std::string bytes;
    for (int c = 128; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

class HostileText : public ProgramTest {
  protected:
    // Pastes `text` over the whole of `field` through the field's own clipboard command, then
    // releases a key there (End, which types nothing) so the field converts what it holds.
    void PasteInto(const char* field, const std::string& text) {
        ASSERT_TRUE(PutTextOnClipboard(text));
        const HWND edit = Control(field);
        ASSERT_TRUE(FocusControl(edit));
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, WM_PASTE, 0, 0);
        const unsigned long before = KeysTaken();
        PressKey(VK_END);
        ASSERT_TRUE(WaitForKeys(before, 2)) << "the program did not take the key";
    }

    // The error box the paste is due to raise: within 2 s, exact, closed by Enter.
    void ExpectBoxQuoting(const std::string& text) {
        const std::string expected = model::NotAnInteger(text);
        const HWND box = WaitForErrorBox(program().Pid());
        ASSERT_NE(box, nullptr) << "no error box for " << text.size() << " bytes";
        const std::string message = ErrorBoxMessage(box);
        EXPECT_EQ(message.size(), expected.size());
        EXPECT_TRUE(message == expected) << "the message does not quote the text exactly";
        SetForegroundWindow(box);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); },
                              std::chrono::milliseconds(2000)))
            << "the box did not close by Enter";
    }

    void ExpectNoBoxAfterTheKey() {
        DWORD_PTR result = 0;
        ASSERT_NE(
            SendMessageTimeoutA(program().Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result),
            0)
            << "the program did not answer within 2 s";
        Sleep(200);
        ExpectNoErrorBox();
    }
};

// Fields whose text must be an integer report every one of these texts and keep it.
TEST_F(HostileText, IntegerFieldsReportItExactlyAndKeepIt) {
    const std::vector<std::string> texts = {LongDigits(), "%s%n%x%p%d%%", HighBytes()};
    for (const char* field : {"PickDate", "SysDate", "PTime", "editDec"}) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::string(field) + " with " + std::to_string(text.size()) + " bytes");
            ASSERT_NO_FATAL_FAILURE(PasteInto(field, text));
            ASSERT_NO_FATAL_FAILURE(ExpectBoxQuoting(text));
            EXPECT_TRUE(Text(field) == text) << "the pasted text did not stay";
        }
    }
}

// A NUL ends the clipboard's text: what comes before it is pasted, and converts.
TEST_F(HostileText, TextUpToANulIsPasted) {
    ASSERT_NO_FATAL_FAILURE(PasteInto("PickDate", std::string("12\0"
                                                              "34",
                                                              5)));
    EXPECT_TRUE(Shows("PickDate", "12"));
    EXPECT_TRUE(Shows("SysDate", "24849"));
    ExpectNoBoxAfterTheKey();
}

// The time fields count text that is no number as 0, silently; the character fields read only
// the characters their rules read.
TEST_F(HostileText, OtherFieldsTakeItSilently) {
    const std::string digits = LongDigits();
    for (const char* field : {"Hr", "Sec", "Min"}) {
        ASSERT_NO_FATAL_FAILURE(Replace(field, field == std::string("Min") ? "2" : "0"));
        ASSERT_TRUE(Shows(field, field == std::string("Min") ? "2" : "0"));
    }
    for (const char* field : {"Hr", "Sec"}) {
        SCOPED_TRACE(field);
        ASSERT_NO_FATAL_FAILURE(PasteInto(field, digits));
        EXPECT_TRUE(Shows("PTime", "120"))
            << "Hr " << Text("Hr").substr(0, 12) << " (" << Text("Hr").size() << "), Min "
            << Text("Min") << ", Sec " << Text("Sec").substr(0, 12);
        ExpectNoBoxAfterTheKey();
        EXPECT_TRUE(Text(field) == digits) << Text(field).size() << " bytes, ending "
                                           << Text(field).substr(Text(field).size() - 5);
        ASSERT_NO_FATAL_FAILURE(Replace(field, "0"));
        ASSERT_TRUE(Shows(field, "0"));
    }

    // Hex reads its first two characters: "12" of the digits, 0x80 and 0x81 of the high bytes.
    ASSERT_NO_FATAL_FAILURE(PasteInto("editHex", digits));
    EXPECT_TRUE(Shows("editDec", "18"));
    EXPECT_TRUE(Shows("editHex", "12"));
    ASSERT_NO_FATAL_FAILURE(PasteInto("editHex", HighBytes()));
    EXPECT_TRUE(Shows("editDec", "698"));  // 16 * (128 - 87) + (129 - 87)
    EXPECT_TRUE(Shows("editBinary", "10 1011 1010"));
    // Ctrl reads its first character, "%" here: code 37 less 64.
    ASSERT_NO_FATAL_FAILURE(PasteInto("editControl", "%s%n%x"));
    EXPECT_TRUE(Shows("editDec", "-27"));
    EXPECT_TRUE(Shows("editHex", "ffffffe5"));
    ExpectNoBoxAfterTheKey();
}

}  // namespace
}  // namespace e2e
