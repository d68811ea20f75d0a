#include "codes/Marks.h"

#include <gtest/gtest.h>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;

TEST(Marks, BulkRule) {
    ExpectRows({
        {145, B, "D", 'O', "21527" + kVM + kVM + "-6398" + kSM + "x",
         "08 DEC 2026" + kVM + kVM + "25 JUN 1950" + kSM + "x", 1},
        {146, B, "MX0C", 'O', "A" + kVM + "B", "41FD42", 0},
        // Own cases, from 1001: every mark splits, ICONV empties a failed piece, the highest
        // STATUS wins, and bytes 248 to 250 are data.
        {1001, B, "MT", 'I', "1:00" + kIM + "x" + kAM + "2:00" + kTM + kSM + "3:00",
         "3600" + kIM + kAM + "7200" + kTM + kSM + "10800", 1},
        {1002, B, "D", 'O', "1.5" + kVM + "x", "01 JAN 1968" + kVM + "x", 3},
        {1003, B, "PC", 'O', "1\xFA", "1\xFA", 1},
        // Spaces around a piece go; a piece of spaces is empty.
        {1004, B, "PC", 'O', " 1 " + kVM + "  ", "24838" + kVM, 0},
    });
}

// A value mark in a code chains codes; any other mark makes it invalid.
TEST(Marks, InsideACodeMakeItInvalid) {
    EXPECT_TRUE(
        ConversionCode::Parse("D2" + kVM + "MT", ExampleOptions(Dialect::Universe)).Valid());
    const ConversionCode code =
        ConversionCode::Parse("D2" + kAM + "MT", ExampleOptions(Dialect::Universe));
    EXPECT_EQ(code.ErrorPosition(), 2u);
    EXPECT_EQ(code.ErrorReason(), "a mark cannot be part of a code");
    std::string out = "left over";
    EXPECT_EQ(code.Iconv("1" + kVM + "2", out), kStatusBadCode);
    EXPECT_EQ(out, "");
    EXPECT_EQ(code.Oconv("", out), kStatusBadCode);
}

}  // namespace
