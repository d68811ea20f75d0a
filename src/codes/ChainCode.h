#pragma once
// Codes joined by value marks: each member converts what the one before it gave, left to right
// in both directions. A value is split at its marks first and each piece goes through the whole
// chain, unless a member treats marks as data: then every member converts the whole value. A
// piece stops at the first member that cannot convert it (OCONV gives the piece back, ICONV "").

#include <string>
#include <string_view>
#include <vector>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

struct ChainCode {
    std::vector<ConversionCode> members;  // two or more, each valid
    bool wholeValue = false;              // a member treats marks as data
    Encoding encoding = Encoding::Bytes;

    int Convert(std::string_view value, std::string& out, bool outward) const;
};

// Whether the code holds a value mark (byte 253, or U+F8FD in utf8 mode) and so is a chain.
bool HoldsValueMark(std::string_view code, Encoding encoding);

// Parses each member in the options' dialect; an empty or invalid member makes the chain invalid,
// with the error's position counted in the whole code.
bool ParseChainCode(std::string_view code, const CodeOptions& options, ChainCode& chain,
                    CodeError& error);
