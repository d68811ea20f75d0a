#pragma once
// The panels' rules as the soak checks them: written here on their own, from what the program
// must do, so that the program's texts are checked against an independent account of them.
#include <cstdint>
#include <optional>
#include <string>

namespace e2e::model {

inline constexpr std::int64_t kPickEpochOffset = 24837;
// The days the date picker shows, as PC day serials: 14 September 1752 to 30 December 9999.
inline constexpr std::int64_t kFirstPickerDay = -53797;
inline constexpr std::int64_t kLastPickerDay = 2958464;

// The integer a text holds by the program's integer rule, or nothing: leading blanks, a sign
// straight before decimal digits, or $, x, X, 0x, 0X before at most eight significant hex digits;
// the signed 32-bit range.
std::optional<std::int32_t> IntegerOf(const std::string& text);
std::string HexText(std::int32_t v);     // lower case, the 32-bit pattern, no leading zeros
std::string BinaryText(std::int32_t v);  // groups of four from the right; empty for v <= 0
std::string ControlLetter(std::int32_t v);
std::string NotAnInteger(const std::string& text);

}  // namespace e2e::model
