#include <algorithm>
#include <utility>

#include "codes/ParsedCode.h"
#include "codes/ValueText.h"

namespace {

// The codes known by name alone (after an optional 0C for MX, MO and MB).
enum class NamedCode : unsigned char {
    Hex,
    Octal,
    Binary,
    DecimalToHex,
    HexToDecimal,
    CharactersToHex,
    HexToCharacters,
    Char,
    Seq,
    IsoDate,
    IsoTime,
    PcSerial,
    ExcelSerial,
    UnixDay,
    UnixSeconds,
};

struct CodeName {
    std::string_view name;
    NamedCode code;
};

constexpr CodeName kCodeNames[] = {
    {"MX", NamedCode::Hex},
    {"MO", NamedCode::Octal},
    {"MB", NamedCode::Binary},
    {"MCDX", NamedCode::DecimalToHex},
    {"MCD", NamedCode::DecimalToHex},
    {"MCXD", NamedCode::HexToDecimal},
    {"MCX", NamedCode::HexToDecimal},
    {"MCAX", NamedCode::CharactersToHex},
    {"MCXA", NamedCode::HexToCharacters},
    {"MY", NamedCode::HexToCharacters},
    {"CHAR", NamedCode::Char},
    {"SEQ", NamedCode::Seq},
    {"ISO", NamedCode::IsoDate},
    {"ISOD", NamedCode::IsoDate},
    {"ISOT", NamedCode::IsoTime},
    {"PC", NamedCode::PcSerial},
    {"XL", NamedCode::ExcelSerial},
    {"UNIXD", NamedCode::UnixDay},
    {"UNIXS", NamedCode::UnixSeconds},
};

// How many leading characters of the code, folded, spell the name (the name's length when all).
std::size_t MatchedLength(std::string_view code, std::string_view name) {
    std::size_t length = 0;
    while (length < name.size() && length < code.size() &&
           AsciiUpper(code[length]) == name[length]) {
        ++length;
    }
    return length;
}

CodeRule Invalid(std::size_t position, std::string reason) {
    return InvalidCode{CodeError{position, std::move(reason)}};
}

unsigned RadixOf(NamedCode code) {
    return code == NamedCode::Octal ? 8 : (code == NamedCode::Binary ? 2 : 16);
}

CodeRule NamedRule(NamedCode code, bool zeroC, const CodeOptions& options) {
    const bool pick = options.dialect == Dialect::Pick;
    switch (code) {
        case NamedCode::Hex:
        case NamedCode::Octal:
        case NamedCode::Binary:
            // Pick converts characters with or without 0C; universe only with it.
            if (pick || zeroC) {
                return CharacterCode{RadixOf(code), true, options.encoding};
            }
            return RadixCode{RadixOf(code)};
        case NamedCode::CharactersToHex:
        case NamedCode::HexToCharacters:
            if (!pick) {
                return Invalid(0, "not part of the universe dialect");
            }
            return CharacterCode{16, code == NamedCode::CharactersToHex, options.encoding};
        case NamedCode::DecimalToHex:
        case NamedCode::HexToDecimal:
            return HexNumberCode{code == NamedCode::DecimalToHex};
        case NamedCode::Char:
        case NamedCode::Seq:
            return CharSeqCode{code == NamedCode::Char, options.encoding};
        case NamedCode::IsoDate:
            return MigrationCode{MigrationKind::IsoDate};
        case NamedCode::IsoTime:
            return MigrationCode{MigrationKind::IsoTime};
        case NamedCode::PcSerial:
            return MigrationCode{MigrationKind::PcSerial};
        case NamedCode::ExcelSerial:
            return MigrationCode{MigrationKind::ExcelSerial};
        case NamedCode::UnixDay:
            return MigrationCode{MigrationKind::UnixDay};
        case NamedCode::UnixSeconds:
            break;
    }
    return MigrationCode{MigrationKind::UnixSeconds};
}

CodeRule ParseNamed(CodeReader& reader, const CodeOptions& options) {
    const std::string_view code = reader.Code();
    const CodeName* found = nullptr;
    bool beginsAName = false;
    for (const CodeName& name : kCodeNames) {
        const std::size_t matched = MatchedLength(code, name.name);
        if (matched == name.name.size()) {
            if (found == nullptr || name.name.size() > found->name.size()) {
                found = &name;
            }
        } else if (matched == code.size()) {
            beginsAName = true;
        }
    }
    if (found == nullptr) {
        return beginsAName ? Invalid(code.size(), "the code ends too early")
                           : Invalid(0, "unknown code");
    }
    reader.Advance(found->name.size());
    const bool radix = found->code == NamedCode::Hex || found->code == NamedCode::Octal ||
                       found->code == NamedCode::Binary;
    bool zeroC = false;
    if (radix && reader.At('0')) {
        reader.Advance();
        if (!reader.At('C')) {
            return InvalidCode{reader.ErrorHere(reader.AtEnd() ? "the code ends too early"
                                                               : "0 must be followed by C")};
        }
        reader.Advance();
        zeroC = true;
    }
    if (!reader.AtEnd()) {
        return InvalidCode{reader.ErrorHere("unexpected character after the code")};
    }
    return NamedRule(found->code, zeroC, options);
}

template <typename Code, typename Parse>
CodeRule ParseFamily(Parse parse) {
    Code code;
    CodeError error;
    if (!parse(code, error)) {
        return InvalidCode{std::move(error)};
    }
    return code;
}

CodeRule ParseRule(CodeReader& reader, const CodeOptions& options) {
    if (reader.AtEnd()) {
        return Invalid(0, "empty code");
    }
    if (reader.At('D')) {
        reader.Advance();
        return ParseFamily<DateCode>([&](DateCode& code, CodeError& error) {
            return ParseDateCode(reader, options, code, error);
        });
    }
    if (reader.At('M') && reader.At('T', 1)) {
        reader.Advance(2);
        return ParseFamily<TimeCode>([&](TimeCode& code, CodeError& error) {
            return ParseTimeCode(reader, options.dialect, code, error);
        });
    }
    if (reader.At('M') && (reader.At('D', 1) || reader.At('L', 1) || reader.At('R', 1))) {
        return ParseFamily<MaskedDecimalCode>([&](MaskedDecimalCode& code, CodeError& error) {
            return ParseMaskedDecimalCode(reader, options.dialect, options.encoding, code, error);
        });
    }
    return ParseNamed(reader, options);
}

}  // namespace

ParsedCode ParseCodeText(std::string_view code, const CodeOptions& options) {
    CodeReader reader(code, options.encoding);
    ParsedCode parsed{ParseRule(reader, options), options.encoding};
    if (auto* invalid = std::get_if<InvalidCode>(&parsed.rule)) {
        // A mark or broken UTF-8 where the grammar stopped says more than the grammar can.
        if (const char* unfit = reader.UnfitReasonAt(invalid->error.position)) {
            invalid->error.reason = unfit;
        }
    }
    return parsed;
}
