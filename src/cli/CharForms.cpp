#include "cli/CharForms.h"

#include <cstdint>

#include "base/Exception.h"
#include "convert/ConvertError.h"
#include "convert/IntegerText.h"

namespace {

struct NamedMark {
    const char* name;
    int code;
};
constexpr NamedMark kMarks[] = {{"IM", 255}, {"AM", 254},  {"FM", 254}, {"VM", 253},
                                {"SM", 252}, {"SVM", 252}, {"TM", 251}};

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsMarkName(std::string_view text, int& code) {
    for (const NamedMark& mark : kMarks) {
        const std::string_view name = mark.name;
        bool same = name.size() == text.size();
        for (std::size_t i = 0; same && i < name.size(); ++i) {
            same = Upper(text[i]) == name[i];
        }
        if (same) {
            code = mark.code;
            return true;
        }
    }
    return false;
}

CharForms FromCode(std::int32_t code) {
    CharPanelTexts texts;
    texts.Dec = IntegerToText(code);
    CharForms forms{FromDec(texts).texts, MarkName(code)};
    return forms;
}

// The byte a single UTF-8 character stands for, or -1.
int ByteOfUtf8Character(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.empty() ? 0 : text[0]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
    if (length == 0 || text.size() != length) {
        return -1;
    }
    std::uint32_t code = length == 1 ? lead : length == 2 ? lead & 0x1Fu : lead & 0x0Fu;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next >> 6) != 0x2) {
            return -1;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool shortest = length == 1 || (length == 2 && code >= 0x80) || code >= 0x800;
    if (!shortest) {
        return -1;
    }
    if (code <= 250) {
        return static_cast<int>(code);
    }
    return code >= 0xF8FB && code <= 0xF8FF ? static_cast<int>(code - 0xF8FB + 251) : -1;
}

// A byte as the UTF-8 character that stands for it.
std::string Utf8OfByte(unsigned char byte) {
    const std::uint32_t code = byte >= 251 ? 0xF8FBu + (byte - 251u) : byte;
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

CharForms InUtf8(CharForms forms) {
    std::string ascii;
    for (const char c : forms.texts.Ascii) {
        ascii += Utf8OfByte(static_cast<unsigned char>(c));
    }
    forms.texts.Ascii = ascii;
    return forms;
}

}  // namespace

std::string MarkName(int code) {
    for (const NamedMark& mark : kMarks) {
        if (mark.code == code) {
            return mark.name;
        }
    }
    return "";
}

CharForms ReadChar(std::string_view text, bool utf8) {
    if (utf8) {
        const int byte = text.size() > 1 ? ByteOfUtf8Character(text) : -1;
        if (byte >= 0) {
            CharPanelTexts texts;
            texts.Ascii = std::string(1, static_cast<char>(static_cast<unsigned char>(byte)));
            return InUtf8(CharForms{FromAscii(texts).texts, MarkName(byte)});
        }
        if (!text.empty() && static_cast<unsigned char>(text[0]) >= 0x80) {
            RaiseConvertError(text, " is not a character that stands for a byte in utf8 mode");
        }
        return InUtf8(ReadChar(text, false));
    }
    int markCode = 0;
    if (IsMarkName(text, markCode)) {
        return FromCode(markCode);
    }
    if (text.size() == 2 && text[0] == '^') {
        const char letter = Upper(text[1]);
        if (letter < '@' || letter > '_') {
            RaiseConvertError(text, " is not a control letter (^@ to ^_)");
        }
        CharPanelTexts texts;
        texts.Ctrl = std::string(1, letter);
        return CharForms{FromControl(texts).texts, ""};
    }
    if (text.size() == 1 && (text[0] < '0' || text[0] > '9')) {
        CharPanelTexts texts;
        texts.Ascii = std::string(text);
        const CharPanelResult result = FromAscii(texts);
        return CharForms{result.texts, MarkName(static_cast<unsigned char>(text[0]))};
    }
    std::int32_t code = 0;
    try {
        code = TextToInteger(text);
    } catch (const EConvertError&) {
        RaiseConvertError(text,
                          " is not a character, a code, a control letter (^J) or a mark name");
    }
    if (code < 0 || code > 255) {
        RaiseConvertError(text, " is not a character code 0 to 255");
    }
    return FromCode(code);
}
