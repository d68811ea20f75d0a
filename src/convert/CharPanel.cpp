#include "convert/CharPanel.h"

#include <cstdint>

#include "convert/DigitKeyFilter.h"
#include "convert/IntegerText.h"

namespace {

// A byte's code 0..255 whatever the signedness of char.
int Code(char c) {
    return static_cast<unsigned char>(c);
}

// The one-character text of a code 0..255.
std::string CharacterText(std::int32_t code) {
    return std::string(1, static_cast<char>(static_cast<unsigned char>(code)));
}

// Records the writes of one operation, in order.
class Writer {
  public:
    explicit Writer(const CharPanelTexts& texts) { result_.texts = texts; }

    Writer& Set(CharField field, std::string text) {
        FieldText(result_.texts, field) = std::move(text);
        result_.written.push_back(field);
        return *this;
    }

    // An empty source field empties all five, in the panel's field order.
    Writer& EmptyAll() {
        for (CharField field : {CharField::cfAscii, CharField::cfDec, CharField::cfHex,
                                CharField::cfBinary, CharField::cfCtrl}) {
            Set(field, "");
        }
        return *this;
    }

    CharPanelResult Result() { return std::move(result_); }

  private:
    CharPanelResult result_;
};

// Ascii and Ctrl for a value: a control letter below 32, the character itself up to 127, and
// neither from 128 on. The write order depends on the branch.
void SetAsciiAndCtrl(Writer& writer, std::int32_t v) {
    if (v < 32) {
        writer.Set(CharField::cfCtrl, ControlLetter(v)).Set(CharField::cfAscii, "");
    } else {
        writer.Set(CharField::cfAscii, v < 128 ? CharacterText(v) : "").Set(CharField::cfCtrl, "");
    }
}

// A Hex character's digit value: '0'..'9' give 0..9 and 'a'..'z' give 10..35. Pasted text can hold
// any byte; its value then follows the same arithmetic (from -48 up to 168), which int holds.
std::int32_t HexDigitValue(char c) {
    const int code = Code(c);
    return code <= '9' ? code - 48 : code - 87;
}

}  // namespace

const std::string& FieldText(const CharPanelTexts& texts, CharField field) {
    switch (field) {
        case CharField::cfAscii:
            return texts.Ascii;
        case CharField::cfDec:
            return texts.Dec;
        case CharField::cfHex:
            return texts.Hex;
        case CharField::cfBinary:
            return texts.Binary;
        case CharField::cfCtrl:
            break;
    }
    return texts.Ctrl;
}

std::string& FieldText(CharPanelTexts& texts, CharField field) {
    return const_cast<std::string&>(FieldText(static_cast<const CharPanelTexts&>(texts), field));
}

CharPanelResult FromAscii(const CharPanelTexts& texts) {
    Writer writer(texts);
    writer.Set(CharField::cfCtrl, "");
    if (texts.Ascii.size() > 1) {
        writer.Set(CharField::cfAscii, texts.Ascii.substr(texts.Ascii.size() - 1));
    }
    if (texts.Ascii.empty()) {
        return writer.Set(CharField::cfDec, "")
            .Set(CharField::cfHex, "")
            .Set(CharField::cfBinary, "")
            .Result();
    }
    const std::int32_t c = Code(texts.Ascii.back());
    return writer.Set(CharField::cfDec, IntegerToText(c))
        .Set(CharField::cfHex, IntegerToHexText(c))
        .Set(CharField::cfBinary, BinaryText(c))
        .Result();
}

CharPanelResult FromDec(const CharPanelTexts& texts) {
    Writer writer(texts);
    if (texts.Dec.empty()) {
        return writer.EmptyAll().Result();
    }
    const std::int32_t v = TextToInteger(texts.Dec);
    if (v > 127) {
        writer.Set(CharField::cfAscii, "").Set(CharField::cfCtrl, "");
    } else {
        SetAsciiAndCtrl(writer, v);
    }
    return writer.Set(CharField::cfHex, IntegerToHexText(v))
        .Set(CharField::cfBinary, BinaryText(v))
        .Result();
}

CharPanelResult FromHex(const CharPanelTexts& texts) {
    Writer writer(texts);
    if (texts.Hex.empty()) {
        return writer.EmptyAll().Result();
    }
    std::int32_t v = HexDigitValue(texts.Hex[0]);
    if (texts.Hex.size() >= 2) {
        v = 16 * v + HexDigitValue(texts.Hex[1]);
    }
    writer.Set(CharField::cfDec, IntegerToText(v));
    SetAsciiAndCtrl(writer, v);
    return writer.Set(CharField::cfHex, IntegerToHexText(v))
        .Set(CharField::cfBinary, BinaryText(v))
        .Result();
}

CharPanelResult FromControl(const CharPanelTexts& texts) {
    Writer writer(texts);
    if (texts.Ctrl.empty()) {
        return writer.EmptyAll().Result();
    }
    const std::int32_t v = Code(texts.Ctrl[0]) - 64;
    return writer.Set(CharField::cfDec, IntegerToText(v))
        .Set(CharField::cfAscii, "")
        .Set(CharField::cfHex, IntegerToHexText(v))
        .Set(CharField::cfBinary, BinaryText(v))
        .Result();
}

CharPanelResult AsciiKeyDown(const CharPanelTexts& texts) {
    return Writer(texts).Set(CharField::cfAscii, "").Result();
}

KeyVerdict FilterDecKey(char key) {
    return FilterDigitKey(key);
}

KeyVerdict FilterHexKey(const KeyDownArgs& key, const std::string& hex) {
    if (key.key == kVkBack) {
        return {KeyVerdictKind::kvPass};
    }
    if (hex.size() >= 2) {
        return {KeyVerdictKind::kvRefuse};
    }
    // A digit is what the key types, not which key it is: Shift with a digit key types
    // punctuation, and a key pad digit types a digit.
    const int typed = Code(key.typedChar);
    if (typed >= '0' && typed <= '9') {
        return {KeyVerdictKind::kvPass};
    }
    if (key.key >= kVkA && key.key <= kVkZ) {
        return {KeyVerdictKind::kvReplace, static_cast<char>('a' + (key.key - kVkA))};
    }
    return {KeyVerdictKind::kvRefuse};
}

CharKeyResult FilterControlKey(char key, const CharPanelTexts& texts) {
    CharKeyResult result{{}, Writer(texts).Set(CharField::cfCtrl, "").Result()};
    const int code = Code(key);
    if (code >= 'a' && code <= 'z') {
        result.verdict = {KeyVerdictKind::kvReplace, static_cast<char>(code - 'a' + 'A')};
    } else if (code >= 64 && code <= 95) {
        result.verdict = {KeyVerdictKind::kvPass};
    }
    return result;
}

std::string BinaryText(std::int32_t v) {
    std::string text;
    int bits = 0;
    for (std::uint32_t rest = v > 0 ? static_cast<std::uint32_t>(v) : 0; rest != 0; rest >>= 1) {
        text.insert(text.begin(), (rest & 1U) != 0 ? '1' : '0');
        if (++bits % 4 == 0) {
            text.insert(text.begin(), ' ');
        }
    }
    return text;
}

std::string ControlLetter(std::int32_t v) {
    // In 64 bits v + 64 cannot overflow, and the remainder is made non-negative so that negative
    // values wrap the same way as positive ones (-5 gives ';').
    const std::int64_t code = ((std::int64_t{v} + 64) % 256 + 256) % 256;
    if (code == 0) {
        return "";
    }
    return CharacterText(static_cast<std::int32_t>(code));
}

CharPanelTexts CharPanel::Read() const {
    return CharPanelTexts{view_.Text(CharField::cfAscii), view_.Text(CharField::cfDec),
                          view_.Text(CharField::cfHex), view_.Text(CharField::cfBinary),
                          view_.Text(CharField::cfCtrl)};
}

void CharPanel::Write(const CharPanelResult& result) {
    for (CharField field : result.written) {
        view_.SetText(field, FieldText(result.texts, field));
    }
}

void CharPanel::editAsciiKeyDown(KeyDownArgs&) {
    Write(AsciiKeyDown(Read()));
}

void CharPanel::editAsciiKeyUp() {
    Write(FromAscii(Read()));
}

void CharPanel::editDecKeyPress(char& key) {
    ApplyKeyVerdict(FilterDecKey(key), key);
}

void CharPanel::editDecKeyUp() {
    Write(FromDec(Read()));
}

void CharPanel::editHexKeyDown(KeyDownArgs& key) {
    ApplyKeyVerdict(FilterHexKey(key, view_.Text(CharField::cfHex)), key);
}

void CharPanel::editHexKeyUp() {
    Write(FromHex(Read()));
}

void CharPanel::editControlKeyPress(char& key) {
    const CharKeyResult result = FilterControlKey(key, Read());
    Write(result.panel);
    ApplyKeyVerdict(result.verdict, key);
}

void CharPanel::editControlKeyUp() {
    Write(FromControl(Read()));
}
