#include "codes/QuickConvert.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "codes/ParsedCode.h"
#include "codes/PickDay.h"

namespace {

TEST(QuickConvert, CalendarAgreesWithTheGeneralOneOnEveryDay) {
    for (std::int64_t day = kFirstPickDay; day <= kLastPickDay; ++day) {
        const PickDate general = DecodePickDay(day);
        const QuickDate quick = QuickDateOf(static_cast<std::int32_t>(day));
        ASSERT_TRUE(static_cast<int>(quick.year) == general.year &&
                    static_cast<int>(quick.month) == general.month &&
                    static_cast<int>(quick.day) == general.day)
            << "day " << day << ": " << quick.year << "-" << quick.month << "-" << quick.day;
    }
}

// Every value the direct path takes gives what the general path gives, STATUS included; the
// integers of the common codes are taken, anything else is left alone.
TEST(QuickConvert, WritesWhatTheGeneralPathWritesForEveryValueItTakes) {
    const std::vector<std::string> codes = {
        "D4-",  "D2/",    "D",     "D4",   "D0-",  "D1.",  "D3-",
        "D2",   "DE",     "D-",    "MTS",  "MT",   "MTS.", "MTHS",
        "MTMS", "PC",     "XL",    "ISO",  "MX",   "MCU",  "MD2",
        "MD2,", "MD0,",   "MD3,$", "MD23", "MD2-", "MD2Z", "MD4,[$,.,,,EUR]",
        "ML2",  "MR2#10", "MD2P"};
    const std::vector<std::string> edges = {"0",
                                            "1",
                                            "-1",
                                            "-0",
                                            "0000007",
                                            "2933628",
                                            "-718430",
                                            "2933629",
                                            "-718431",
                                            "86399",
                                            "86400",
                                            "",
                                            " 1",
                                            "1 ",
                                            "+5",
                                            "1.5",
                                            "-",
                                            "--1",
                                            "12345678",
                                            "1\xFD"
                                            "2",
                                            "abc",
                                            "1234:67",
                                            "123/5678",
                                            "1:",
                                            "/",
                                            "-99999\xFA"
                                            "9",
                                            "99999999",
                                            "00000000"};
    int taken = 0;
    for (const Dialect dialect : {Dialect::Universe, Dialect::Pick}) {
        for (const bool european : {false, true}) {
            CodeOptions options;
            options.dialect = dialect;
            options.european = european;
            for (const std::string& text : codes) {
                const ParsedCode parsed = ParseCodeText(text, options);
                const ConversionCode code = ConversionCode::Parse(text, options);
                const auto check = [&](const std::string& value) {
                    std::string quick = "x";
                    int quickStatus = -1;
                    if (!QuickOconv(parsed, value, quick, quickStatus)) {
                        EXPECT_EQ(quick, "x") << text;
                        return;
                    }
                    ++taken;
                    std::string general;
                    const int status = code.Oconv(value, general);
                    EXPECT_EQ(quick, "x" + general) << text << " on '" << value << "'";
                    EXPECT_EQ(quickStatus, status) << text << " on '" << value << "'";
                    const std::string bytes = QuickPathBytes(parsed);
                    EXPECT_EQ(general.find_first_not_of("0123456789" + bytes), std::string::npos)
                        << text << " on '" << value << "' writes a byte it does not name";
                };
                for (const std::string& value : edges) {
                    check(value);
                }
                for (std::int64_t n = -30000; n <= 90000; n += 97) {
                    check(std::to_string(n));
                }
            }
        }
    }
    EXPECT_GT(taken, 20000);
    // The common cases do take it.
    std::string out;
    int status = -1;
    for (const auto& [text, value, expected] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"D4-", "21527", "12-08-2026"},
             {"D", "0", "31 DEC 1967"},
             {"MTS", "62864", "17:27:44"},
             {"PC", "-24836", "1"},
             {"MD2,", "-123456789", "-1,234,567.89"}}) {
        out.clear();
        EXPECT_TRUE(QuickOconv(ParseCodeText(text, CodeOptions{}), value, out, status)) << text;
        EXPECT_EQ(out, expected);
    }
}

}  // namespace
