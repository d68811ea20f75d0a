#include "win32/PanelModel.h"

namespace e2e::model {

std::optional<std::int32_t> IntegerOf(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    bool hex = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    } else if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    std::uint64_t value = 0;
    int significant = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0)
            return std::nullopt;
        if (hex) {
            if (value != 0 || digit != 0)
                ++significant;
            if (significant > 8)
                return std::nullopt;
            value = value * 16 + static_cast<std::uint64_t>(digit);
        } else {
            value = value * 10 + static_cast<std::uint64_t>(digit);
            if (value > 2147483648ULL)
                return std::nullopt;
        }
    }
    if (hex)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (negative)
        return value == 2147483648ULL ? INT32_MIN : -static_cast<std::int32_t>(value);
    if (value > 2147483647ULL)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string HexText(std::int32_t v) {
    static const char kDigits[] = "0123456789abcdef";
    std::uint32_t rest = static_cast<std::uint32_t>(v);
    std::string out;
    do {
        out.insert(out.begin(), kDigits[rest % 16]);
        rest /= 16;
    } while (rest != 0);
    return out;
}

std::string BinaryText(std::int32_t v) {
    std::string out;
    int bits = 0;
    for (std::uint32_t rest = v > 0 ? static_cast<std::uint32_t>(v) : 0; rest; rest >>= 1) {
        out.insert(out.begin(), (rest & 1) ? '1' : '0');
        if (++bits % 4 == 0)
            out.insert(out.begin(), ' ');
    }
    return out;
}

std::string ControlLetter(std::int32_t v) {
    const std::int64_t code = ((std::int64_t{v} + 64) % 256 + 256) % 256;
    return code == 0 ? std::string() : std::string(1, static_cast<char>(code));
}

std::string NotAnInteger(const std::string& text) {
    return "'" + text + "' is not a valid integer value.";
}

}  // namespace e2e::model
