#include "codes/TextCharacters.h"

std::size_t CountTextCharacters(std::string_view text, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return text.size();
    }
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += TextCharLength(text, pos, encoding)) {
        ++count;
    }
    return count;
}

std::size_t SkipTextCharacters(std::string_view text, std::size_t pos, std::size_t count,
                               Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return count < text.size() - pos ? pos + count : text.size();
    }
    for (; count > 0 && pos < text.size(); --count) {
        pos += TextCharLength(text, pos, encoding);
    }
    return pos;
}
