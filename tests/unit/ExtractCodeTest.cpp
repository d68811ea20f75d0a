#include <gtest/gtest.h>

#include <string>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;
constexpr Dialects U = Dialects::Universe;
constexpr Dialects P = Dialects::Pick;

// G, T, L, R and P.
TEST(ExtractCode, WorkedExamples) {
    ExpectRows({
        {340, B, "G1-2", 'O', "2026-12-08", "12-08", 0},
        {341, B, "G-1", 'O', "2026-12-08", "2026", 0},
        {342, B, "G3-1", 'O', "2026-12-08", "", 0},
        {343, B, "G0-1", 'O', "20261208", "20261208", 0},
        {344, B, "G1-1", 'O', "20261208", "", 0},
        {345, B, "G2-5", 'O', "a-b-c", "c", 0},
        {346, B, "G0 1", 'O', "hello big world", "hello", 0},
        {347, B, "G1 2", 'O', "hello big world", "big world", 0},
        {348, B, "G0x1", 'O', "AxBxC", "A", 0},
        {349, B, "G0X1", 'O', "AxBxC", "AxBxC", 0},
        {350, B, "G0-0", 'O', "a-b", "a-b", 2},
        {351, B, "G01", 'O', "a-b", "a-b", 2},
        {352, B, "G1-1", 'I', "2026-12-08", "12", 0},
        {353, B, "G1-1", 'O', std::string("a-b") + kVM + "c-d", std::string("b") + kVM + "d", 0},
        {354, B, "T2,3", 'O', "quorlin", "uor", 0},
        {355, U, "T3", 'O', "quorlin", "lin", 0},
        {356, P, "T3", 'O', "quorlin", "quo", 0},
        {357, B, "T9,2", 'O', "quorlin", "", 0},
        {358, B, "T6,5", 'O', "quorlin", "in", 0},
        {359, B, "T10", 'O', "quorlin", "quorlin", 0},
        {360, B, "T0,2", 'O', "quorlin", "quorlin", 2},
        {361, B, "T2,3", 'I', "quorlin", "uor", 0},
        {362, B, "T;X;1;1", 'O', "quorlin", "quorlin", 2},
        {363, B, "L", 'O', "quorlin", "7", 0},
        {364, B, "L", 'O', " ab ", "4", 0},
        {365, B, "L5", 'O', "quorlin", "", 0},
        {366, B, "L7", 'O', "quorlin", "quorlin", 0},
        {367, B, "L3,5", 'O', "quo", "quo", 0},
        {368, B, "L3,5", 'O', "qu", "", 0},
        {369, B, "L0", 'O', "abc", "3", 0},
        {370, B, "L5,3", 'O', "abc", "abc", 2},
        {371, B, "L", 'O', "", "", 0},
        {372, B, "L2", 'I', "abc", "", 0},
        {373, B, "R1,99", 'O', "42", "42", 0},
        {374, B, "R1,99", 'O', "150", "", 0},
        {375, B, "R-5,-1", 'O', "-3", "-3", 0},
        {376, B, "R1,9;20,29", 'O', "25", "25", 0},
        {377, U, "R1,9/20,29", 'O', "25", "25", 0},
        {378, P, "R1,9/20,29", 'O', "25", "25", 2},
        {379, B, "R1,99", 'O', "42.75", "42.75", 0},
        {380, B, "R1,99", 'O', "99.01", "", 0},
        {381, B, "R1,99", 'O', "abc", "abc", 1},
        {382, B, "R1,99", 'I', "abc", "", 1},
        {383, B, "R99,1", 'O', "8", "8", 2},
        {384, B, "R", 'O', "8", "8", 2},
        {385, B, "R1,99", 'O', " 42 ", "42", 0},
        {386, B, "P(3N-2N)", 'O', "123-45", "123-45", 0},
        {387, B, "P(3N-2N)", 'O', "123-456", "", 0},
        {388, B, "P(2A0N)", 'O', "AB1234", "AB1234", 0},
        {389, B, "P(2A0N)", 'O', "QZ", "QZ", 0},
        {390, B, "P(2A0N)", 'O', "A1", "", 0},
        {391, B, "P(1A0X)", 'O', "Z!?", "Z!?", 0},
        {392, B, "P(3N);(3A)", 'O', "abc", "abc", 0},
        {393, B, "P(\"ID\"4N)", 'O', "ID0042", "ID0042", 0},
        {394, B, "P(\"ID\"4N)", 'O', "id0042", "", 0},
        {395, U, "P(3N)/(3A)", 'O', "xyz", "xyz", 0},
        {396, P, "P#(3N)", 'O', "789", "", 0},
        {397, P, "P#(3N)", 'O', "12a", "12a", 0},
        {398, P, "P(2C)", 'O', "a1", "a1", 0},
        {399, U, "P(2C)", 'O', "a1", "a1", 2},
        {400, B, "P(3N", 'O', "789", "789", 2},
        {401, B, "P(3N)", 'I', "789", "789", 0},
        {402, B, "P(0N)", 'O', "", "", 0},
    });
}

// Cases the examples do not reach; rows are numbered from 1001.
TEST(ExtractCode, GrammarAndBounds) {
    ExpectRows({
        // G: a delimiter of two adjacent fields, counts past every field, counts too long for
        // any number (they mean "more than there are").
        {1001, B, "G1-2", 'O', "a--b-c", "-b", 0},
        {1002, B, "G2 9", 'O', " a b c", "b c", 0},
        {1003, B, "G0-99999999999999999999999", 'O', "a-b", "a-b", 0},
        {1004, B, "G99999999999999999999999-1", 'O', "a-b", "", 0},
        {1005, B, "G-1*1", 'O', "a", "a", 2},
        // T and L with counts past any length.
        {1006, B, "T99999999999999999999999,2", 'O', "abc", "", 0},
        {1007, U, "T99999999999999999999999", 'O', "abc", "abc", 0},
        {1008, B, "L99999999999999999999999", 'O', "abc", "abc", 0},
        {1009, B, "L99999999999999999999998,99999999999999999999999", 'O', "abc", "", 0},
        {1010, B, "L99999999999999999999999,99999999999999999999998", 'O', "abc", "abc", 2},
        {1011, B, "L3,", 'O', "abc", "abc", 2},
        // R: bounds of any length compared exactly, decimals of at most 30 digits.
        {1012, B, "R-99999999999999999999999,-1", 'O', "-1.5", "-1.5", 0},
        {1013, B, "R0,0", 'O', "-0.000", "-0.000", 0},
        {1014, B, "R1,1", 'O', "1.0000000000000000000000000001", "", 0},
        {1015, B, "R1,1", 'O', "1.000000000000000000000000000001",
         "1.000000000000000000000000000001", 1},
        {1016, B, "R1,9", 'O', "1e0", "1e0", 1},
        {1017, B, "R1,9;", 'O', "1", "1", 2},
        // P: literal digits, a literal letter, quoted ')' and both quotes, classes in any case.
        {1018, B, "P(12-0n)", 'O', "12-", "12-", 0},
        {1019, B, "P(x2a)", 'O', "xAB", "xAB", 0},
        {1020, B, "P(\")\"'\"')", 'O', ")\"", ")\"", 0},
        {1021, P, "P(2P)", 'O', "a\x07", "", 0},
        {1022, B, "P(3Z)", 'O', "a", "a", 2},
        {1023, B, "P(1N)x(1A)", 'O', "1", "1", 2},
        {1024, P, "P(1N)/(1A)", 'O', "1", "1", 2},
        // Templates that would backtrack without end on a long value.
        {1025, B, "P(0X0X0X0X0X0X0X0X1N)", 'O', std::string(5000, 'a'), "", 0},
        {1026, B, "P(99999999999999999999999N)", 'O', "12", "", 0},
    });
}

// In utf8 mode lengths and positions count characters, and a stray byte is one character.
TEST(ExtractCode, Utf8CountsCharacters) {
    const CodeOptions utf8 = ExampleOptions(Dialect::Universe, false, Encoding::Utf8);
    const std::string value = "\xC3\xA9t\xE2\x82\xAC\xFF";  // é t € and a stray byte
    std::string out;
    ConversionCode::Parse("L", utf8).Oconv(value, out);
    EXPECT_EQ(out, "4");
    ConversionCode::Parse("T2,2", utf8).Oconv(value, out);
    EXPECT_EQ(out, "t\xE2\x82\xAC");
    ConversionCode::Parse("T2", utf8).Oconv(value, out);
    EXPECT_EQ(out, "\xE2\x82\xAC\xFF");
    ConversionCode::Parse("P(1X1A2X)", utf8).Oconv(value, out);
    EXPECT_EQ(out, value);
    ConversionCode::Parse(
        "G0\xE2\x82\xAC"
        "1",
        utf8)
        .Oconv(value, out);
    EXPECT_EQ(out, "\xC3\xA9t");
}

TEST(ExtractCode, ErrorPositionAndReason) {
    ExpectInvalid({
        {"P(3N\"-)", Dialect::Universe, 7, "the quoted text is not closed"},
        {"P(3N", Dialect::Universe, 4, "the template is not closed"},
        {"P(2C)", Dialect::Universe, 3, "a count takes N, A or X"},
        {"P#(3N)", Dialect::Universe, 1, "P# is not part of the universe dialect"},
        {"G01", Dialect::Pick, 3, "the code ends too early"},
        {"G0-0", Dialect::Pick, 3, "the count of fields must be at least 1"},
        {"G0\xFE"
         "1",
         Dialect::Pick, 2, "a mark cannot be part of a code"},
        {"T0,2", Dialect::Pick, 1, "the first character is 1 or more"},
        {"T;X;1;1", Dialect::Pick, 1, "a file translation needs a database"},
        {"L5,3", Dialect::Pick, 3, "the greatest length is below the least"},
        {"R99,1", Dialect::Pick, 4, "the range ends below its start"},
        {"R1,9/2,3", Dialect::Pick, 4, "ranges are joined by ;"},
    });
}

}  // namespace
