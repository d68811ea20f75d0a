// TextToInteger on any bytes agrees with a plain reading of the integer rules written here, and
// every refusal is EConvertError naming the text byte for byte. IntegerToText, IntegerToHexText
// and the two-digit field text of any number read back as that number.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "base/Exception.h"
#include "convert/IntegerText.h"

namespace {

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The rules as a user reads them: blanks, then a sign and decimal digits, or a hex prefix and hex
// digits, or decimal digits; the digits run to the end; leading zeros are free; the value fits in
// 32 bits (a hex pattern is read as signed).
std::optional<std::int32_t> ReferenceInteger(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = text.substr(start);
    bool hex = false;
    bool negative = false;
    if (rest[0] == '-' || rest[0] == '+') {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    } else if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
        hex = true;
        rest.remove_prefix(1);
    } else if (rest.size() > 1 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = true;
        rest.remove_prefix(2);
    }
    if (rest.empty()) {
        return std::nullopt;
    }
    for (char c : rest) {
        if (hex ? !IsHexDigit(c) : !IsDecimalDigit(c)) {
            return std::nullopt;
        }
    }
    const std::size_t firstSignificant = rest.find_first_not_of('0');
    const std::string significant(
        firstSignificant == std::string_view::npos ? "0" : rest.substr(firstSignificant));
    if (hex) {
        if (significant.size() > 8) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(std::stoul(significant, nullptr, 16));
    }
    if (significant.size() > 10) {
        return std::nullopt;
    }
    const long long magnitude = std::stoll(significant);
    if (magnitude > (negative ? 2147483648LL : 2147483647LL)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::int32_t> Parsed(std::string_view text) {
    try {
        return TextToInteger(text);
    } catch (const EConvertError& error) {
        const std::string expected = "'" + std::string(text) + "' is not a valid integer value";
        FuzzCheck(error.Message() == expected, "a refusal quotes the text byte for byte",
                  "text " + Escaped(text) + " gave " + Escaped(error.Message()));
        return std::nullopt;
    }
}

void CheckReadsBack(std::int32_t n) {
    const std::string decimal = IntegerToText(n);
    FuzzCheck(decimal == std::to_string(n), "IntegerToText is plain signed decimal",
              std::to_string(n) + " gave " + Escaped(decimal));
    const std::string hex = IntegerToHexText(n);
    const std::string number = std::to_string(n);
    for (const std::string& text :
         {decimal, " " + decimal, "$" + hex, "0x" + hex, "X" + hex, "00" + decimal}) {
        if (text.starts_with("00-")) {
            continue;  // a sign after zeros is no integer
        }
        const std::optional<std::int32_t> back = Parsed(text);
        FuzzCheck(back == n, "an integer's texts read back as the integer",
                  number + " written as " + Escaped(text));
    }
    FuzzCheck(hex.size() <= 8 && (hex.size() == 1 || hex[0] != '0'),
              "IntegerToHexText has no leading zeros", number + " gave " + Escaped(hex));
    const int field = static_cast<int>(static_cast<std::uint32_t>(n) % 100);
    const std::string fieldText = TwoDigitFieldText(field);
    FuzzCheck(fieldText.size() == 2 && Parsed(fieldText) == field,
              "a two-digit field is two characters that read back",
              std::to_string(field) + " gave " + Escaped(fieldText));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> value = Parsed(text);
    const std::optional<std::int32_t> expected = ReferenceInteger(text);
    FuzzCheck(value == expected, "TextToInteger follows the integer rules",
              Escaped(text) + " gave " + (value ? std::to_string(*value) : "a refusal") +
                  ", the rules say " + (expected ? std::to_string(*expected) : "a refusal"));
    if (value) {
        CheckReadsBack(*value);
    }
    // Any 32-bit number, not only those the parser accepted, writes and reads back.
    std::uint32_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    CheckReadsBack(static_cast<std::int32_t>(bits));
    return 0;
}
