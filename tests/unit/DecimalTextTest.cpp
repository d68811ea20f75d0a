#include "base/DecimalText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(DecimalText, ParseStopsAtTheCeiling) {
    EXPECT_EQ(ParseDecimalDigits("18446744073709551615", UINT64_MAX), UINT64_MAX);
    EXPECT_EQ(ParseDecimalDigits("18446744073709551616", UINT64_MAX), std::nullopt);
    EXPECT_EQ(ParseDecimalDigits("255", 255), 255u);
    EXPECT_EQ(ParseDecimalDigits("256", 255), std::nullopt);
    EXPECT_EQ(ParseDecimalDigits(std::string(5000, '0') + "7", 9), 7u);
    EXPECT_EQ(ParseDecimalDigits(std::string(5000, '9'), UINT64_MAX), std::nullopt);
    for (const char* refused : {"", "+1", "-1", " 1", "1 ", "1a", "\xB9"}) {
        EXPECT_EQ(ParseDecimalDigits(refused, UINT64_MAX), std::nullopt) << refused;
    }
}

TEST(DecimalText, AppendPadsAndSigns) {
    std::string out = ">";
    AppendDecimal(out, 7, 3);
    AppendDecimal(out, 1234, 2);
    AppendSignedDecimal(out, INT64_MIN);
    AppendSignedDecimal(out, 0);
    EXPECT_EQ(out, ">0071234-92233720368547758080");
}

}  // namespace
