#include "convert/CharPanel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "base/Exception.h"

// Readable failure messages.
void PrintTo(const CharPanelTexts& t, std::ostream* os) {
    *os << "{Ascii \"" << t.Ascii << "\", Dec \"" << t.Dec << "\", Hex \"" << t.Hex
        << "\", Binary \"" << t.Binary << "\", Ctrl \"" << t.Ctrl << "\"}";
}
void PrintTo(CharField f, std::ostream* os) {
    const char* names[] = {"Ascii", "Dec", "Hex", "Binary", "Ctrl"};
    *os << names[static_cast<int>(f)];
}

namespace {

using enum CharField;
using Conversion = CharPanelResult (*)(const CharPanelTexts&);

CharPanelTexts Texts(std::string ascii, std::string dec, std::string hex, std::string binary,
                     std::string ctrl) {
    return {std::move(ascii), std::move(dec), std::move(hex), std::move(binary), std::move(ctrl)};
}

const CharPanelTexts kEmpty{};
// Every field holds something, so an operation that forgets a write shows it.
const CharPanelTexts kStale = Texts("s", "1", "1", "1", "A");

struct WorkedExample {
    const char* entry;
    Conversion conversion;
    CharPanelTexts before;
    CharPanelTexts after;
};

// The panel after the release of the key that completed each entry, starting from a full panel
// whose texts the conversion must overwrite.
TEST(CharPanel, WorkedExamples) {
    const std::string c200(1, '\xC8');
    const WorkedExample examples[] = {
        {"A typed in Ascii", FromAscii, Texts("A", "", "", "", "A"),
         Texts("A", "65", "41", "100 0001", "")},
        {"65 in Dec", FromDec, Texts("s", "65", "1", "1", "A"),
         Texts("A", "65", "41", "100 0001", "")},
        {"41 in Hex", FromHex, Texts("s", "1", "41", "1", "A"),
         Texts("A", "65", "41", "100 0001", "")},
        {"10 in Dec", FromDec, Texts("s", "10", "1", "1", "A"), Texts("", "10", "a", " 1010", "J")},
        {"J in Ctrl", FromControl, Texts("s", "1", "1", "1", "J"),
         Texts("", "10", "a", " 1010", "J")},
        {"200 in Dec", FromDec, Texts("s", "200", "1", "1", "A"),
         Texts("", "200", "c8", " 1100 1000", "")},
        {"code 200 in Ascii", FromAscii, Texts(c200, "1", "1", "1", "A"),
         Texts(c200, "200", "c8", " 1100 1000", "")},
        {"0 in Dec", FromDec, Texts("s", "0", "1", "1", "A"), Texts("", "0", "0", "", "@")},
        {"32 in Dec", FromDec, Texts("s", "32", "1", "1", "A"),
         Texts(" ", "32", "20", "10 0000", "")},
        {"256 in Dec", FromDec, Texts("s", "256", "1", "1", "A"),
         Texts("", "256", "100", "1 0000 0000", "")},
        {"g in Hex", FromHex, Texts("s", "1", "g", "1", "A"), Texts("", "16", "10", "1 0000", "P")},
        {"zz in Hex", FromHex, Texts("s", "1", "zz", "1", "A"),
         Texts("", "595", "253", "10 0101 0011", "")},
        {"_ in Ctrl", FromControl, Texts("s", "1", "1", "1", "_"),
         Texts("", "31", "1f", "1 1111", "_")},
        {"xyz pasted in Ascii", FromAscii, Texts("xyz", "1", "1", "1", "A"),
         Texts("z", "122", "7a", "111 1010", "")},
        {"127 in Dec", FromDec, Texts("s", "127", "1", "1", "A"),
         Texts("\x7F", "127", "7f", "111 1111", "")},
        {"0065 in Dec stays as typed", FromDec, Texts("s", "0065", "1", "1", "A"),
         Texts("A", "0065", "41", "100 0001", "")},
        {"2147483647 in Dec", FromDec, Texts("s", "2147483647", "1", "1", "A"),
         Texts("", "2147483647", "7fffffff", "111 1111 1111 1111 1111 1111 1111 1111", "")},
        {"-5 pasted in Dec", FromDec, Texts("s", "-5", "1", "1", "A"),
         Texts("", "-5", "fffffffb", "", ";")},
        {"0a in Hex is rewritten", FromHex, Texts("s", "1", "0a", "1", "A"),
         Texts("", "10", "a", " 1010", "J")},
        {"only two Hex characters count", FromHex, Texts("s", "1", "4142", "1", "A"),
         Texts("A", "65", "41", "100 0001", "")},
        {"only the first Ctrl character counts", FromControl, Texts("s", "1", "1", "1", "JK"),
         Texts("", "10", "a", " 1010", "JK")},
        {"Ascii emptied by a key that types nothing", FromAscii, Texts("", "65", "41", "1", "A"),
         kEmpty},
        {"Dec emptied", FromDec, Texts("A", "", "41", "100 0001", ""), kEmpty},
        {"Hex emptied", FromHex, Texts("A", "65", "", "100 0001", ""), kEmpty},
        {"Ctrl emptied", FromControl, Texts("", "10", "a", " 1010", ""), kEmpty},
        // Pasted bytes outside the hex digits follow the same digit arithmetic.
        {"blank pasted in Hex", FromHex, Texts("s", "1", " ", "1", "A"),
         Texts("", "-16", "fffffff0", "", "0")},
        {"code 255 twice pasted in Hex", FromHex, Texts("s", "1", "\xFF\xFF", "1", "A"),
         Texts("", "2856", "b28", " 1011 0010 1000", "")},
        {"code 200 pasted in Ctrl", FromControl, Texts("s", "1", "1", "1", c200),
         Texts("", "136", "88", " 1000 1000", c200)},
        {"! pasted in Ctrl", FromControl, Texts("s", "1", "1", "1", "!"),
         Texts("", "-31", "ffffffe1", "", "!")},
    };
    for (const auto& example : examples) {
        EXPECT_EQ(example.conversion(example.before).texts, example.after) << example.entry;
    }
}

struct WriteOrder {
    const char* entry;
    Conversion conversion;
    CharPanelTexts before;
    std::vector<CharField> written;
};

// The window writes back exactly these fields in this order.
TEST(CharPanel, WritesOnlyItsFieldsInOrder) {
    const std::vector<CharField> all{cfAscii, cfDec, cfHex, cfBinary, cfCtrl};
    const WriteOrder cases[] = {
        {"Ascii one character",
         FromAscii,
         Texts("A", "", "", "", ""),
         {cfCtrl, cfDec, cfHex, cfBinary}},
        {"Ascii cut",
         FromAscii,
         Texts("xyz", "", "", "", ""),
         {cfCtrl, cfAscii, cfDec, cfHex, cfBinary}},
        {"Ascii empty", FromAscii, kEmpty, {cfCtrl, cfDec, cfHex, cfBinary}},
        {"Dec below 32", FromDec, Texts("", "10", "", "", ""), {cfCtrl, cfAscii, cfHex, cfBinary}},
        {"Dec 32..127", FromDec, Texts("", "65", "", "", ""), {cfAscii, cfCtrl, cfHex, cfBinary}},
        {"Dec above 127",
         FromDec,
         Texts("", "200", "", "", ""),
         {cfAscii, cfCtrl, cfHex, cfBinary}},
        {"Dec empty", FromDec, Texts("A", "", "41", "1", ""), all},
        {"Hex below 32",
         FromHex,
         Texts("", "", "g", "", ""),
         {cfDec, cfCtrl, cfAscii, cfHex, cfBinary}},
        {"Hex from 32",
         FromHex,
         Texts("", "", "c8", "", ""),
         {cfDec, cfAscii, cfCtrl, cfHex, cfBinary}},
        {"Hex empty", FromHex, Texts("A", "65", "", "1", ""), all},
        {"Ctrl", FromControl, Texts("", "", "", "", "J"), {cfDec, cfAscii, cfHex, cfBinary}},
        {"Ctrl empty", FromControl, Texts("A", "65", "41", "1", ""), all},
        {"Ascii key down", AsciiKeyDown, kStale, {cfAscii}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.conversion(c.before).written, c.written) << c.entry;
    }
}

TEST(CharPanel, DecBeyondIntegerRangeWritesNothing) {
    try {
        FromDec(Texts("A", "2147483648", "41", "100 0001", ""));
        FAIL() << "no error raised";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'2147483648' is not a valid integer value");
    }
}

// After "A" in Ascii, Tab moves through Dec and Hex (each recomputes the same panel) into the
// empty Ctrl, whose release empties the whole panel.
TEST(CharPanel, TabbingThroughAfterAsciiEmptiesThePanel) {
    CharPanelTexts texts = FromAscii(AsciiKeyDown(kStale).texts).texts;
    texts.Ascii = "A";
    texts = FromAscii(texts).texts;
    const CharPanelTexts afterA = texts;
    texts = FromDec(texts).texts;
    EXPECT_EQ(texts, afterA);
    texts = FromHex(texts).texts;
    EXPECT_EQ(texts, afterA);
    EXPECT_EQ(FromControl(texts).texts, kEmpty);
}

// Typing 0 and then A in Hex: the letter enters in lower case and "0a" is rewritten as "a".
TEST(CharPanel, ZeroThenLetterInHex) {
    CharPanelTexts texts = FromHex(Texts("", "", "0", "", "")).texts;
    EXPECT_EQ(texts, Texts("", "0", "0", "", "@"));
    const KeyVerdict verdict = FilterHexKey({kVkA, 'A'}, texts.Hex);
    ASSERT_EQ(verdict.kind, KeyVerdictKind::kvReplace);
    texts.Hex += verdict.replacement;
    EXPECT_EQ(FromHex(texts).texts, Texts("", "10", "a", " 1010", "J"));
}

TEST(CharPanel, AsciiKeyDownEmptiesOnlyAscii) {
    EXPECT_EQ(AsciiKeyDown(kStale).texts, Texts("", "1", "1", "1", "A"));
}

TEST(CharPanel, BinaryText) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, ""},
        {1, "1"},
        {10, " 1010"},
        {15, " 1111"},
        {16, "1 0000"},
        {65, "100 0001"},
        {255, " 1111 1111"},
        {256, "1 0000 0000"},
        {65535, " 1111 1111 1111 1111"},
        {std::numeric_limits<std::int32_t>::max(), "111 1111 1111 1111 1111 1111 1111 1111"},
        {-1, ""},
        {std::numeric_limits<std::int32_t>::min(), ""},
    };
    for (const auto& [v, text] : cases) {
        EXPECT_EQ(BinaryText(v), text) << v;
    }
}

TEST(CharPanel, ControlLetter) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "@"},      {1, "A"},   {10, "J"},
        {15, "O"},     {16, "P"},  {26, "Z"},
        {27, "["},     {28, "\\"}, {29, "]"},
        {30, "^"},     {31, "_"},  {191, "\xFF"},
        {192, ""},  // code 0
        {255, "?"},    {256, "@"}, {std::numeric_limits<std::int32_t>::max(), "?"},
        {-1, "?"},     {-5, ";"},  {-64, ""},
        {-65, "\xFF"}, {-320, ""}, {std::numeric_limits<std::int32_t>::min(), "@"},
    };
    for (const auto& [v, text] : cases) {
        EXPECT_EQ(ControlLetter(v), text) << v;
    }
}

TEST(CharPanel, FilterDecKeyPassesBackspaceAndDigitsOnly) {
    for (int code = 0; code < 256; ++code) {
        const bool passes = code == 8 || (code >= '0' && code <= '9');
        const KeyVerdict verdict = FilterDecKey(static_cast<char>(code));
        EXPECT_EQ(verdict.kind, passes ? KeyVerdictKind::kvPass : KeyVerdictKind::kvRefuse) << code;
    }
}

// A key and the character it types, as Hex's key rule gets them.
struct HexKeyCase {
    KeyDownArgs key;
    KeyVerdict belowTwo;  // the verdict while Hex holds fewer than two characters
};

TEST(CharPanel, FilterHexKeyDecidesByKeyAndTypedCharacter) {
    constexpr KeyVerdict kPass{KeyVerdictKind::kvPass};
    constexpr KeyVerdict kRefuse{KeyVerdictKind::kvRefuse};
    const HexKeyCase cases[] = {
        {{kVkBack, '\b'}, kPass},
        {{kVk0, '0'}, kPass},
        {{kVk9, '9'}, kPass},
        {{0x65, '5'}, kPass},        // the key pad's 5 types a digit too
        {{kVk0 + 1, '!'}, kRefuse},  // Shift+1 types punctuation, which is no hex digit
        {{kVk0 + 6, '^'}, kRefuse},
        {{kVkA, 'A'}, {KeyVerdictKind::kvReplace, 'a'}},
        {{kVkA + 5, 'f'}, {KeyVerdictKind::kvReplace, 'f'}},
        {{kVkZ, 'Z'}, {KeyVerdictKind::kvReplace, 'z'}},
        {{kVkA + 21, '\x16'}, {KeyVerdictKind::kvReplace, 'v'}},  // Ctrl+V keeps pasting
        {{kVkSpace, ' '}, kRefuse},
        {{0xBD, '-'}, kRefuse},
        {{kVkDelete, 0}, kRefuse},
        {{kVkLeft, 0}, kRefuse},
        {{kVkHome, 0}, kRefuse},
        {{kVkEnd, 0}, kRefuse},
        {{kVkShift, 0}, kRefuse},
    };
    for (const HexKeyCase& c : cases) {
        for (const std::string hex : {"", "7"}) {
            EXPECT_EQ(FilterHexKey(c.key, hex), c.belowTwo)
                << "key " << c.key.key << " typing " << int{c.key.typedChar} << " with Hex " << hex;
        }
        for (const std::string hex : {"ab", "abc"}) {
            EXPECT_EQ(FilterHexKey(c.key, hex).kind,
                      c.key.key == kVkBack ? KeyVerdictKind::kvPass : KeyVerdictKind::kvRefuse)
                << "key " << c.key.key << " with Hex " << hex;
        }
    }
}

TEST(CharPanel, FilterControlKeyEmptiesCtrlAndUpperCases) {
    constexpr KeyVerdict kPass{KeyVerdictKind::kvPass};
    constexpr KeyVerdict kRefuse{KeyVerdictKind::kvRefuse};
    const std::pair<char, KeyVerdict> cases[] = {
        {'a', {KeyVerdictKind::kvReplace, 'A'}},
        {'j', {KeyVerdictKind::kvReplace, 'J'}},
        {'z', {KeyVerdictKind::kvReplace, 'Z'}},
        {'@', kPass},  // code 64, the first that passes
        {'A', kPass},
        {'Z', kPass},
        {'[', kPass},
        {'_', kPass},    // code 95, the last
        {'?', kRefuse},  // code 63
        {'`', kRefuse},  // code 96
        {'{', kRefuse},
        {'1', kRefuse},
        {' ', kRefuse},
        {'\b', kRefuse},
        {'\x01', kRefuse},
        {'\xC1', kRefuse},
        {'\xE1', kRefuse},  // neither upper-cased nor passed
    };
    for (const auto& [key, expected] : cases) {
        const CharKeyResult result = FilterControlKey(key, kStale);
        EXPECT_EQ(result.verdict, expected) << int{static_cast<unsigned char>(key)};
        EXPECT_EQ(result.panel.texts, Texts("s", "1", "1", "1", ""));
        EXPECT_EQ(result.panel.written, std::vector<CharField>{cfCtrl});
    }
}

// "j" in Ctrl enters as "J"; "1" and Backspace only empty the field, so the release empties all.
TEST(CharPanel, TypingInCtrl) {
    const CharKeyResult j = FilterControlKey('j', Texts("", "", "", "", "J"));
    ASSERT_EQ(j.verdict, (KeyVerdict{KeyVerdictKind::kvReplace, 'J'}));
    CharPanelTexts texts = j.panel.texts;
    texts.Ctrl += j.verdict.replacement;
    EXPECT_EQ(FromControl(texts).texts, Texts("", "10", "a", " 1010", "J"));
    for (char key : {'1', '\b'}) {
        const CharKeyResult refused = FilterControlKey(key, FromControl(texts).texts);
        EXPECT_EQ(refused.verdict.kind, KeyVerdictKind::kvRefuse);
        EXPECT_EQ(FromControl(refused.panel.texts).texts, kEmpty);
    }
}

// The panel over a view writes back what a rule wrote, in the rule's order, and hands the key
// rule's verdict to the key.
class RecordingCharView : public CharPanelView {
  public:
    CharPanelTexts texts;
    std::vector<CharField> writes;
    std::string Text(CharField field) const override { return FieldText(texts, field); }
    void SetText(CharField field, const std::string& text) override {
        writes.push_back(field);
        FieldText(texts, field) = text;
    }
};

TEST(CharPanel, OverAViewWritesWhatTheRuleWroteInItsOrder) {
    RecordingCharView view;
    CharPanel panel(view);
    view.texts = Texts("", "", "41", "", "x");
    panel.editHexKeyUp();
    EXPECT_EQ(view.texts, Texts("A", "65", "41", "100 0001", ""));
    EXPECT_EQ(view.writes, (std::vector<CharField>{cfDec, cfAscii, cfCtrl, cfHex, cfBinary}));

    view.writes.clear();
    char key = 'j';
    panel.editControlKeyPress(key);
    EXPECT_EQ(key, 'J');
    EXPECT_EQ(view.writes, std::vector<CharField>{cfCtrl});

    KeyDownArgs shiftOne{kVk0 + 1, '!'};
    view.texts.Hex = "";
    panel.editHexKeyDown(shiftOne);
    EXPECT_EQ(shiftOne.key, 0);
}

}  // namespace
