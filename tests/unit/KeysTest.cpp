#include "base/Keys.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyVerdict, AppliedToAKeyGoingDown) {
    KeyDownArgs refused{kVkA, 'a'};
    ApplyKeyVerdict({KeyVerdictKind::kvRefuse}, refused);
    EXPECT_EQ(refused.key, 0);  // a refused key neither types nor edits

    KeyDownArgs replaced{kVkA, 'A'};
    ApplyKeyVerdict({KeyVerdictKind::kvReplace, 'a'}, replaced);
    EXPECT_EQ(replaced.key, kVkA);
    EXPECT_EQ(replaced.typedChar, 'a');

    KeyDownArgs passed{kVk0, '0'};
    ApplyKeyVerdict({KeyVerdictKind::kvPass, 'x'}, passed);
    EXPECT_EQ(passed.key, kVk0);
    EXPECT_EQ(passed.typedChar, '0');
}

TEST(KeyVerdict, AppliedToATypedCharacter) {
    char refused = 'x';
    ApplyKeyVerdict({KeyVerdictKind::kvRefuse}, refused);
    EXPECT_EQ(refused, '\0');
    char replaced = 'j';
    ApplyKeyVerdict({KeyVerdictKind::kvReplace, 'J'}, replaced);
    EXPECT_EQ(replaced, 'J');
    char passed = '7';
    ApplyKeyVerdict({KeyVerdictKind::kvPass, 'x'}, passed);
    EXPECT_EQ(passed, '7');
}

}  // namespace
