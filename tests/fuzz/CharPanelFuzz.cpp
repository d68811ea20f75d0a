// The character panel over a view, fed random keys typed into its four fields and random text
// pasted into them. Each key rule's verdict is the one the panel's rules give; after every
// release the five fields agree: Dec, Hex and Binary show one value, Hex in canonical form, Ascii
// and Ctrl as that value's character and control letter, an empty source empties all five; a Dec
// text that is no integer raises EConvertError naming it and changes nothing. While nothing was
// pasted, Dec holds only digits and Ctrl at most one character.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/Exception.h"
#include "base/Keys.h"
#include "convert/CharPanel.h"
#include "convert/IntegerText.h"

namespace {

using View = FuzzPanelView<CharField, 5>;
using F = CharField;

int Code(char c) {
    return static_cast<unsigned char>(c);
}

std::string Show(const View& view) {
    return "Ascii " + Escaped(view.texts[0]) + " Dec " + Escaped(view.texts[1]) + " Hex " +
           Escaped(view.texts[2]) + " Binary " + Escaped(view.texts[3]) + " Ctrl " +
           Escaped(view.texts[4]);
}

bool AllEmpty(View& view) {
    for (const std::string& text : view.texts) {
        if (!text.empty()) {
            return false;
        }
    }
    return true;
}

// Binary: empty for v <= 0; otherwise v's binary digits from a leading 1, a blank before every
// fourth digit counted from the right.
bool BinaryShows(const std::string& binary, std::int32_t v) {
    if (v <= 0) {
        return binary.empty();
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < binary.size(); ++i) {
        const std::size_t fromRight = binary.size() - 1 - i;
        const char c = binary[i];
        if (fromRight % 5 == 4) {
            if (c != ' ') {
                return false;
            }
            continue;
        }
        if ((c != '0' && c != '1') || (digits == 0 && c != '1')) {
            return false;
        }
        value = value * 2 + (c - '0');
        ++digits;
    }
    return value == v;
}

// Hex: lower case, no leading zeros, and the value's 32-bit pattern.
bool HexShows(const std::string& hex, std::int32_t v) {
    if (hex.empty() || hex.size() > 8 || (hex.size() > 1 && hex[0] == '0')) {
        return false;
    }
    for (char c : hex) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return TextToInteger("$" + hex) == v;
}

// Below 32 the control letter, the character of code (v + 64) mod 256 (none for code 0), and no
// character; up to 127 the character itself and no letter; from 128 on neither.
bool AsciiAndCtrlShow(View& view, std::int32_t v) {
    const std::string& ascii = view[F::cfAscii];
    const std::string& ctrl = view[F::cfCtrl];
    if (v < 32) {
        const std::int64_t code = ((std::int64_t{v} + 64) % 256 + 256) % 256;
        const bool letter = code == 0 ? ctrl.empty() : ctrl.size() == 1 && Code(ctrl[0]) == code;
        return ascii.empty() && letter;
    }
    if (v < 128) {
        return ascii.size() == 1 && Code(ascii[0]) == v && ctrl.empty();
    }
    return ascii.empty() && ctrl.empty();
}

template <class Detail>
void CheckShowsValue(View& view, std::int32_t v, const Detail& context) {
    FuzzCheck(HexShows(view[F::cfHex], v), "Hex shows the value in canonical form", context);
    FuzzCheck(BinaryShows(view[F::cfBinary], v), "Binary shows the value", context);
}

// A Hex character's value: digits 0 to 9, then a = 10 on through the alphabet and beyond.
std::int32_t HexCharValue(char c) {
    return Code(c) <= '9' ? Code(c) - '0' : Code(c) - 'a' + 10;
}

void ReleaseIn(CharPanel& panel, View& view, F field) {
    const View before = view;
    const auto context = [&] { return "before " + Show(before); };
    view.writes = 0;
    switch (field) {
        case F::cfAscii: {
            panel.editAsciiKeyUp();
            const auto shown = [&] { return "after " + Show(view) + ", " + context(); };
            const std::string& old = before.texts[0];
            FuzzCheck(view[F::cfCtrl].empty(), "a release in Ascii empties Ctrl", shown);
            FuzzCheck(view[F::cfAscii] == (old.empty() ? "" : old.substr(old.size() - 1)),
                      "Ascii keeps its last character", shown);
            if (old.empty()) {
                FuzzCheck(AllEmpty(view), "an empty Ascii empties the panel", shown);
                return;
            }
            const std::int32_t v = Code(old.back());
            FuzzCheck(view[F::cfDec] == std::to_string(v), "Dec shows Ascii's code", shown);
            CheckShowsValue(view, v, shown);
            return;
        }
        case F::cfDec: {
            std::int32_t v = 0;
            try {
                panel.editDecKeyUp();
            } catch (const EConvertError& error) {
                FuzzCheck(view.writes == 0 && view.texts == before.texts,
                          "a refused Dec changes nothing", context);
                FuzzCheck(
                    error.Message() == "'" + before.texts[1] + "' is not a valid integer value",
                    "the refusal names the Dec text", context);
                return;
            }
            const auto shown = [&] { return "after " + Show(view) + ", " + context(); };
            if (before.texts[1].empty()) {
                FuzzCheck(AllEmpty(view), "an empty Dec empties the panel", shown);
                return;
            }
            v = TextToInteger(before.texts[1]);
            FuzzCheck(view[F::cfDec] == before.texts[1], "Dec is never rewritten", shown);
            FuzzCheck(AsciiAndCtrlShow(view, v), "Ascii and Ctrl follow Dec", shown);
            CheckShowsValue(view, v, shown);
            return;
        }
        case F::cfHex: {
            panel.editHexKeyUp();
            const auto shown = [&] { return "after " + Show(view) + ", " + context(); };
            const std::string& old = before.texts[2];
            if (old.empty()) {
                FuzzCheck(AllEmpty(view), "an empty Hex empties the panel", shown);
                return;
            }
            const std::int32_t v = old.size() == 1
                                       ? HexCharValue(old[0])
                                       : 16 * HexCharValue(old[0]) + HexCharValue(old[1]);
            FuzzCheck(view[F::cfDec] == std::to_string(v), "Dec shows Hex's first two digits",
                      shown);
            FuzzCheck(AsciiAndCtrlShow(view, v), "Ascii and Ctrl follow Hex", shown);
            CheckShowsValue(view, v, shown);
            if (v >= 0 && v <= 255) {
                const View once = view;
                panel.editHexKeyUp();
                FuzzCheck(view.texts == once.texts, "a canonical Hex converts to itself", shown);
            }
            return;
        }
        case F::cfBinary:
            return;
        case F::cfCtrl: {
            panel.editControlKeyUp();
            const auto shown = [&] { return "after " + Show(view) + ", " + context(); };
            const std::string& old = before.texts[4];
            if (old.empty()) {
                FuzzCheck(AllEmpty(view), "an empty Ctrl empties the panel", shown);
                return;
            }
            const std::int32_t v = Code(old[0]) - 64;
            FuzzCheck(view[F::cfDec] == std::to_string(v), "Dec shows Ctrl's code less 64", shown);
            FuzzCheck(view[F::cfAscii].empty() && view[F::cfCtrl] == old,
                      "Ctrl stays and Ascii empties", shown);
            CheckShowsValue(view, v, shown);
            return;
        }
    }
}

// An edit takes a typed character at its end; Backspace takes the last one away.
void Type(std::string& text, char typed) {
    if (typed == '\b') {
        if (!text.empty()) {
            text.pop_back();
        }
    } else if (typed != 0) {
        text += typed;
    }
}

void TypeInAscii(CharPanel& panel, View& view, TKey key, char typed) {
    const View before = view;
    KeyDownArgs args{key, typed};
    panel.editAsciiKeyDown(args);
    FuzzCheck(view[F::cfAscii].empty() && args.key == key && args.typedChar == typed,
              "any key down in Ascii empties it and then acts", [&] { return Show(view); });
    view[F::cfAscii] = before.texts[0];
    FuzzCheck(view.texts == before.texts, "a key down in Ascii touches only Ascii",
              [&] { return Show(view); });
    view[F::cfAscii].clear();
    Type(view[F::cfAscii], typed);
}

void TypeInDec(CharPanel& panel, View& view, char typed) {
    char key = typed;
    panel.editDecKeyPress(key);
    const bool passes = typed == '\b' || (typed >= '0' && typed <= '9');
    FuzzCheck(key == (passes ? typed : '\0'), "Dec takes only Backspace and digits",
              [&] { return "typed " + std::to_string(Code(typed)); });
    Type(view[F::cfDec], key);
}

void TypeInHex(CharPanel& panel, View& view, TKey key, char typed) {
    const std::string hex = view[F::cfHex];
    KeyDownArgs args{key, typed};
    panel.editHexKeyDown(args);
    KeyDownArgs expected{key, typed};
    if (key == kVkBack) {
    } else if (hex.size() >= 2) {
        expected.key = 0;
    } else if (typed >= '0' && typed <= '9') {
    } else if (key >= kVkA && key <= kVkZ) {
        expected.typedChar = static_cast<char>('a' + (key - kVkA));
    } else {
        expected.key = 0;
    }
    FuzzCheck(args.key == expected.key && args.typedChar == expected.typedChar, "Hex's key rule",
              [&] {
                  return "key " + std::to_string(key) + " typing " + std::to_string(Code(typed)) +
                         " in Hex " + Escaped(hex);
              });
    if (args.key == 0) {
        return;
    }
    Type(view[F::cfHex], key == kVkBack ? '\b' : args.typedChar);
}

void TypeInCtrl(CharPanel& panel, View& view, char typed) {
    char key = typed;
    panel.editControlKeyPress(key);
    const int code = Code(typed);
    const char expected = code >= 'a' && code <= 'z' ? static_cast<char>(code - 'a' + 'A')
                          : code >= 64 && code <= 95 ? typed
                                                     : '\0';
    FuzzCheck(view[F::cfCtrl].empty() && key == expected,
              "Ctrl empties and takes @, letters and [ \\ ] ^ _",
              [&] { return "typed " + std::to_string(code); });
    Type(view[F::cfCtrl], key);
}

void CheckTypedOnly(View& view) {
    for (char c : view[F::cfDec]) {
        FuzzCheck(c >= '0' && c <= '9', "typed Dec holds only digits", [&] { return Show(view); });
    }
    FuzzCheck(view[F::cfCtrl].size() <= 1, "typed Ctrl holds at most one character",
              [&] { return Show(view); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static constexpr TKey kKeys[] = {kVkBack, kVkTab,   kVkReturn, kVkShift, kVkControl,
                                     kVkMenu, kVkSpace, kVkEnd,    kVkHome,  kVkLeft,
                                     kVkUp,   kVkRight, kVkDown,   kVkDelete};
    static constexpr F kFields[] = {F::cfAscii, F::cfDec, F::cfHex, F::cfCtrl};
    FuzzInput input(data, size);
    View view;
    CharPanel panel(view);
    bool pasted = false;
    for (int steps = 0; steps < 64 && !input.Empty(); ++steps) {
        const std::uint8_t op = input.Byte();
        const F field = kFields[op % 4];
        // A letter or digit key typing its character most of the time, or another key, or any key
        // code typing any byte.
        const std::uint8_t choice = input.Byte();
        const std::uint8_t typing = input.Byte();
        TKey key = 0;
        char typed = static_cast<char>(typing);
        if (choice < 128) {
            const bool letter = choice % 2 != 0;
            key = static_cast<TKey>(letter ? kVkA + choice / 2 % 26 : kVk0 + choice / 2 % 10);
            if (typing < 160) {
                const char lower = letter ? static_cast<char>('a' + (key - kVkA)) : '\0';
                typed = letter ? (typing % 2 != 0 ? static_cast<char>(key) : lower)
                               : static_cast<char>(key);
            }
        } else if (choice < 192) {
            key = input.Pick(kKeys);
        } else {
            key = input.Range<TKey>(0, 0xFFFF);
        }
        switch (op / 4 % 4) {
            case 0:
            case 1:
                if (field == F::cfAscii) {
                    TypeInAscii(panel, view, key, typed);
                } else if (field == F::cfDec) {
                    TypeInDec(panel, view, typed);
                } else if (field == F::cfHex) {
                    TypeInHex(panel, view, key, typed);
                } else {
                    TypeInCtrl(panel, view, typed);
                }
                break;
            case 2:
                // Pasted through the field's own menu: no key rule sees it.
                view[field] = input.Text(12);
                pasted = true;
                break;
            default:
                // Tab into the field: only its release arrives.
                break;
        }
        ReleaseIn(panel, view, field);
        if (!pasted) {
            CheckTypedOnly(view);
        }
    }
    return 0;
}
