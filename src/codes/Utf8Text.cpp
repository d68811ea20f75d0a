#include "codes/Utf8Text.h"

namespace {

// The private-use block of the marks: U+F8FB..U+F8FF are EF A3 BB..EF A3 BF.
constexpr unsigned char kMarkLead = 0xEF;
constexpr unsigned char kMarkSecond = 0xA3;
constexpr unsigned char kFirstMarkLast = 0xBB;
constexpr unsigned char kFirstMarkByte = 251;
constexpr unsigned char kLastPlainByte = 250;

unsigned char ByteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

bool InRange(std::string_view text, std::size_t pos, unsigned char low, unsigned char high) {
    if (pos >= text.size()) {
        return false;
    }
    const unsigned char b = ByteAt(text, pos);
    return b >= low && b <= high;
}

}  // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return 0;
    }
    const unsigned char lead = ByteAt(text, pos);
    // The second byte's range depends on the lead, which rules out overlong forms, surrogates
    // and code points past U+10FFFF; later bytes are plain continuation bytes.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    std::size_t length = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) {
            low = 0xA0;
        } else if (lead == 0xED) {
            high = 0x9F;
        }
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) {
            low = 0x90;
        } else if (lead == 0xF4) {
            high = 0x8F;
        }
    } else {
        return 0;
    }
    if (!InRange(text, pos + 1, low, high)) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!InRange(text, pos + i, 0x80, 0xBF)) {
            return 0;
        }
    }
    return length;
}

std::size_t Utf8MarkLength(std::string_view text, std::size_t pos) {
    if (pos + 2 < text.size() && ByteAt(text, pos) == kMarkLead &&
        ByteAt(text, pos + 1) == kMarkSecond && ByteAt(text, pos + 2) >= kFirstMarkLast) {
        return 3;
    }
    return 0;
}

ByteCharacter ByteCharacterAt(std::string_view text, std::size_t pos) {
    const unsigned char lead = ByteAt(text, pos);
    if (lead < 0x80) {
        return {lead, 1};
    }
    if ((lead == 0xC2 || lead == 0xC3) && InRange(text, pos + 1, 0x80, 0xBF)) {
        const unsigned code = ((lead & 0x1Fu) << 6) | (ByteAt(text, pos + 1) & 0x3Fu);
        if (code <= kLastPlainByte) {
            return {static_cast<unsigned char>(code), 2};
        }
        return {};
    }
    if (Utf8MarkLength(text, pos) != 0) {
        return {
            static_cast<unsigned char>(kFirstMarkByte + (ByteAt(text, pos + 2) - kFirstMarkLast)),
            3};
    }
    return {};
}

void AppendValueByte(std::string& out, unsigned char byte, Encoding encoding) {
    if (encoding == Encoding::Bytes || byte < 0x80) {
        out.push_back(static_cast<char>(byte));
    } else if (byte <= kLastPlainByte) {
        out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
        out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    } else {
        out.push_back(static_cast<char>(kMarkLead));
        out.push_back(static_cast<char>(kMarkSecond));
        out.push_back(static_cast<char>(kFirstMarkLast + (byte - kFirstMarkByte)));
    }
}
