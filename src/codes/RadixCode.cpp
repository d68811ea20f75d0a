#include "codes/RadixCode.h"

#include <cstdint>

#include "base/DecimalText.h"
#include "codes/ConversionCode.h"
#include "codes/RadixDigits.h"
#include "codes/ValueText.h"

namespace {

constexpr std::int64_t kLowestWord = INT32_MIN;
constexpr std::int64_t kHighestWord = UINT32_MAX;

int DecimalToHex(std::string_view text, std::string& out) {
    const auto reading = ReadIntegerValue(text);
    if (!reading) {
        return kStatusBadInput;
    }
    const std::int64_t value = reading->value;
    if (value < 0) {
        out.push_back('-');
    }
    // |value| <= INT64_MAX, so its magnitude is exact.
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    AppendRadixDigits(out, magnitude, 16);
    return StatusOfReading(*reading);
}

int HexToDecimal(std::string_view text, std::string& out) {
    const bool negative = text[0] == '-';
    if (negative || text[0] == '+') {
        text.remove_prefix(1);
    }
    const auto magnitude =
        ParseRadixDigits(text, 16, static_cast<std::uint64_t>(kLargestMagnitude));
    if (!magnitude) {
        return kStatusBadInput;
    }
    const auto value = static_cast<std::int64_t>(*magnitude);
    AppendSignedDecimal(out, negative ? -value : value);
    return kStatusConverted;
}

}  // namespace

int RadixCode::Oconv(std::string_view text, std::string& out) const {
    const auto reading = ReadIntegerValue(text);
    if (!reading || reading->value < kLowestWord || reading->value > kHighestWord) {
        return kStatusBadInput;
    }
    // Negatives are written as their 32-bit two's complement pattern.
    const auto pattern = static_cast<std::uint32_t>(reading->value);
    AppendRadixDigits(out, pattern, radix);
    return StatusOfReading(*reading);
}

int RadixCode::Iconv(std::string_view text, std::string& out) const {
    const auto value = ParseRadixDigits(text, radix, UINT32_MAX);
    if (!value) {
        return kStatusBadInput;
    }
    // Patterns from 2^31 up are the negatives of 32-bit two's complement.
    AppendSignedDecimal(out, static_cast<std::int32_t>(static_cast<std::uint32_t>(*value)));
    return kStatusConverted;
}

int HexNumberCode::Oconv(std::string_view text, std::string& out) const {
    return decimalInside ? DecimalToHex(text, out) : HexToDecimal(text, out);
}

int HexNumberCode::Iconv(std::string_view text, std::string& out) const {
    return decimalInside ? HexToDecimal(text, out) : DecimalToHex(text, out);
}
