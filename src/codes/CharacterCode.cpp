#include "codes/CharacterCode.h"

#include "codes/ConversionCode.h"
#include "codes/RadixDigits.h"
#include "codes/Utf8Text.h"

namespace {

constexpr unsigned char kLastByte = 255;

// A byte in two hex, three octal or eight binary digits.
std::size_t DigitsPerByte(unsigned radix) {
    return radix == 16 ? 2 : (radix == 8 ? 3 : 8);
}

int BytesToDigits(std::string_view value, unsigned radix, Encoding encoding, std::string& out) {
    const std::size_t width = DigitsPerByte(radix);
    const bool read = ForEachValueByte(
        value, encoding, [&](unsigned char byte) { AppendRadixDigits(out, byte, radix, width); });
    return read ? kStatusConverted : kStatusBadInput;
}

int DigitsToBytes(std::string_view digits, unsigned radix, Encoding encoding, std::string& out) {
    const std::size_t width = DigitsPerByte(radix);
    if (digits.size() % width != 0) {
        return kStatusBadInput;
    }
    for (std::size_t pos = 0; pos < digits.size(); pos += width) {
        // An octal group may reach 777, past a byte.
        const auto byte = ParseRadixDigits(digits.substr(pos, width), radix, kLastByte);
        if (!byte) {
            return kStatusBadInput;
        }
        AppendValueByte(out, static_cast<unsigned char>(*byte), encoding);
    }
    return kStatusConverted;
}

}  // namespace

int CharacterCode::Oconv(std::string_view value, std::string& out) const {
    return bytesInside ? BytesToDigits(value, radix, encoding, out)
                       : DigitsToBytes(value, radix, encoding, out);
}

int CharacterCode::Iconv(std::string_view value, std::string& out) const {
    return bytesInside ? DigitsToBytes(value, radix, encoding, out)
                       : BytesToDigits(value, radix, encoding, out);
}
