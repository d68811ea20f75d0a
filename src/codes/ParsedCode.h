#pragma once
// A conversion code after parsing: the rule of its family, or why it is invalid.

#include <string_view>
#include <variant>

#include "codes/ChainCode.h"
#include "codes/CharSeqCode.h"
#include "codes/CharacterCode.h"
#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"
#include "codes/DateCode.h"
#include "codes/GroupCode.h"
#include "codes/LengthCode.h"
#include "codes/MaskedDecimalCode.h"
#include "codes/MigrationCode.h"
#include "codes/PatternCode.h"
#include "codes/RadixCode.h"
#include "codes/RangeCode.h"
#include "codes/ReplaceTextCode.h"
#include "codes/RomanCode.h"
#include "codes/TextExtractCode.h"
#include "codes/TextFilterCode.h"
#include "codes/TimeCode.h"

struct InvalidCode {
    CodeError error;
};

using CodeRule = std::variant<InvalidCode, DateCode, TimeCode, RadixCode, HexNumberCode,
                              MigrationCode, CharacterCode, CharSeqCode, MaskedDecimalCode,
                              TextFilterCode, ReplaceTextCode, RomanCode, GroupCode,
                              TextExtractCode, LengthCode, RangeCode, PatternCode, ChainCode>;

struct ParsedCode {
    CodeRule rule;
    Encoding encoding = Encoding::Bytes;
};

ParsedCode ParseCodeText(std::string_view code, const CodeOptions& options);
