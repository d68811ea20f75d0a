#include "codes/DirectText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DirectText, WritesAfterTheOldTextWithinItsBound) {
    std::string out = "ab";
    {
        DirectText text(out, 6);
        text.PutDecimal(7, 2);
        text.PutDecimal(2026, 4);
        text.Put("xyz");  // past the bound of six: dropped, never written outside
    }
    EXPECT_EQ(out, "ab072026");
    {
        DirectText text(out, 4);
        text.Put("cd");
        text.CutTo(1);  // into the text before this writer began: refused
        text.CutTo(text.Length() - 1);
    }
    EXPECT_EQ(out, "ab072026c");
}

TEST(DirectText, DecimalPadding) {
    std::string out;
    {
        DirectText text(out, 40);
        text.PutDecimal(5);
        text.Put(',');
        text.PutDecimal(5, 3);
        text.Put(',');
        text.PutDecimal(12345, 2);
        text.Put(',');
        text.PutDecimal(18446744073709551615u);
    }
    EXPECT_EQ(out, "5,005,12345,18446744073709551615");
}

}  // namespace
