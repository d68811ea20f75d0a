#include "codes/MaskedDecimalCode.h"

#include <gtest/gtest.h>

#include <string>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;
constexpr Dialects U = Dialects::Universe;
constexpr Dialects P = Dialects::Pick;

TEST(MaskedDecimalCode, WorkedExamples) {
    ExpectRows({
        {147, B, "MD2", 'O', "4250", "42.50", 0},
        {148, B, "MD0", 'O', "4250", "4250", 0},
        {149, B, "MD2", 'O', "-4250", "-42.50", 0},
        {150, B, "MD2", 'O', "7", "0.07", 0},
        {151, B, "MD2", 'O', "-7", "-0.07", 0},
        {152, B, "MD3", 'O', "7", "0.007", 0},
        {153, B, "MD20", 'O', "42.5", "42.50", 0},
        {154, B, "MD21", 'O', "4255", "425.50", 0},
        {155, B, "MR", 'O', "4250.5", "4251", 0},
        {156, B, "MD02", 'O', "4250", "43", 0},
        {157, B, "MD02", 'O', "4150", "42", 0},
        {158, B, "MD02", 'O', "-4250", "-43", 0},
        {159, B, "MD0", 'O', "0.5", "1", 0},
        {160, B, "MD0", 'O', "2.5", "3", 0},
        {161, B, "MD0", 'O', "-2.5", "-3", 0},
        {162, B, "MD0", 'O', "-0.5", "-1", 0},
        {163, B, "MD0", 'O', "0.4", "0", 0},
        {164, B, "MD0", 'O', "-0.4", "0", 0},
        {165, B, "MD23", 'O', "31415", "31.42", 0},
        {166, B, "MD23", 'O', "-31425", "-31.43", 0},
        {167, B, "MD10", 'O', "2.25", "2.3", 0},
        {168, B, "MD10", 'O', "2.35", "2.4", 0},
        {169, B, "MD2", 'O', "4250.5", "42.51", 0},
        {170, B, "MD2", 'O', ".5", "0.01", 0},
        {171, B, "MD2", 'O', "+4250", "42.50", 0},
        {172, B, "MD2", 'O', "  4250 ", "42.50", 0},
        {173, B, "MD2", 'O', "-0", "0.00", 0},
        {174, B, "MD2", 'O', "", "", 0},
        {175, B, "MD2", 'O', "12a", "12a", 1},
        {176, B, "MD2", 'O', "1,250", "1,250", 1},
        {177, B, "MD2", 'O', "1E3", "1E3", 1},
        {178, U, "MD23T", 'O', "31459", "31.45", 0},
        {179, P, "MD23T", 'O', "31459", "31459", 2},
        {180, B, "MD2,", 'O', "314159265", "3,141,592.65", 0},
        {181, B, "MD0,", 'O', "-3141592", "-3,141,592", 0},
        {182, B, "MD2,", 'O', "99999", "999.99", 0},
        {183, B, "MD2,$", 'O', "314159265", "$3,141,592.65", 0},
        {184, B, "MD2$", 'O', "-4250", "-$42.50", 0},
        {185, B, "MD2Z", 'O', "00", "", 0},
        {186, B, "MD2Z", 'O', "0.4", "", 0},
        {187, B, "MD2Z", 'O', "3", "0.03", 0},
        {188, U, "MD2-", 'O', "-4250", "42.50-", 0},
        {189, U, "MD2-", 'O', "4250", "42.50 ", 0},
        {190, U, "MD2<", 'O', "-4250", "<42.50>", 0},
        {191, U, "MD2<", 'O', "4250", " 42.50 ", 0},
        {192, U, "MD2C", 'O', "-4250", "42.50CR", 0},
        {193, U, "MD2C", 'O', "4250", "42.50  ", 0},
        {194, U, "MD2D", 'O', "-4250", "42.50DB", 0},
        {195, U, "MD2D", 'O', "4250", "42.50  ", 0},
        {196, U, "MD2C", 'O', "00", "0.00  ", 0},
        {197, U, "MD2,$C", 'O', "-314159265", "$3,141,592.65CR", 0},
        {198, U, "MD2$<", 'O', "-4250", "<$42.50>", 0},
        {199, U, "MD2E", 'O', "4250", "4250", 2},
        {200, U, "MD2F", 'O', "4250", "4250", 2},
        {201, U, "MD2P", 'O', "42.5", "42.50", 0},
        {202, U, "MD2P", 'O', "4250", "42.50", 0},
        {203, U, "MD2CD", 'O', "4250", "4250", 2},
        {204, U, "MD2ZZ", 'O', "4250", "4250", 2},
        {205, U, "MD2[\"EUR \",\".\",\",\",\"\"]", 'O', "314159265", "EUR 3.141.592,65", 0},
        {206, U, "MD2[,,,\" kr\"]", 'O', "-4250", "-42.50 kr", 0},
        {207, P, "MR2D", 'O', "4250", "42.50DB", 0},
        {208, P, "MR2D", 'O', "-4250", "-42.50  ", 0},
        {209, P, "MR2D", 'O', "00", "0.00DB", 0},
        {210, P, "MR2C", 'O', "-4250", "42.50CR", 0},
        {211, P, "MR2C", 'O', "4250", "42.50  ", 0},
        {212, P, "MR2E", 'O', "-4250", "<42.50>", 0},
        {213, P, "MR2E", 'O', "00", " 0.00 ", 0},
        {214, P, "MR2M", 'O', "-4250", "42.50-", 0},
        {215, P, "MR2M", 'O', "4250", "42.50 ", 0},
        {216, P, "MR2N", 'O', "-4250", "42.50", 0},
        {217, P, "MR2-", 'O', "-4250", "42.50-", 0},
        {218, P, "MR2<", 'O', "-4250", "<42.50>", 0},
        {219, P, "MR2,C$", 'O', "-314159265", "$3,141,592.65CR", 0},
        {220, P, "MR2E$", 'O', "-4250", "<$42.50>", 0},
        {221, P, "MD2P", 'O', "4250", "4250", 2},
        {222, P, "MD2[\"EUR \",\".\",\",\",\"\"]", 'O', "4250", "4250", 2},
        {223, B, "MR2#8", 'O', "4250", "   42.50", 0},
        {224, B, "ML2#8", 'O', "4250", "42.50   ", 0},
        {225, B, "MR2*8", 'O', "-4250", "**-42.50", 0},
        {226, B, "ML2%8", 'O', "4250", "42.50000", 0},
        {227, B, "MR2%8", 'O', "4250", "00042.50", 0},
        {228, U, "MD2#8", 'O', "4250", "42.50   ", 0},
        {229, P, "MD2#8", 'O', "4250", "   42.50", 0},
        {230, U, "MR2#4", 'O', "314159265", "2.65", 3},
        {231, P, "MR2#4", 'O', "314159265", "3141592.65", 0},
        {232, U, "ML2#4", 'O', "314159265", "3141", 3},
        {233, P, "ML2#4", 'O', "314159265", "3141592.65", 0},
        {234, B, "MR2Z#6", 'O', "00", "      ", 0},
        {235, B, "MR2#6", 'O', "", "", 0},
        {236, B, "ML#3-#2-#4", 'O', "987123456", "987-12-3456", 0},
        {237, P, "ML(#3-#2-#4)", 'O', "987123456", "987-12-3456", 0},
        {238, U, "ML(#3-#2-#4)", 'O', "987123456", "987123456", 2},
        {239, P, "ML(#3-#2-#4)", 'O', "98712345", "987-12-345 ", 0},
        {240, P, "MR(#3-#2-#4)", 'O', "98712345", " 98-71-2345", 0},
        {241, P, "ML(#3-#2-#4)", 'O', "9871234567", "987-12-34567", 0},
        {242, U, "ML#3-#2-#4", 'O', "9871234567", "987-12-3456", 3},
        {243, P, "ML&*(#5)", 'O', "42", "42***", 0},
        {244, P, "MR2,$(#10)", 'O', "314159", " $3,141.59", 0},
        {245, P, "MR(Tel #3-#4)", 'O', "5551234", "Tel 555-1234", 0},
        {246, B, "MR2#0", 'O', "4250", "4250", 2},
        {247, B, "MD2", 'I', "42.50", "4250", 0},
        {248, B, "MD2", 'I', "42.5", "4250", 0},
        {249, B, "MD2", 'I', "42", "4200", 0},
        {250, B, "MD2", 'I', "$9,999.01", "999901", 0},
        {251, B, "MD2", 'I', "42.505", "4251", 0},
        {252, B, "MD2", 'I', "-42.505", "-4251", 0},
        {253, B, "MD2", 'I', "42.504", "4250", 0},
        {254, B, "MD0", 'I', "2.5", "3", 0},
        {255, B, "MD0", 'I', "-2.5", "-3", 0},
        {256, B, "MD0", 'I', "0.5", "1", 0},
        {257, B, "MD2", 'I', "(42.50)", "-4250", 0},
        {258, B, "MD2", 'I', "<42.50>", "-4250", 0},
        {259, B, "MD2", 'I', "42.50-", "-4250", 0},
        {260, B, "MD2", 'I', "42.50CR", "-4250", 0},
        {261, B, "MD2", 'I', "42.50cr", "-4250", 0},
        {262, U, "MD2", 'I', "42.50DB", "-4250", 0},
        {263, P, "MR2", 'I', "42.50DB", "4250", 0},
        {264, B, "MD2", 'I', "abc", "", 1},
        {265, B, "MD2", 'I', "4.2.5", "", 1},
        {266, B, "MD2", 'I', "", "", 0},
        {267, B, "MD23", 'I', "1.5", "1500", 0},
        {268, B, "MD20", 'I', "42.56", "43", 0},
        {269, U, "MD2P", 'I', "42.5", "4250", 0},
        {270, B, "MR2*8", 'I', "***42.50", "4250", 0},
        {271, B, "MD2", 'I', "-0.004", "0", 0},
        {272, P, "ML(#3-#2-#4)", 'I', "987-12-3456", "987123456", 0},
        {273, U, "MD2Z", 'I', "0.00", "0", 0},
        {274, U, "MD23T", 'I', "31.4599", "31460", 0},
        {275, B, "ML2%8", 'I', "42.50000", "4250", 0},
        {276, B, "MD2,", 'I', "3,141,592.65", "314159265", 0},
        {277, U, "MD2[\"EUR \",\".\",\",\",\"\"]", 'I', "EUR 3.141.592,65", "314159265", 0},
    });
}

// Rows the examples do not reach; numbered from 1101.
TEST(MaskedDecimalCode, NumbersAtTheirLimits) {
    const std::string thirty(30, '9');
    ExpectRows({
        // 30 digits in all, leading zeros counted; a carry may make a 31st.
        {1101, B, "MD0", 'O', thirty, thirty, 0},
        {1102, B, "MD0", 'O', "9" + thirty, "9" + thirty, 1},
        {1103, B, "MD01", 'O', thirty, "1" + std::string(29, '0'), 0},
        {1104, B, "MD0", 'O', "0" + thirty, "0" + thirty, 1},
        {1105, B, "MD0", 'O', std::string(10000, '7'), std::string(10000, '7'), 1},
        {1106, B, "MD9", 'I', thirty, thirty + "000000000", 0},
        {1107, B, "MD9", 'I', "9" + thirty, "", 1},
        {1108, B, "MD0", 'I', std::string(10000, '1'), "", 1},
        // Signs and points alone are no number; a point may end one.
        {1109, B, "MD2", 'O', ".", ".", 1},
        {1110, B, "MD2", 'O', "+", "+", 1},
        {1111, B, "MD2", 'O', "-", "-", 1},
        {1112, B, "MD20", 'O', "12.", "12.00", 0},
        {1113, B, "MD2", 'I', ".", "", 1},
        {1114, B, "MD2", 'I', "-0", "0", 0},
        // Truncation cuts toward zero; a blanked zero takes no sign padding.
        {1115, U, "MD23T", 'O', "-31459", "-31.45", 0},
        {1116, U, "MD2ZC", 'O', "0", "", 0},
        // Each piece between marks on its own.
        {1117, B, "MD2", 'O', "4250" + kVM + "x" + kSM, "42.50" + kVM + "x" + kSM, 1},
    });
}

TEST(MaskedDecimalCode, EverySignNotationReadBack) {
    ExpectRows({
        {1201, B, "MD2", 'I', "+42.50", "4250", 0},
        {1202, B, "MD2", 'I', "42.50+", "4250", 0},
        {1203, B, "MD2", 'I', "-42.50", "-4250", 0},
        {1204, P, "MD2", 'I', "42.50db", "4250", 0},
        {1205, U, "MD2", 'I', "42.50db", "-4250", 0},
        {1206, B, "MD2", 'I', "(42.50", "", 1},
        {1207, B, "MD2", 'I', "<>", "", 1},
        // One notation only.
        {1208, B, "MD2", 'I', "-42.50CR", "", 1},
        {1209, B, "MD2", 'I', "--42.50", "", 1},
        // A 0 fill stays, so a minus behind it is no sign.
        {1210, B, "MR2%8", 'I', "00-42.50", "", 1},
    });
}

TEST(MaskedDecimalCode, MasksAndLiteralText) {
    ExpectRows({
        // Runs are 1 to 99 wide: the widest is written, wider ones are refused.
        {1301, B, "MR#99", 'O', "7", std::string(98, ' ') + "7", 0},
        {1302, B, "MR#100", 'O', "7", "7", 2},
        {1303, B, "MR#999999999999999999999", 'O', "7", "7", 2},
        {1304, B, "MR*00", 'O', "7", "7", 2},
        // Pick keeps the overflow in front of (right) or behind (left) the whole mask.
        {1305, P, "MR(Tel #3-#4)", 'O', "12345678", "1Tel 234-5678", 0},
        {1306, P, "ML(#2/#2.)", 'O', "123456", "12/34.56", 0},
        // Literals, fills and international texts are used as written; option letters fold.
        {1307, P, "mr2,c&x$#10", 'O', "-4250", "$xxx42.50CR", 0},
        {1308, U, "mr2[\"eur \",,,]", 'O', "4250", "eur 42.50", 0},
        {1309, U, "MR#3x#2", 'I', "123x45", "12345", 0},
        {1310, U, "MR#3x#2", 'I', "123X45", "", 1},
        {1311, P, "MR&x#4", 'I', "xx42", "42", 0},
        // A mask literal inside the prefix is dropped with it.
        {1313, U, "ML2[\"EUR \",,,]#2/#10", 'O', "4250", "EU/R 42.50   ", 0},
        {1314, U, "ML2[\"EUR \",,,]#2/#10", 'I', "EU/R 42.50   ", "4250", 0},
        // Inside a universe mask & and ( are literals.
        {1312, U, "ML#2&(#2", 'O', "1234", "12&(34", 0},
    });
}

TEST(MaskedDecimalCode, ParsedOnceIntoOneValue) {
    // One parse converts many values; the result never keeps what was converted before.
    const ConversionCode code = ConversionCode::Parse("MR2,$#14", ExampleOptions(Dialect::Pick));
    std::string out;
    EXPECT_EQ(code.Oconv("314159265", out), 0);
    EXPECT_EQ(out, " $3,141,592.65");
    EXPECT_EQ(code.Oconv("-7", out), 0);
    EXPECT_EQ(out, "        -$0.07");
}

TEST(MaskedDecimalCode, Utf8CountsCharacters) {
    const CodeOptions utf8 = ExampleOptions(Dialect::Universe, false, Encoding::Utf8);
    const std::string euro = "\xE2\x82\xAC";
    std::string eight;
    for (int i = 0; i < 8; ++i) {
        eight += euro;
    }
    // A prefix is at most 8 characters, whatever their bytes.
    EXPECT_TRUE(ConversionCode::Parse("MD2[" + eight + ",,,]", utf8).Valid());
    EXPECT_FALSE(ConversionCode::Parse("MD2[" + eight + euro + ",,,]", utf8).Valid());
    EXPECT_FALSE(
        ConversionCode::Parse("MD2[" + eight + ",,,]", ExampleOptions(Dialect::Universe)).Valid());
    // Separators of two bytes, and one mask position per character.
    const ConversionCode code =
        ConversionCode::Parse("MR2[\"" + euro + euro + "\",\xC2\xB7,\xC2\xB8,]#16", utf8);
    ASSERT_TRUE(code.Valid()) << code.ErrorReason();
    std::string out;
    EXPECT_EQ(code.Oconv("314159265", out), 0);
    EXPECT_EQ(out, "  " + euro + euro +
                       "3\xC2\xB7"
                       "141\xC2\xB7"
                       "592\xC2\xB8"
                       "65");
    EXPECT_EQ(code.Iconv(out, out), 0);
    EXPECT_EQ(out, "314159265");
}

TEST(MaskedDecimalCode, InvalidCodesSayWhereAndWhy) {
    constexpr Dialect kU = Dialect::Universe;
    constexpr Dialect kP = Dialect::Pick;
    ExpectInvalid({
        {"MD234", kU, 4, "at most two digits: decimals and scaling"},
        {"MD2,3", kP, 4, "a digit cannot follow the options"},
        {"MD2,Z,", kU, 5, "an option is given once"},
        {"MD2CD", kU, 4, "one sign code at most"},
        {"MD2EM", kP, 4, "one sign code at most"},
        {"MD2N", kU, 3, "unknown option"},
        {"MD2Y", kU, 3, "currency from a locale is unknown here: write [p,t,d,s]"},
        {"MD2T", kP, 3, "not part of the pick dialect"},
        {"MD2(#5)", kU, 3, "a mask starts with #, * or %"},
        {"MD2$[,,,]", kU, 4, "the international element replaces , and $"},
        {"MD2[,,,],", kU, 8, "the international element replaces , and $"},
        {"MD2[,,,", kU, 7, "the international element is not closed"},
        {"MD2[,,]", kU, 6, "the international element has four parts"},
        {"MD2[,,,,]", kU, 7, "the international element has four parts"},
        {"MD2['ab'c,,,]", kU, 8, "a part is quoted or unquoted text"},
        {"MD2[\"a,,,]", kU, 10, "quoted text is not closed"},
        {"MD2[abcdefghi,,,]", kU, 12, "a prefix or suffix is at most 8 characters"},
        {"MD2[,'ab',,]", kU, 7, "a separator is one character"},
        {"MD2[,5,,]", kU, 5, "the thousands separator cannot be a digit"},
        {"MD2[,, ,]", kU, 6, "the decimal separator cannot be a digit or a space"},
        {"MD2[,.,,]", kU, 5, "the thousands and decimal separators must differ"},
        {"MD2[,a,A,]", kU, 7, "the thousands and decimal separators must differ"},
        {"MR2#3-#0", kU, 7, "a run is 1 to 99 positions wide"},
        {"MR&", kP, 3, "& needs a fill character"},
        {"MR(#3", kP, 5, "a mask that opens with ( ends the code with )"},
        {"MR&*()", kP, 2, "a mask needs a #, * or % position"},
        {"MR2#3\xFE", kU, 5, "a mark cannot be part of a code"},
    });
}

}  // namespace
