#include "codes/ConversionCode.h"

#include <functional>
#include <new>
#include <type_traits>

#include "codes/Marks.h"
#include "codes/ParsedCode.h"
#include "codes/QuickConvert.h"
#include "codes/ValueText.h"

namespace {

// The codes that work on bytes see the whole value: its spaces and marks are data.
template <typename Rule>
constexpr bool kTreatsMarksAsData =
    std::is_same_v<Rule, CharacterCode> || std::is_same_v<Rule, CharSeqCode>;

// The text codes see every byte of a piece: its spaces are data.
template <typename Rule>
constexpr bool kKeepsSpaces =
    std::is_same_v<Rule, TextFilterCode> || std::is_same_v<Rule, ReplaceTextCode> ||
    std::is_same_v<Rule, GroupCode> || std::is_same_v<Rule, TextExtractCode> ||
    std::is_same_v<Rule, LengthCode> || std::is_same_v<Rule, PatternCode>;

int Failed(std::string_view value, std::string& out, bool outward, int status) {
    if (outward) {
        out.assign(value.data(), value.size());
    } else {
        out.clear();
    }
    return status;
}

int ConvertValue(const ParsedCode* parsed, std::string_view value, std::string& out, bool outward) {
    if (parsed == nullptr) {
        return Failed(value, out, outward, kStatusBadCode);
    }
    return std::visit(
        [&](const auto& rule) -> int {
            using Rule = std::decay_t<decltype(rule)>;
            if constexpr (std::is_same_v<Rule, InvalidCode>) {
                return Failed(value, out, outward, kStatusBadCode);
            } else if constexpr (kTreatsMarksAsData<Rule>) {
                out.clear();
                const int status = outward ? rule.Oconv(value, out) : rule.Iconv(value, out);
                return status == kStatusBadInput ? Failed(value, out, outward, status) : status;
            } else if constexpr (std::is_same_v<Rule, ChainCode>) {
                return rule.Convert(value, out, outward);
            } else if constexpr (kKeepsSpaces<Rule>) {
                return ConvertEachPiece(
                    value, parsed->encoding, out, [&](std::string_view piece, std::string& o) {
                        return outward ? rule.Oconv(piece, o) : rule.Iconv(piece, o);
                    });
            } else {
                return ConvertEachPiece(
                    value, parsed->encoding, out, [&](std::string_view piece, std::string& o) {
                        return ConvertPiece(piece, outward, o,
                                            [&](std::string_view text, std::string& result) {
                                                return outward ? rule.Oconv(text, result)
                                                               : rule.Iconv(text, result);
                                            });
                    });
            }
        },
        parsed->rule);
}

// Whether the value's bytes lie inside out's buffer, which converting overwrites.
bool Overlaps(std::string_view value, const std::string& out) {
    const std::less<const char*> before;
    const char* begin = out.data();
    const char* end = begin + out.size();
    return !value.empty() && !before(value.data(), begin) && before(value.data(), end);
}

int Convert(const ParsedCode* parsed, std::string_view value, std::string& out, bool outward) {
    if (Overlaps(value, out)) {
        const std::string copy(value);
        return ConvertValue(parsed, copy, out, outward);
    }
    return ConvertValue(parsed, value, out, outward);
}

const CodeError* ErrorOf(const ParsedCode* parsed) {
    if (parsed == nullptr) {
        return nullptr;
    }
    const auto* invalid = std::get_if<InvalidCode>(&parsed->rule);
    return invalid == nullptr ? nullptr : &invalid->error;
}

}  // namespace

ConversionCode::ConversionCode(std::shared_ptr<const ParsedCode> parsed)
    : parsed_(std::move(parsed)) {}

ConversionCode ConversionCode::Parse(std::string_view code, const CodeOptions& options) {
    try {
        return ConversionCode(std::make_shared<const ParsedCode>(ParseCodeText(code, options)));
    } catch (const std::bad_alloc&) {
        // Without memory there is no code; it converts nothing, as an invalid one.
        return ConversionCode(nullptr);
    }
}

bool ConversionCode::Valid() const noexcept {
    return parsed_ != nullptr && ErrorOf(parsed_.get()) == nullptr;
}

std::size_t ConversionCode::ErrorPosition() const noexcept {
    const CodeError* error = ErrorOf(parsed_.get());
    return error == nullptr ? 0 : error->position;
}

const std::string& ConversionCode::ErrorReason() const noexcept {
    // Short enough to be built without allocating.
    static const std::string kNone;
    static const std::string kNoCode = "no code";
    if (parsed_ == nullptr) {
        return kNoCode;
    }
    const CodeError* error = ErrorOf(parsed_.get());
    return error == nullptr ? kNone : error->reason;
}

bool ConversionCode::TreatsMarksAsData() const noexcept {
    if (parsed_ == nullptr) {
        return false;
    }
    return std::visit(
        [](const auto& rule) {
            using Rule = std::decay_t<decltype(rule)>;
            if constexpr (std::is_same_v<Rule, ChainCode>) {
                return rule.wholeValue;
            } else {
                return kTreatsMarksAsData<Rule>;
            }
        },
        parsed_->rule);
}

int ConversionCode::Oconv(std::string_view value, std::string& out) const {
    return Convert(parsed_.get(), value, out, true);
}

int ConversionCode::Iconv(std::string_view value, std::string& out) const {
    return Convert(parsed_.get(), value, out, false);
}

QuickPath ConversionCode::DirectOconvPath() const {
    return parsed_ != nullptr ? QuickPathOf(*parsed_) : QuickPath{};
}

std::string ConversionCode::DirectOconvBytes() const {
    return parsed_ != nullptr ? QuickPathBytes(*parsed_) : std::string();
}

int ConversionCode::AppendOconv(std::string_view value, std::string& out,
                                std::string& scratch) const {
    int status = kStatusConverted;
    if (parsed_ != nullptr && QuickOconv(*parsed_, value, out, status)) {
        return status;
    }
    status = Oconv(value, scratch);
    out.append(scratch);
    return status;
}
