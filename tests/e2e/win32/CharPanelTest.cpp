// The character panel: one code in five forms, converted at every key release, with the key
// rules of each field acting before the key reaches it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/Form1Layout.h"
#include "win32/Clipboard.h"
#include "win32/CodePage1252.h"
#include "win32/Input.h"
#include "win32/ProgramTest.h"
#include "win32/Wait.h"

namespace e2e {
namespace {

// The five fields of the panel, as the user reads them.
struct Fields {
    std::string ascii;
    std::string dec;
    std::string hex;
    std::string binary;
    std::string ctrl;
};

class CharPanelTest : public ProgramTest {
  protected:
    ::testing::AssertionResult PanelShows(const Fields& expected) const {
        const std::vector<std::pair<const char*, const std::string*>> fields = {
            {"editAscii", &expected.ascii},  {"editDec", &expected.dec},
            {"editHex", &expected.hex},      {"editBinary", &expected.binary},
            {"editControl", &expected.ctrl},
        };
        for (const auto& [id, text] : fields) {
            auto shown = Shows(id, *text);
            if (!shown) {
                return shown;
            }
        }
        return ::testing::AssertionSuccess();
    }

    // The selection of edit `id` as EM_GETSEL reports it: start and end.
    std::pair<int, int> Selection(std::string_view id) const {
        const auto packed = static_cast<DWORD>(SendMessageA(Control(id), EM_GETSEL, 0, 0));
        return {LOWORD(packed), HIWORD(packed)};
    }
};

const Fields kLetterA{"A", "65", "41", "100 0001", ""};
const Fields kCode10{"", "10", "a", " 1010", "J"};
const Fields kEmpty{"", "", "", "", ""};

struct TypingCase {
    const char* name;
    const char* field;
    const char* keys;
    Fields after;
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name;
}

class CharTyping : public CharPanelTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(CharTyping, FillsTheOtherFields) {
    const TypingCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(Replace(c.field, c.keys));
    EXPECT_TRUE(PanelShows(c.after));
    ExpectNoErrorBox();
}

INSTANTIATE_TEST_SUITE_P(Panel, CharTyping,
                         ::testing::Values(TypingCase{"LetterInAscii", "editAscii", "A", kLetterA},
                                           TypingCase{"CodeInDec", "editDec", "65", kLetterA},
                                           TypingCase{"CodeInHex", "editHex", "41", kLetterA},
                                           TypingCase{"LowerCaseLetterInCtrl", "editControl", "j",
                                                      kCode10},
                                           // "g" counts 16 and is rewritten as "10" at once.
                                           TypingCase{"BeyondTheHexDigitsInHex", "editHex", "g",
                                                      Fields{"", "16", "10", "1 0000", "P"}},
                                           TypingCase{"BeyondOneByteInDec", "editDec", "256",
                                                      Fields{"", "256", "100", "1 0000 0000", ""}}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

using CharPanel = CharPanelTest;

TEST_F(CharPanel, ShiftFInHexEntersLowerCase) {
    ASSERT_TRUE(FocusControl(Control("editHex")));
    PressChord(VK_SHIFT, 'F');
    EXPECT_TRUE(PanelShows(Fields{"", "15", "f", " 1111", "O"}));
    ExpectNoErrorBox();
}

// A letter with Alt belongs to the window, not to Hex: it enters nothing, and the next key types
// its own character, not the letter's lower case.
TEST_F(CharPanel, AltLetterInHexLeavesTheNextKeyItsOwnCharacter) {
    ASSERT_TRUE(FocusControl(Control("editHex")));
    PressChord(VK_MENU, 'F');
    TypeText("1");
    EXPECT_TRUE(PanelShows(Fields{"", "1", "1", "1", "A"}));
    ExpectNoErrorBox();
}

// A key passes Hex by the character it types: Shift with a digit key types punctuation, which is
// refused, whether Hex is empty or holds one digit, and the release of Shift changes nothing.
TEST_F(CharPanel, ShiftWithADigitKeyTypesNothingIntoHex) {
    ASSERT_TRUE(FocusControl(Control("editHex")));
    PressChord(VK_SHIFT, '1');
    PressChord(VK_SHIFT, '6');
    TypeText("5");
    const Fields code5{"", "5", "5", "101", "E"};
    ASSERT_TRUE(PanelShows(code5)) << "Shift+1 or Shift+6 entered an empty Hex";
    PressChord(VK_SHIFT, '1');
    PressChord(VK_SHIFT, '6');
    TypeText("0");  // a last key whose result shows that every key before it has been taken
    EXPECT_TRUE(PanelShows(Fields{"P", "80", "50", "101 0000", ""}))
        << "Shift+1 or Shift+6 entered a Hex of one digit";
    ExpectNoErrorBox();
}

TEST_F(CharPanel, CodePageCharactersEnterAsTheirOwnByte) {
    for (const CodePageCharacter& c : kCp1252High) {
        SCOPED_TRACE(c.dec);
        ASSERT_TRUE(FocusControl(Control("editAscii")));
        TypeCharacter(c.character);
        EXPECT_TRUE(PanelShows(Fields{c.ascii, c.dec, c.hex, c.binary, ""}));
    }
    for (const CodePageCharacter& c : kCp1252High) {
        SCOPED_TRACE(c.dec);
        ASSERT_NO_FATAL_FAILURE(Type("editControl", "j"));
        ASSERT_TRUE(PanelShows(kCode10));
        TypeCharacter(c.character);  // refused: Ctrl takes only the codes 64 to 95
        EXPECT_TRUE(PanelShows(kEmpty));
    }
    ExpectNoErrorBox();
}

TEST_F(CharPanel, HexOfTwoCharactersRefusesDeleteAndArrows) {
    ASSERT_NO_FATAL_FAILURE(Replace("editHex", "41"));
    ASSERT_TRUE(PanelShows(kLetterA));
    // The caret between the two characters.
    SendMessageA(Control("editHex"), EM_SETSEL, 1, 1);
    ASSERT_EQ(Selection("editHex"), (std::pair<int, int>{1, 1}));

    // None of these may act: Delete would take the "1", each of the moves would carry the caret
    // away from the middle (End last, so no two moves can cancel out).
    PressKey(VK_DELETE);
    PressKey(VK_LEFT);
    PressKey(VK_HOME);
    PressKey(VK_END);
    // Backspace passes and takes the character before the caret: "4" while the caret is still in
    // the middle, so only "1" is left, which is code 1.
    PressKey(VK_BACK);
    EXPECT_TRUE(PanelShows(Fields{"", "1", "1", "1", "A"}))
        << "a refused key edited Hex or moved its caret";
    EXPECT_EQ(Selection("editHex"), (std::pair<int, int>{0, 0}));
    ExpectNoErrorBox();
}

TEST_F(CharPanel, BackspaceInCtrlEmptiesThePanel) {
    ASSERT_NO_FATAL_FAILURE(Type("editControl", "j"));
    ASSERT_TRUE(PanelShows(kCode10));
    PressKey(VK_BACK);
    EXPECT_TRUE(PanelShows(kEmpty));
    ExpectNoErrorBox();
}

TEST_F(CharPanel, CharacterOfCode200TypedInAscii) {
    ASSERT_TRUE(FocusControl(Control("editAscii")));
    TypeCharacter(L'\u00C8');  // code 200 in the Western code page 1252
    EXPECT_TRUE(PanelShows(Fields{"\xC8", "200", "c8", " 1100 1000", ""}));
    ExpectNoErrorBox();
}

TEST_F(CharPanel, PastingIntoAsciiKeepsTheLastCharacter) {
    ASSERT_NO_FATAL_FAILURE(Replace("editAscii", "A"));
    ASSERT_TRUE(PanelShows(kLetterA));
    ASSERT_TRUE(PutTextOnClipboard("xyz"));
    PressChord(VK_CONTROL, 'V');
    EXPECT_TRUE(PanelShows(Fields{"z", "122", "7a", "111 1010", ""}));
    ExpectNoErrorBox();
}

TEST_F(CharPanel, TabbingOnFromAsciiIntoCtrlEmptiesThePanel) {
    ASSERT_NO_FATAL_FAILURE(Replace("editAscii", "A"));
    ASSERT_TRUE(PanelShows(kLetterA));
    const std::vector<std::string> order = {"editDec", "editHex", "editControl"};
    for (const std::string& id : order) {
        SCOPED_TRACE("tabbed into " + id);
        PressKey(VK_TAB);
        const HWND field = Control(id);
        ASSERT_TRUE(WaitUntil([&] { return FocusedWindowOf(program().Main()) == field; }));
        // Dec and Hex recompute the same values; the empty Ctrl empties everything.
        EXPECT_TRUE(PanelShows(id == "editControl" ? kEmpty : kLetterA));
    }
    ExpectNoErrorBox();
}

TEST_F(CharPanel, DecBeyondTheIntegerRangeIsReportedAndChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(Replace("editDec", "2147483648"));
    // Its last key release raises the error; the one before converted 214748364.
    ASSERT_NO_FATAL_FAILURE(ExpectErrorAndDismiss("'2147483648' is not a valid integer value."));
    EXPECT_TRUE(
        PanelShows(Fields{"", "2147483648", "ccccccc", " 1100 1100 1100 1100 1100 1100 1100", ""}));
    // The focus comes back as the box returns, a moment after the box has gone.
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindowOf(program().Main()) == Control("editDec"); }));

    // The panel goes on working.
    ASSERT_NO_FATAL_FAILURE(Replace("editDec", "2147483647"));
    EXPECT_TRUE(PanelShows(
        Fields{"", "2147483647", "7fffffff", "111 1111 1111 1111 1111 1111 1111 1111", ""}));
    ExpectNoErrorBox();
}

}  // namespace
}  // namespace e2e
