#include "codes/CharSeqCode.h"

#include "base/DecimalText.h"
#include "codes/Utf8Text.h"
#include "codes/ValueText.h"

namespace {

constexpr unsigned char kLastByte = 255;

int NumberToByte(std::string_view value, Encoding encoding, std::string& out) {
    if (value.empty()) {
        return kStatusConverted;
    }
    const auto reading = ReadIntegerValue(value);
    if (!reading || reading->value < 0 || reading->value > kLastByte) {
        return kStatusBadInput;
    }
    AppendValueByte(out, static_cast<unsigned char>(reading->value), encoding);
    return StatusOfReading(*reading);
}

int FirstByteToNumber(std::string_view value, Encoding encoding, std::string& out) {
    if (value.empty()) {
        return kStatusConverted;
    }
    bool first = true;
    unsigned char code = 0;
    // The whole value must stand for bytes, though only the first one counts.
    const bool read = ForEachValueByte(value, encoding, [&](unsigned char byte) {
        if (first) {
            code = byte;
            first = false;
        }
    });
    if (!read) {
        return kStatusBadInput;
    }
    AppendDecimal(out, code);
    return kStatusConverted;
}

}  // namespace

int CharSeqCode::Oconv(std::string_view value, std::string& out) const {
    return numberInside ? NumberToByte(value, encoding, out)
                        : FirstByteToNumber(value, encoding, out);
}

int CharSeqCode::Iconv(std::string_view value, std::string& out) const {
    return numberInside ? FirstByteToNumber(value, encoding, out)
                        : NumberToByte(value, encoding, out);
}
