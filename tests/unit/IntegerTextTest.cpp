#include "convert/IntegerText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/Exception.h"

namespace {

struct Accepted {
    std::string text;
    std::int32_t value;
};

void PrintTo(const Accepted& a, std::ostream* os) {
    *os << '"' << a.text << "\" -> " << a.value;
}

class TextToIntegerAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(TextToIntegerAccepts, GivesTheValue) {
    EXPECT_EQ(TextToInteger(GetParam().text), GetParam().value) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TextToIntegerAccepts,
    ::testing::Values(
        // Plain decimal, leading zeros, signs directly before the digits.
        Accepted{"0", 0}, Accepted{"7", 7}, Accepted{"007", 7}, Accepted{"+7", 7},
        Accepted{"-7", -7}, Accepted{"-0", 0}, Accepted{"+0", 0}, Accepted{"0000000000000012", 12},
        // Only spaces before the number are blanks.
        Accepted{" 7", 7}, Accepted{"     -12", -12}, Accepted{" +5", 5},
        // The clock fields are written " 7" and must read back.
        Accepted{" 0", 0},
        // 32-bit bounds.
        Accepted{"2147483647", 2147483647}, Accepted{"-2147483648", INT32_MIN},
        Accepted{"+2147483647", 2147483647}, Accepted{"-0002147483648", INT32_MIN},
        // Every hexadecimal prefix, either case of digit.
        Accepted{"$1F", 31}, Accepted{"x1F", 31}, Accepted{"X1f", 31}, Accepted{"0x1f", 31},
        Accepted{"0X1F", 31}, Accepted{"  $ff", 255}, Accepted{"0x0", 0},
        // Eight significant hex digits give the signed 32-bit pattern; leading zeros are free.
        Accepted{"$FFFFFFFF", -1}, Accepted{"$80000000", INT32_MIN},
        Accepted{"$7fffffff", INT32_MAX}, Accepted{"$00000000FFFFFFFF", -1},
        Accepted{"0x0000000012345678", 0x12345678},
        // "0" followed by a non-x is decimal.
        Accepted{"09", 9}));

class TextToIntegerRejects : public ::testing::TestWithParam<std::string> {};

TEST_P(TextToIntegerRejects, RaisesWithTheTextQuoted) {
    const std::string& text = GetParam();
    try {
        (void)TextToInteger(text);
        FAIL() << "accepted: " << text;
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, TextToIntegerRejects,
                         ::testing::Values("", " ", "   ", "-", "+", "$", "x", "X", "0x", "0X",
                                           "- 7", "+ 7", "7 ", "7x", "1e3", "12.0", "1,000",
                                           "1 000", "\t7", "7\t", "--7", "+-7", "-$7", "+$7",
                                           "-0x7", "-x7",
                                           // Just past the 32-bit bounds, and far past them.
                                           "2147483648", "-2147483649", "+2147483648", "4294967296",
                                           "99999999999999999999",
                                           // Nine significant hex digits.
                                           "$100000000", "0x123456789", "x0FFFFFFFFF",
                                           // Not hex digits, hex digits without prefix.
                                           "$g", "0xfg", "ff", "$1 ", "$ 1", "0 x1", "abc",
                                           // A high-bit byte after a digit and alone.
                                           "1\xE9", "\xFF"));

TEST(TextToIntegerMessage, EmptyTextGivesTwoApostrophes) {
    try {
        (void)TextToInteger("");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'' is not a valid integer value");
        EXPECT_STREQ(e.ClassName(), "EConvertError");
    }
}

TEST(TextToIntegerMessage, FormatDirectivesInTheTextAreCopiedNotInterpreted) {
    try {
        (void)TextToInteger("%s%n%d%%");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'%s%n%d%%' is not a valid integer value");
    }
}

TEST(TextToIntegerMessage, KeepsANulByteInsideTheText) {
    const std::string text(
        "12\0"
        "34",
        5);
    try {
        (void)TextToInteger(text);
        FAIL();
    } catch (const EConvertError& e) {
        const std::string expected = "'" + text + "' is not a valid integer value";
        EXPECT_EQ(e.Message(), expected);
        EXPECT_EQ(e.Message().size(), expected.size());
    }
}

TEST(TextToIntegerLongText, HugeDigitRunsFailWithTheWholeTextQuoted) {
    // A megabyte of digits: the value check must not wrap, and the message quotes it all.
    const std::string digits(1 << 20, '9');
    try {
        (void)TextToInteger(digits);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + digits + "' is not a valid integer value");
    }
}

TEST(TextToIntegerLongText, LongRunsOfLeadingZerosAndBlanksStillParse) {
    EXPECT_EQ(TextToInteger(std::string(1 << 20, '0') + "42"), 42);
    EXPECT_EQ(TextToInteger(std::string(1 << 20, ' ') + "-42"), -42);
    EXPECT_EQ(TextToInteger("$" + std::string(1 << 20, '0') + "ffffffff"), -1);
}

TEST(TextToIntegerLongText, AMegabyteOfHexDigitsFails) {
    const std::string text = "0x" + std::string(1 << 20, 'f');
    EXPECT_THROW((void)TextToInteger(text), EConvertError);
}

struct Written {
    std::int32_t value;
    std::string text;
};

TEST(IntegerToText, SignedDecimalWithoutPaddingOrGrouping) {
    const Written cases[] = {{0, "0"},
                             {7, "7"},
                             {-7, "-7"},
                             {1000000, "1000000"},
                             {INT32_MAX, "2147483647"},
                             {INT32_MIN, "-2147483648"}};
    for (const Written& c : cases) {
        EXPECT_EQ(IntegerToText(c.value), c.text);
        EXPECT_EQ(TextToInteger(c.text), c.value) << "round trip of " << c.text;
    }
}

TEST(IntegerToHexText, LowerCaseUnsignedPatternWithoutPrefix) {
    const Written cases[] = {{255, "ff"},
                             {0, "0"},
                             {-1, "ffffffff"},
                             {INT32_MIN, "80000000"},
                             {16, "10"},
                             {INT32_MAX, "7fffffff"},
                             {0x0ABCDEF0, "abcdef0"}};
    for (const Written& c : cases) {
        EXPECT_EQ(IntegerToHexText(c.value), c.text);
    }
}

TEST(TwoDigitFieldText, RightAlignsInTwoCharacters) {
    const Written cases[] = {{0, " 0"}, {7, " 7"}, {9, " 9"}, {10, "10"}, {59, "59"}, {99, "99"}};
    for (const Written& c : cases) {
        EXPECT_EQ(TwoDigitFieldText(c.value), c.text);
        EXPECT_EQ(TextToInteger(c.text), c.value) << "read back of '" << c.text << "'";
    }
}

}  // namespace
