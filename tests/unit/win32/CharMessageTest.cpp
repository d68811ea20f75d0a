#include "toolkit/win32/CharMessage.h"

#include <gtest/gtest.h>

namespace {

// The ANSI code page 1252 holds 27 characters above U+00FF at codes 80..9F: a Unicode window's
// character message carries their code point, whose low byte is another character altogether.
struct Cp1252Case {
    wchar_t unit;
    unsigned char byte;
};
const Cp1252Case kCases[] = {
    {0x2026, 0x85},  // horizontal ellipsis, whose low byte is '&'
    {0x20AC, 0x80},  // euro sign
    {0x0160, 0x8A},  // S with caron
    {0x0152, 0x8C},  // OE ligature
    {0x0178, 0x9F},  // Y with diaeresis
    {0x2122, 0x99},  // trade mark sign
    {0x00C8, 0xC8},  // E with grave: the same number in both
    {L'a', 'a'},
};

class CharMessageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (GetACP() != 1252)
            GTEST_SKIP() << "needs the ANSI code page 1252, not " << GetACP();
    }
};

TEST_F(CharMessageTest, UnicodeWindowCharactersBecomeTheirCodePageByte) {
    for (const Cp1252Case& c : kCases) {
        EXPECT_EQ(CharMessageBytes(c.unit, true), std::string(1, static_cast<char>(c.byte)))
            << std::hex << static_cast<unsigned>(c.unit);
        EXPECT_EQ(CharMessageOf(static_cast<char>(c.byte), true), static_cast<WPARAM>(c.unit))
            << std::hex << static_cast<unsigned>(c.byte);
    }
}

TEST_F(CharMessageTest, AnsiWindowCharactersAreTheirByte) {
    EXPECT_EQ(CharMessageBytes(0x85, false), "\x85");
    EXPECT_EQ(CharMessageOf('\x85', false), WPARAM{0x85});
}

TEST_F(CharMessageTest, ACharacterOutsideTheCodePageIsAQuestionMark) {
    EXPECT_EQ(CharMessageBytes(0x0416, true), "?");  // Cyrillic Zhe
}

}  // namespace
