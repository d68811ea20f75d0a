#pragma once
// UTF-8 as utf8 mode reads it: well-formed characters, and the characters that stand for single
// bytes where a code works on bytes: U+0000..U+00FA for bytes 0..250 and the marks' private-use
// code points U+F8FB..U+F8FF for bytes 251..255.

#include <cstddef>
#include <string>
#include <string_view>

#include "codes/ConversionCode.h"

// The length (1..4) of the well-formed UTF-8 character at pos, or 0 when the bytes there are not
// one (a stray continuation byte, an overlong form, a surrogate, a cut-off sequence).
std::size_t Utf8CharLength(std::string_view text, std::size_t pos);

// The length (3) of the mark character at pos in utf8 mode, or 0 when there is none.
std::size_t Utf8MarkLength(std::string_view text, std::size_t pos);

struct ByteCharacter {
    unsigned char byte = 0;
    std::size_t length = 0;  // 0: the text there stands for no byte
};
ByteCharacter ByteCharacterAt(std::string_view text, std::size_t pos);

// Calls take(byte) for every byte the value stands for; false as soon as a utf8 character stands
// for none (so take may have been called for the bytes before it).
template <typename Take>
bool ForEachValueByte(std::string_view value, Encoding encoding, Take take) {
    if (encoding == Encoding::Bytes) {
        for (const char c : value) {
            take(static_cast<unsigned char>(c));
        }
        return true;
    }
    for (std::size_t pos = 0; pos < value.size();) {
        const ByteCharacter character = ByteCharacterAt(value, pos);
        if (character.length == 0) {
            return false;
        }
        take(character.byte);
        pos += character.length;
    }
    return true;
}

// Appends a byte as the value text of the encoding: itself, or the character standing for it.
void AppendValueByte(std::string& out, unsigned char byte, Encoding encoding);
