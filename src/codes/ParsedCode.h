#pragma once
// A conversion code after parsing: the rule of its family, or why it is invalid.

#include <string_view>
#include <variant>

#include "codes/CharSeqCode.h"
#include "codes/CharacterCode.h"
#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"
#include "codes/DateCode.h"
#include "codes/MaskedDecimalCode.h"
#include "codes/MigrationCode.h"
#include "codes/RadixCode.h"
#include "codes/TimeCode.h"

struct InvalidCode {
    CodeError error;
};

using CodeRule = std::variant<InvalidCode, DateCode, TimeCode, RadixCode, HexNumberCode,
                              MigrationCode, CharacterCode, CharSeqCode, MaskedDecimalCode>;

struct ParsedCode {
    CodeRule rule;
    Encoding encoding = Encoding::Bytes;
};

ParsedCode ParseCodeText(std::string_view code, const CodeOptions& options);
