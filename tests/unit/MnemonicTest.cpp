#include "toolkit/Mnemonic.h"

#include <gtest/gtest.h>

namespace {

TEST(Mnemonic, IsTheLetterAfterTheAmpersandInUpperCase) {
    EXPECT_EQ(MnemonicOf("E&xit"), 'X');
    EXPECT_EQ(MnemonicOf("&Close"), 'C');
    EXPECT_EQ(MnemonicOf("About"), 0);
    EXPECT_EQ(MnemonicOf("Fish && &Chips"), 'C');  // "&&" is an ampersand, not a mnemonic
    EXPECT_EQ(MnemonicOf("Trailing&"), 0);
    EXPECT_EQ(MnemonicOf(""), 0);
}

}  // namespace
