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

}  // namespace

std::string MarkName(int code) {
    for (const NamedMark& mark : kMarks) {
        if (mark.code == code) {
            return mark.name;
        }
    }
    return "";
}

CharForms ReadChar(std::string_view text) {
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
