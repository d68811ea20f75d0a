#pragma once
// The character conversions panel: one character code shown as the character itself (Ascii), in
// decimal (Dec), in hexadecimal (Hex), in binary (Binary, display only) and, below 32, as its
// control letter (Ctrl). The panel keeps nothing but these five texts. Its rules are functions of
// the current texts that return the new ones together with the fields they wrote, in the order
// they wrote them; the CharPanel class runs them over a view and writes back exactly those fields
// in that order.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Keys.h"
#include "convert/PanelView.h"

// The five field texts, bytes in the ANSI code page.
struct CharPanelTexts {
    std::string Ascii;
    std::string Dec;
    std::string Hex;
    std::string Binary;
    std::string Ctrl;

    bool operator==(const CharPanelTexts&) const = default;
};

enum class CharField { cfAscii, cfDec, cfHex, cfBinary, cfCtrl };

const std::string& FieldText(const CharPanelTexts& texts, CharField field);
std::string& FieldText(CharPanelTexts& texts, CharField field);

// The five edits of the panel.
using CharPanelView = TPanelView<CharField>;

// The texts after an operation and the fields it wrote, first write first. A field appears at
// most once. The window writes each listed field whose control text differs from the new text.
struct CharPanelResult {
    CharPanelTexts texts;
    std::vector<CharField> written;
};

// A key rule that also empties a field: its verdict and the texts it wrote.
struct CharKeyResult {
    KeyVerdict verdict;
    CharPanelResult panel;
};

// Conversions, run on the release of any key in their field. Only FromDec can fail: it raises
// EConvertError when Dec does not hold an integer, and then nothing is written.
CharPanelResult FromAscii(const CharPanelTexts& texts);
CharPanelResult FromDec(const CharPanelTexts& texts);
CharPanelResult FromHex(const CharPanelTexts& texts);
CharPanelResult FromControl(const CharPanelTexts& texts);

// Key rules, run before the key reaches its field.
// Any key going down in Ascii empties it first; the key then acts as usual.
CharPanelResult AsciiKeyDown(const CharPanelTexts& texts);
// A character typed in Dec: Backspace and the digits pass.
KeyVerdict FilterDecKey(char key);
// A key going down in Hex, with the character it types: Backspace passes; with two characters in
// Hex anything else is refused; a key that types a digit passes; a letter key passes and types its
// lower-case letter whatever Shift and Caps Lock say; every other key (Delete, arrows, Home, End,
// blanks, punctuation, Shift with a digit key) is refused.
KeyVerdict FilterHexKey(const KeyDownArgs& key, const std::string& hex);
// A character typed in Ctrl: Ctrl is emptied whatever the character; a..z type their upper-case
// letter; the codes 64..95 pass; everything else is refused, Backspace included.
CharKeyResult FilterControlKey(char key, const CharPanelTexts& texts);

// The Binary text of v: empty for v <= 0; otherwise its binary digits without leading zeros in
// groups of four from the right, each group preceded by a blank except a shorter leading group.
std::string BinaryText(std::int32_t v);
// The Ctrl text of v: the one character of code (v + 64) mod 256, or empty when that code is 0.
std::string ControlLetter(std::int32_t v);

// The panel over its view, one operation per handler of the window's character fields.
class CharPanel {
  public:
    // The view must outlive the panel (the window owns both).
    explicit CharPanel(CharPanelView& view) : view_(view) {}

    void editAsciiKeyDown(KeyDownArgs& key);
    void editAsciiKeyUp();
    void editDecKeyPress(char& key);
    void editDecKeyUp();
    void editHexKeyDown(KeyDownArgs& key);
    void editHexKeyUp();
    void editControlKeyPress(char& key);
    void editControlKeyUp();

  private:
    CharPanelTexts Read() const;
    void Write(const CharPanelResult& result);

    CharPanelView& view_;
};
