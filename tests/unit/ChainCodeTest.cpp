#include <gtest/gtest.h>

#include <string>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;
constexpr Dialects U = Dialects::Universe;
constexpr Dialects P = Dialects::Pick;

// Chains, and the bulk rule over the new codes.
TEST(ChainCode, WorkedExamples) {
    ExpectRows({
        {403, B, std::string("MD2") + kVM + "G0.1", 'O', "98765", "987", 0},
        {404, B, std::string("G1/1") + kVM + "MD2", 'O', "x/31415", "314.15", 0},
        {405, B, std::string("T1,3") + kVM + "MCU", 'O', "quorlin", "QUO", 0},
        {406, B, std::string("MC/A") + kVM + "MD2", 'I', "USD42.50", "4250", 0},
        {407, B, std::string("MD2") + kVM + "MC/A", 'I', "USD42.50", "", 1},
        {408, B, std::string("MD2") + kVM + "XYZ", 'O', "4250", "4250", 2},
        {409, B, std::string("G0.1") + kVM + "MD2", 'O', "abc.5", "abc.5", 1},
        {410, U, std::string("NR") + kVM + "MCU", 'O', "12.5", "XII", 3},
        {411, B, std::string("MCU") + kVM + kVM + "MCL", 'O', "abc", "abc", 2},
        {412, B, std::string("MCT") + kVM + "T1,3", 'O',
         std::string("hello world") + kVM + "bye now", std::string("Hel") + kVM + "Bye", 0},
        {413, B, std::string("MCU") + kVM + "MX0C", 'O', std::string("a") + kVM + "b", "41FD42", 0},
        {414, B, std::string("D") + kVM + "MCL", 'O', "21527", "08 dec 2026", 0},
        {415, P, std::string("MCC;-;") + kVM + "MD0,", 'O', "1-234-567", "1,234,567", 0},
        {416, U, std::string("MCC;-;") + kVM + "MD0,", 'O', "1-234-567", "1-234-567", 2},
        {417, B, "MD2", 'O', std::string("4250") + kVM + "-7" + kSM + "x",
         std::string("42.50") + kVM + "-0.07" + kSM + "x", 1},
        {418, B, "MD2", 'I', std::string("42.50") + kVM + "abc" + kSM,
         std::string("4250") + kVM + kSM, 1},
        {419, B, "MCU", 'O', std::string("a") + kAM + "b" + kTM + "c",
         std::string("A") + kAM + "B" + kTM + "C", 0},
        {420, B, "L", 'O', std::string("ab") + kVM + "cde", std::string("2") + kVM + "3", 0},
        {421, B, "R1,9", 'O', std::string("5") + kVM + "50" + kVM + "x",
         std::string("5") + kVM + kVM + "x", 1},
    });
}

// Cases the examples do not reach; rows are numbered from 1001.
TEST(ChainCode, BulkRuleAndStatus) {
    ExpectRows({
        // Each piece goes through the whole chain; a piece that fails keeps its own text.
        {1001, B, "G1.1" + kVM + "MCU", 'O', "a.b" + kVM + kVM + "c.d", "B" + kVM + kVM + "D", 0},
        {1002, U, "MCN" + kVM + "NR", 'O', "x12" + kSM + "y0", "xii" + kSM + "y0", 1},
        {1003, U, "MCL" + kVM + "NR", 'I', "XII" + kSM + "IIII", "12" + kSM, 1},
        // With a character code no value is split: every member converts the whole value, a
        // code of the bulk rule converting its pieces as it would alone; a member that fails
        // gives back the whole value.
        {1004, B, "G0.1" + kVM + "MX0C", 'O', "a.b" + kVM + "c", "61FD63", 0},
        {1005, U, "NR" + kVM + "MX0C", 'O', "2" + kVM + "x", "2" + kVM + "x", 1},
        // Codes that are invalid alone are invalid in a chain.
        {1006, U, "MCU" + kVM + "MCB", 'O', "a", "a", 2},
        {1007, B, kVM + "MCU", 'I', "a", "", 2},
    });
}

TEST(ChainCode, ErrorPositionInTheWholeCode) {
    ExpectInvalid({
        {("MCU" + kVM + "G0-0").c_str(), Dialect::Universe, 7,
         "the count of fields must be at least 1"},
        {("MCU" + kVM + kVM + "MCL").c_str(), Dialect::Universe, 4, "an empty code in a chain"},
        {("MCU" + kVM).c_str(), Dialect::Pick, 4, "an empty code in a chain"},
        {("L" + kVM + "MCP" + kAM).c_str(), Dialect::Pick, 5, "a mark cannot be part of a code"},
    });
}

// In utf8 mode the value mark is U+F8FD, in the code as in the value.
TEST(ChainCode, Utf8Chain) {
    const std::string vm = "\xEF\xA3\xBD";
    const CodeOptions utf8 = ExampleOptions(Dialect::Pick, false, Encoding::Utf8);
    const ConversionCode code = ConversionCode::Parse("T2" + vm + "MCU", utf8);
    std::string out;
    EXPECT_EQ(code.Oconv("\xC3\xA9t\xC3\xA9" + vm + "abc", out), kStatusConverted);
    EXPECT_EQ(out, "\xC3\xA9T" + vm + "AB");
    const ConversionCode broken = ConversionCode::Parse("T2" + vm + vm + "MCU", utf8);
    EXPECT_EQ(broken.ErrorPosition(), 5u);
}

}  // namespace
