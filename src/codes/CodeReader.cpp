#include "codes/CodeReader.h"

#include "codes/Marks.h"
#include "codes/Utf8Text.h"
#include "codes/ValueText.h"

char CodeReader::Upper(std::size_t ahead) const {
    if (pos_ + ahead >= code_.size()) {
        return '\0';
    }
    return AsciiUpper(code_[pos_ + ahead]);
}

bool CodeReader::At(char upper, std::size_t ahead) const {
    return pos_ + ahead < code_.size() && Upper(ahead) == upper;
}

bool CodeReader::AtDigit(std::size_t ahead) const {
    return pos_ + ahead < code_.size() && IsAsciiDigit(code_[pos_ + ahead]);
}

bool CodeReader::AtLetter() const {
    return !AtEnd() && IsAsciiLetter(code_[pos_]);
}

bool CodeReader::AtQuote() const {
    return At('\'') || At('"');
}

std::size_t CodeReader::CharLength() const {
    if (AtEnd()) {
        return 0;
    }
    if (encoding_ == Encoding::Bytes) {
        return 1;
    }
    return Utf8CharLength(code_, pos_);
}

bool CodeReader::AtSeparator(bool bracketsAllowed) const {
    if (AtEnd() || AtLetter() || AtDigit() || AtQuote() || UnfitReasonAt(pos_) != nullptr) {
        return false;
    }
    return bracketsAllowed || !(At('[') || At(']'));
}

CodeCharacter CodeReader::TakeCharacter() {
    CodeCharacter character;
    const std::size_t length = CharLength();
    for (std::size_t i = 0; i < length && i < sizeof character.bytes; ++i) {
        character.bytes[i] = code_[pos_ + i];
    }
    character.length = static_cast<unsigned char>(length);
    pos_ += length;
    return character;
}

int CodeReader::TakeDigit() {
    const int digit = code_[pos_] - '0';
    ++pos_;
    return digit;
}

const char* CodeReader::UnfitReasonAt(std::size_t pos) const {
    if (pos >= code_.size()) {
        return nullptr;
    }
    if (MarkLengthAt(code_, pos, encoding_) != 0) {
        return "a mark cannot be part of a code";
    }
    if (encoding_ == Encoding::Utf8 && Utf8CharLength(code_, pos) == 0) {
        return "not UTF-8 text";
    }
    return nullptr;
}

std::size_t CodeReader::FirstUnfitCharacter(std::size_t from, std::size_t to) const {
    for (std::size_t pos = from; pos < to;) {
        if (UnfitReasonAt(pos) != nullptr) {
            return pos;
        }
        pos += encoding_ == Encoding::Bytes ? 1 : Utf8CharLength(code_, pos);
    }
    return std::string_view::npos;
}
