#include "codes/ConversionCode.h"

#include <gtest/gtest.h>

#include <string>

#include "CodeTestSupport.h"

namespace {

TEST(ConversionCode, InvalidCodesNameThePositionAndReason) {
    ExpectInvalid({
        {"", Dialect::Universe, 0, "empty code"},
        {"XYZ", Dialect::Universe, 0, "unknown code"},
        {"UNIX", Dialect::Universe, 4, "the code ends too early"},
        {"MX0", Dialect::Universe, 3, "the code ends too early"},
        {"MX0D", Dialect::Universe, 3, "0 must be followed by C"},
        {"MCDXY", Dialect::Pick, 4, "unexpected character after the code"},
        {"MCXA", Dialect::Universe, 0, "not part of the universe dialect"},
        {"MTSH", Dialect::Universe, 3, "MT takes H, M and S once, in that order"},
        {"MT'h", Dialect::Universe, 4, "quoted separator text is not closed"},
        {"MT'h"
         "\xFD"
         "'",
         Dialect::Universe, 4, "quoted separator text is not closed"},
    });
}

TEST(ConversionCode, ValidCodeHasNoError) {
    const ConversionCode code = ConversionCode::Parse("isot", ExampleOptions(Dialect::Pick));
    EXPECT_TRUE(code.Valid());
    EXPECT_EQ(code.ErrorReason(), "");
}

// A copy converts like the original, and a value that is a view of out itself is read whole.
TEST(ConversionCode, CopiesAndValuesInsideOut) {
    const ConversionCode original = ConversionCode::Parse("D", ExampleOptions(Dialect::Universe));
    const ConversionCode copy = original;
    std::string out = "21527" + kVM + "0";
    EXPECT_EQ(copy.Oconv(out, out), kStatusConverted);
    EXPECT_EQ(Printable(out), Printable("08 DEC 2026" + kVM + "31 DEC 1967"));
}

// A long value with NUL and high bytes converts piece by piece, in one pass.
TEST(ConversionCode, LongValues) {
    std::string value;
    std::string marks;
    for (int i = 0; i < 100000; ++i) {
        value += "21527" + kVM + std::string("\0\x80", 2) + kVM;
        marks += kVM + kVM;
    }
    const ConversionCode code = ConversionCode::Parse("D", ExampleOptions(Dialect::Universe));
    std::string out;
    EXPECT_EQ(code.Oconv(value, out), kStatusBadInput);
    EXPECT_EQ(out.size(), value.size() + 100000 * (11 - 5));
    // "21527" is no written date (day 527 of 2021), so ICONV keeps only the marks.
    EXPECT_EQ(code.Iconv(value, out), kStatusBadInput);
    EXPECT_EQ(out, marks);
}

}  // namespace
