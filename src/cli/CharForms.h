#pragma once
// A character as `quorlin char` reads and shows it: the character panel's five forms, by the
// panel's own operations, and the mark's name for the codes 251 to 255.

#include <string>
#include <string_view>

#include "convert/CharPanel.h"

struct CharForms {
    CharPanelTexts texts;
    std::string mark;  // IM, AM, VM, SM or TM; empty for other codes
};

// A single character (a lone digit is a code), a code 0 to 255 ("65", "x41", "0x41", "$41"), a
// control letter ("^J") or a mark name (IM, AM, FM, VM, SM, SVM, TM, any case). Raises
// EConvertError naming the text. With utf8 the character is one UTF-8 character standing for a
// byte (U+0000 to U+00FA, or the marks' U+F8FB to U+F8FF), and Ascii is written the same way.
CharForms ReadChar(std::string_view text, bool utf8);

// The name of a mark byte, or "" for any other code.
std::string MarkName(int code);
