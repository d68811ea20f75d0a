#pragma once
// A caption's keyboard mnemonic: the letter after "&" ("&&" stands for "&" itself).

#include <string_view>

// The mnemonic letter in upper case, or 0 when the caption has none.
char MnemonicOf(std::string_view caption);
