#pragma once
// The digit filter of the fields that take only digits (Dec and the four time fields).

#include "base/Keys.h"

// Backspace and the digits 0 to 9 pass; every other typed character, blanks, signs, letters,
// control characters and the codes 128 to 255 among them, is refused.
KeyVerdict FilterDigitKey(char typed);
