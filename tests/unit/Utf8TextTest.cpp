#include "codes/Utf8Text.h"

#include <gtest/gtest.h>

#include <string>

#include "CodeTestSupport.h"

namespace {

TEST(Utf8Text, CharLengthAcceptsOnlyWellFormedCharacters) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"A", 1},
        {"\xC3\xA9", 2},
        {"\xE2\x82\xAC", 3},
        {"\xF0\x9F\x98\x80", 4},
        // Overlong forms, a surrogate, past U+10FFFF, cut short, a stray continuation byte.
        {"\xC0\x80", 0},
        {"\xE0\x80\x80", 0},
        {"\xED\xA0\x80", 0},
        {"\xF4\x90\x80\x80", 0},
        {"\xC3", 0},
        {"\xE2\x82", 0},
        {"\x80", 0},
        {"\xFF", 0},
    };
    for (const auto& [text, length] : cases) {
        EXPECT_EQ(Utf8CharLength(text, 0), length) << Printable(text);
    }
}

// In utf8 mode the codes on bytes read and write U+0000..U+00FA and the marks' code points;
// the other codes split values at the marks' code points.
TEST(Utf8Text, CodesInUtf8Mode) {
    const std::string vm = "\xEF\xA3\xBD";  // U+F8FD
    struct Case {
        Dialect dialect;
        const char* code;
        char direction;
        std::string input;
        std::string expected;
        int status;
    };
    const Case cases[] = {
        {Dialect::Pick, "MX", 'O', "\xC3\xA9" + vm, "E9FD", 0},
        {Dialect::Universe, "MX0C", 'I', "E9FB", "\xC3\xA9\xEF\xA3\xBB", 0},
        {Dialect::Universe, "CHAR", 'O', "250", "\xC3\xBA", 0},
        {Dialect::Universe, "SEQ", 'O', vm, "253", 0},
        // A character that stands for no byte, and a raw mark byte, which is no UTF-8.
        {Dialect::Pick, "MX", 'O', "\xE2\x82\xAC", "\xE2\x82\xAC", 1},
        {Dialect::Universe, "SEQ", 'O', "a\xC3\xBB", "a\xC3\xBB", 1},
        {Dialect::Universe, "MX0C", 'O', "\xFD", "\xFD", 1},
        {Dialect::Universe, "D", 'O', "21527" + vm + "0", "08 DEC 2026" + vm + "31 DEC 1967", 0},
        {Dialect::Universe, "D", 'O',
         "1\xFD"
         "2",
         "1\xFD"
         "2",
         1},
        // A separator may be any one character.
        {Dialect::Universe, "D\xC2\xB7", 'O', "13216",
         "03\xC2\xB7"
         "07\xC2\xB7"
         "2004",
         0},
    };
    for (const Case& c : cases) {
        const ConversionCode code =
            ConversionCode::Parse(c.code, ExampleOptions(c.dialect, false, Encoding::Utf8));
        std::string out;
        const int status = c.direction == 'O' ? code.Oconv(c.input, out) : code.Iconv(c.input, out);
        const std::string where =
            std::string(c.code) + " " + c.direction + " of " + Printable(c.input);
        EXPECT_EQ(Printable(out), Printable(c.expected)) << where;
        EXPECT_EQ(status, c.status) << where;
    }
}

TEST(Utf8Text, CodeThatIsNotUtf8IsInvalid) {
    const ConversionCode code =
        ConversionCode::Parse("D\xC3", ExampleOptions(Dialect::Universe, false, Encoding::Utf8));
    EXPECT_EQ(code.ErrorPosition(), 1u);
    EXPECT_EQ(code.ErrorReason(), "not UTF-8 text");
}

}  // namespace
