#include <gtest/gtest.h>

#include <string>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;
constexpr Dialects U = Dialects::Universe;
constexpr Dialects P = Dialects::Pick;

// The MC character codes and the Roman numerals (pick MCDR/MCRD, universe NR).
TEST(TextCode, WorkedExamples) {
    ExpectRows({
        {278, B, "MCU", 'O', "Mixed Case 9x", "MIXED CASE 9X", 0},
        {279, B, "MCL", 'O', "Mixed Case 9X", "mixed case 9x", 0},
        {280, B, "MCU", 'I', "abc", "ABC", 0},
        {281, U, "MCT", 'O', "o'brien-smith jr", "O'brien-smith Jr", 0},
        {282, P, "MCT", 'O', "o'brien-smith jr", "O'Brien-Smith Jr", 0},
        {283, U, "MCT", 'O', "3rd FLOOR", "3rd Floor", 0},
        {284, P, "MCT", 'O', "3rd FLOOR", "3Rd Floor", 0},
        {285, B, "MCT", 'O', " leading", " Leading", 0},
        {286, B, "MCT", 'I', "mIXED", "Mixed", 0},
        {287, B, "MCL", 'I', "XyZ", "xyz", 0},
        {288, B, "MCA", 'I', "Tel: +44 20", "Tel", 0},
        {289, B, "MC/A", 'I', "Tel: +44 20", ": +44 20", 0},
        {290, B, "MCN", 'I', "Tel: +44 20", "4420", 0},
        {291, B, "MC/N", 'I', "Tel: +44 20", "Tel: + ", 0},
        {292, P, "MCB", 'I', "Tel: +44 20", "Tel4420", 0},
        {293, P, "MC/B", 'I', "Tel: +44 20", ": + ", 0},
        {294, U, "MCAN", 'I', "Tel: +44 20", "Tel4420", 0},
        {295, B, "MCP", 'I',
         "a"
         "\x07"
         "b",
         "a.b", 0},
        {296, P, "MCC;ab;X", 'I', "abcabd", "XcXd", 0},
        {297, B, "MCA", 'O', "Tel: +44 20", "Tel", 0},
        {298, B, "MC/A", 'O', "Tel: +44 20", ": +44 20", 0},
        {299, B, "MCN", 'O', "Tel: +44 20", "4420", 0},
        {300, B, "MC/N", 'O', "Tel: +44 20", "Tel: + ", 0},
        {301, P, "MCB", 'O', "Tel: +44 20", "Tel4420", 0},
        {302, P, "MC/B", 'O', "Tel: +44 20", ": + ", 0},
        {303, U, "MCB", 'O', "Tel: +44 20", "Tel: +44 20", 2},
        {304, U, "MCAN", 'O', "Tel: +44 20", "Tel4420", 0},
        {305, U, "MC/AN", 'O', "Tel: +44 20", ": + ", 0},
        {306, P, "MCAN", 'O', "Tel: +44 20", "Tel: +44 20", 2},
        {307, B, "MCN", 'O', "", "", 0},
        {308, B, "MCP", 'O',
         "a"
         "\x07"
         "b",
         "a.b", 0},
        {309, B, "MCP~", 'O',
         "a"
         "\x07"
         "b"
         "\x80",
         "a~b~", 0},
        {310, B, "MCP", 'O', std::string("a") + kVM + "b", std::string("a") + kVM + "b", 0},
        {311, P, "MCC;ab;X", 'O', "abcabd", "XcXd", 0},
        {312, P, "MCC;ab;", 'O', "abcabd", "cd", 0},
        {313, P, "MCC;aa;b", 'O', "aaa", "ba", 0},
        {314, P, "MCC;Ab;xy", 'O', "ab Ab AB", "ab xy AB", 0},
        {315, P, "MCC;;X", 'O', "abc", "abc", 2},
        {316, U, "MCC;a;b", 'O', "abc", "abc", 2},
        {317, B, "MCZ", 'O', "abc", "abc", 2},
        {318, P, "MCDR", 'O', "2024", "MMXXIV", 0},
        {319, P, "MCDR", 'O', "00", "00", 1},
        {320, P, "MCDR", 'O', "4000", "4000", 1},
        {321, P, "MCDR", 'O', "12.9", "XII", 3},
        {322, P, "MCRD", 'O', "mmxxiv", "2024", 0},
        {323, P, "MCR", 'O', "MMXXIV", "2024", 0},
        {324, P, "MCRD", 'O', "IIII", "IIII", 1},
        {325, P, "MCDR", 'I', "MMXXIV", "2024", 0},
        {326, P, "MCRD", 'I', "2024", "MMXXIV", 0},
        {327, U, "MCDR", 'O', "2024", "2024", 2},
        {328, U, "NR", 'O', "2024", "mmxxiv", 0},
        {329, U, "NR", 'O', "4000", "mV", 0},
        {330, U, "NR", 'O', "9999", "mXcmxcix", 0},
        {331, U, "NR", 'O', "3999999", "MMMCMXCmXcmxcix", 0},
        {332, U, "NR", 'O', "4000000", "4000000", 1},
        {333, U, "NR", 'O', "00", "00", 1},
        {334, U, "NR", 'O', "xiv", "xiv", 1},
        {335, U, "NR", 'I', "mmxxiv", "2024", 0},
        {336, U, "NR", 'I', "MMXXIV", "", 1},
        {337, U, "NR", 'I', "mV", "4000", 0},
        {338, U, "NR", 'I', "iiii", "", 1},
        {339, P, "NR", 'O', "2024", "2024", 2},
    });
}

// Cases the examples do not reach; rows are numbered from 1001.
TEST(TextCode, GrammarAndBounds) {
    ExpectRows({
        // Spaces are data to the text codes, letters only are cased, and MCP's character is
        // used as written.
        {1001, U, "mct", 'O',
         "  ab  cD\xE9"
         "f ",
         "  Ab  Cd\xE9"
         "f ",
         0},
        {1001, P, "mct", 'O',
         "  ab  cD\xE9"
         "f ",
         "  Ab  Cd\xE9"
         "F ",
         0},
        {1002, B, "MCPx", 'O', " a\tb ", " axb ", 0},
        {1003, B, "MCPN", 'O', "a", "a", 2},
        {1004, B, "MCP~~", 'O', "a", "a", 2},
        {1005, B, "MCUX", 'O', "a", "a", 2},
        // MCC: the text replaced can be longer than the value, and nothing may follow y.
        {1006, P, "MCC;abc;X", 'O', "ab", "ab", 0},
        {1007, P, "MCC;a;b;c", 'O', "a", "a", 2},
        {1008, P, "MCC;a", 'O', "a", "a", 2},
        // Roman numerals: the bounds, and forms that are not the one written form.
        {1009, P, "MCDR", 'O', "3999", "MMMCMXCIX", 0},
        {1010, P, "MCDR", 'O', "-5", "-5", 1},
        {1011, P, "MCDR", 'I', "IC", "", 1},
        {1012, P, "MCDR", 'I', "MMMM", "", 1},
        {1013, P, "MCRD", 'O', " xlii ", "42", 0},
        {1014, P, "MCRD", 'O', std::string(40, 'M'), std::string(40, 'M'), 1},
        {1015, U, "NR", 'O', "1", "i", 0},
        {1016, U, "NR", 'I', "MMMCMXCmXcmxcix", "3999999", 0},
        {1017, U, "NR", 'I', "mmmm", "", 1},
        {1018, U, "NR", 'O', "99999999999999999999", "99999999999999999999", 1},
    });
}

// In utf8 mode a character that is not ASCII is one character, and not printable.
TEST(TextCode, PrintableInUtf8) {
    const ConversionCode code = ConversionCode::Parse(
        "MCP\xC2\xB7", ExampleOptions(Dialect::Universe, false, Encoding::Utf8));
    std::string out;
    EXPECT_EQ(code.Oconv("caf\xC3\xA9\x07\xFF!", out), kStatusConverted);
    // é and the byte 0x07 are one character each; the stray byte 0xFF counts as one too.
    EXPECT_EQ(out, "caf\xC2\xB7\xC2\xB7\xC2\xB7!");
}

TEST(TextCode, ErrorPositionAndReason) {
    ExpectInvalid({
        {"MCUX", Dialect::Universe, 3, "unexpected character after the code"},
        {"MCPn", Dialect::Pick, 3, "N cannot replace characters (MCPN shows hexadecimal)"},
        {"MCP\xFE", Dialect::Pick, 3, "a mark cannot be part of a code"},
        {"MCB", Dialect::Universe, 0, "not part of the universe dialect"},
        {"NR", Dialect::Pick, 0, "not part of the pick dialect"},
        {"MCC;;X", Dialect::Pick, 4, "the text to replace is empty"},
        {"MCC;a\xFC"
         "b;c",
         Dialect::Pick, 5, "a mark cannot be part of a code"},
        {"MCC;a;b;", Dialect::Pick, 7, "the replacement text may not hold ;"},
    });
}

}  // namespace
