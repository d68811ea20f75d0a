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
    Filter,
    RomanOut,  // OCONV writes a numeral: pick MCDR
    RomanIn,   // OCONV reads a numeral: pick MCRD
    UniverseRoman,
};

// The one dialect that has a code, if only one has it.
enum class OnlyIn : unsigned char { Either, Pick, Universe };

struct CodeName {
    std::string_view name;
    NamedCode code;
    OnlyIn onlyIn = OnlyIn::Either;
    TextFilter filter = TextFilter::Upper;  // for NamedCode::Filter
};

constexpr CodeName kCodeNames[] = {
    {"MX", NamedCode::Hex},
    {"MO", NamedCode::Octal},
    {"MB", NamedCode::Binary},
    {"MCDX", NamedCode::DecimalToHex},
    {"MCD", NamedCode::DecimalToHex},
    {"MCXD", NamedCode::HexToDecimal},
    {"MCX", NamedCode::HexToDecimal},
    {"MCAX", NamedCode::CharactersToHex, OnlyIn::Pick},
    {"MCXA", NamedCode::HexToCharacters, OnlyIn::Pick},
    {"MY", NamedCode::HexToCharacters, OnlyIn::Pick},
    {"CHAR", NamedCode::Char},
    {"SEQ", NamedCode::Seq},
    {"ISO", NamedCode::IsoDate},
    {"ISOD", NamedCode::IsoDate},
    {"ISOT", NamedCode::IsoTime},
    {"PC", NamedCode::PcSerial},
    {"XL", NamedCode::ExcelSerial},
    {"UNIXD", NamedCode::UnixDay},
    {"UNIXS", NamedCode::UnixSeconds},
    {"MCU", NamedCode::Filter, OnlyIn::Either, TextFilter::Upper},
    {"MCL", NamedCode::Filter, OnlyIn::Either, TextFilter::Lower},
    {"MCT", NamedCode::Filter, OnlyIn::Either, TextFilter::Title},
    {"MCA", NamedCode::Filter, OnlyIn::Either, TextFilter::KeepLetters},
    {"MC/A", NamedCode::Filter, OnlyIn::Either, TextFilter::DropLetters},
    {"MCN", NamedCode::Filter, OnlyIn::Either, TextFilter::KeepDigits},
    {"MC/N", NamedCode::Filter, OnlyIn::Either, TextFilter::DropDigits},
    {"MCB", NamedCode::Filter, OnlyIn::Pick, TextFilter::KeepLettersDigits},
    {"MC/B", NamedCode::Filter, OnlyIn::Pick, TextFilter::DropLettersDigits},
    {"MCAN", NamedCode::Filter, OnlyIn::Universe, TextFilter::KeepLettersDigits},
    {"MC/AN", NamedCode::Filter, OnlyIn::Universe, TextFilter::DropLettersDigits},
    {"MCDR", NamedCode::RomanOut, OnlyIn::Pick},
    {"MCRD", NamedCode::RomanIn, OnlyIn::Pick},
    {"MCR", NamedCode::RomanIn, OnlyIn::Pick},
    {"NR", NamedCode::UniverseRoman, OnlyIn::Universe},
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

CodeRule NamedRule(const CodeName& name, bool zeroC, const CodeOptions& options) {
    const bool pick = options.dialect == Dialect::Pick;
    if (name.onlyIn == (pick ? OnlyIn::Universe : OnlyIn::Pick)) {
        return Invalid(0,
                       pick ? "not part of the pick dialect" : "not part of the universe dialect");
    }
    const NamedCode code = name.code;
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
        case NamedCode::Filter:
            return TextFilterCode{name.filter, options.dialect, {{'.'}, 1}, options.encoding};
        case NamedCode::RomanOut:
        case NamedCode::RomanIn:
            return RomanCode{RomanLetters::Pick, code == NamedCode::RomanOut};
        case NamedCode::UniverseRoman:
            return RomanCode{RomanLetters::Universe, true};
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
    return NamedRule(*found, zeroC, options);
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

// The text, range and pattern codes whose letters take arguments: MCP, MCC, G, T, L, R and P
// (but not PC). False, with rule untouched, for any other code.
bool ParseTextRule(CodeReader& reader, const CodeOptions& options, CodeRule& rule) {
    const char first = reader.Upper();
    if (first == 'M' && reader.At('C', 1) && reader.At('P', 2)) {
        reader.Advance(3);
        rule = ParseFamily<TextFilterCode>([&](auto& code, CodeError& error) {
            return ParsePrintableCode(reader, options.encoding, code, error);
        });
        return true;
    }
    if (first == 'M' && reader.At('C', 1) && reader.At('C', 2)) {
        if (options.dialect != Dialect::Pick) {
            rule = Invalid(0, "not part of the universe dialect");
            return true;
        }
        reader.Advance(3);
        rule = ParseFamily<ReplaceTextCode>([&](auto& code, CodeError& error) {
            return ParseReplaceTextCode(reader, code, error);
        });
        return true;
    }
    if (first == 'P' && reader.At('C', 1)) {
        return false;  // the PC serial
    }
    switch (first) {
        case 'G':
            reader.Advance();
            rule = ParseFamily<GroupCode>(
                [&](auto& code, CodeError& error) { return ParseGroupCode(reader, code, error); });
            return true;
        case 'T':
            reader.Advance();
            rule = ParseFamily<TextExtractCode>([&](auto& code, CodeError& error) {
                return ParseTextExtractCode(reader, options, code, error);
            });
            return true;
        case 'L':
            reader.Advance();
            rule = ParseFamily<LengthCode>([&](auto& code, CodeError& error) {
                return ParseLengthCode(reader, options.encoding, code, error);
            });
            return true;
        case 'R':
            reader.Advance();
            rule = ParseFamily<RangeCode>([&](auto& code, CodeError& error) {
                return ParseRangeCode(reader, options.dialect, code, error);
            });
            return true;
        case 'P':
            reader.Advance();
            rule = ParseFamily<PatternCode>([&](auto& code, CodeError& error) {
                return ParsePatternCode(reader, options, code, error);
            });
            return true;
        default:
            return false;
    }
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
    if (CodeRule rule; ParseTextRule(reader, options, rule)) {
        return rule;
    }
    return ParseNamed(reader, options);
}

}  // namespace

ParsedCode ParseCodeText(std::string_view code, const CodeOptions& options) {
    if (HoldsValueMark(code, options.encoding)) {
        return {ParseFamily<ChainCode>([&](ChainCode& chain, CodeError& error) {
                    return ParseChainCode(code, options, chain, error);
                }),
                options.encoding};
    }
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
