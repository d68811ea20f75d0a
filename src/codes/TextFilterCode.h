#pragma once
// The MC codes that work character by character: case (MCU, MCL, MCT), keeping or removing
// letters and digits (MCA, MC/A, MCN, MC/N, MCB, MC/B, MCAN, MC/AN) and replacing what is not
// printable (MCP, MCPc). Letters, digits and printable characters are ASCII. They see every byte
// of a piece, never fail, and convert the same way in both directions.

#include <string>
#include <string_view>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

enum class TextFilter : unsigned char {
    Upper,
    Lower,
    Title,
    KeepLetters,
    DropLetters,
    KeepDigits,
    DropDigits,
    KeepLettersDigits,
    DropLettersDigits,
    Printable,
};

struct TextFilterCode {
    TextFilter filter = TextFilter::Upper;
    // MCT: universe capitalises the first character and letters after a space, pick the first
    // character and letters after any character that is not a letter.
    Dialect dialect = Dialect::Universe;
    // MCP: what stands for a character that is not printable, used as written.
    CodeCharacter replacement{{'.'}, 1};
    Encoding encoding = Encoding::Bytes;

    // A whole piece, spaces included.
    int Oconv(std::string_view piece, std::string& out) const;
    int Iconv(std::string_view piece, std::string& out) const { return Oconv(piece, out); }
};

// Parses what follows MCP: nothing, or the one replacement character.
bool ParsePrintableCode(CodeReader& reader, Encoding encoding, TextFilterCode& code,
                        CodeError& error);
