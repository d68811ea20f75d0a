#include "cli/CharForms.h"

#include <gtest/gtest.h>

#include "base/Exception.h"

namespace {

TEST(ReadChar, ReadsEveryFormOfTheSameCharacter) {
    for (const char* text : {"A", "65", "x41", "0x41", "$41", "X41"}) {
        const CharForms c = ReadChar(text, false);
        EXPECT_EQ(c.texts.Ascii, "A") << text;
        EXPECT_EQ(c.texts.Dec, "65") << text;
        EXPECT_EQ(c.texts.Hex, "41") << text;
        EXPECT_EQ(c.texts.Binary, "100 0001") << text;
        EXPECT_EQ(c.texts.Ctrl, "") << text;
    }
}

TEST(ReadChar, ReadsControlLettersMarksAndLoneDigitsAsCodes) {
    EXPECT_EQ(ReadChar("^J", false).texts.Dec, "10");
    EXPECT_EQ(ReadChar("^j", false).texts.Ctrl, "J");
    EXPECT_EQ(ReadChar("^@", false).texts.Dec, "0");
    EXPECT_EQ(ReadChar("7", false).texts.Dec, "7");
    EXPECT_EQ(ReadChar("7", false).texts.Ctrl, "G");
    struct Mark {
        const char* name;
        const char* dec;
        const char* shown;
    };
    for (const Mark& m :
         {Mark{"IM", "255", "IM"}, Mark{"am", "254", "AM"}, Mark{"FM", "254", "AM"},
          Mark{"VM", "253", "VM"}, Mark{"svm", "252", "SM"}, Mark{"TM", "251", "TM"}}) {
        const CharForms c = ReadChar(m.name, false);
        EXPECT_EQ(c.texts.Dec, m.dec) << m.name;
        EXPECT_EQ(c.mark, m.shown) << m.name;
    }
    EXPECT_EQ(ReadChar("250", false).mark, "");
}

TEST(ReadChar, RefusesWhatIsNoCharacter) {
    for (const char* text : {"", "256", "-1", "^?", "^1", "AB", "x100"}) {
        EXPECT_THROW(ReadChar(text, false), EConvertError) << text;
    }
    EXPECT_EQ(ReadChar("^", false).texts.Dec, "94");  // a lone ^ is the character itself
}

TEST(ReadChar, TakesOneUtf8CharacterForAByteInUtf8Mode) {
    EXPECT_EQ(ReadChar("\xC3\xA9", true).texts.Dec, "233");
    EXPECT_EQ(ReadChar("\xC3\xA9", true).texts.Ascii, "\xC3\xA9");
    EXPECT_EQ(ReadChar("\xEF\xA3\xBD", true).mark, "VM");  // U+F8FD
    EXPECT_EQ(ReadChar("A", true).texts.Dec, "65");
    for (const char* text : {"\xE2\x82\xAC", "\xC3\xBB", "\xC0\x81", "\xC3"}) {  // no byte
        EXPECT_THROW(ReadChar(text, true), EConvertError) << text;
    }
}

}  // namespace
