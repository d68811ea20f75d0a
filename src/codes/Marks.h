#pragma once
// The system delimiters inside a value and the bulk rule: a value is split at every mark, each
// piece is converted on its own and the results are joined again with the very same marks, so the
// mark structure of the data never changes.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "codes/ConversionCode.h"
#include "codes/Utf8Text.h"

// Bytes 251 (text mark) to 255 (item mark); 248..250 are ordinary data.
inline constexpr unsigned char kTextMark = 251;

// The length of the mark at pos under the encoding (1 byte, or its 3-byte character in utf8
// mode), 0 when there is none.
inline std::size_t MarkLengthAt(std::string_view text, std::size_t pos, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return static_cast<unsigned char>(text[pos]) >= kTextMark ? 1 : 0;
    }
    return Utf8MarkLength(text, pos);
}

// Whether a byte string holds a mark; most values hold none and go through whole.
inline bool HasByteMark(std::string_view value) {
    for (const char c : value) {
        if (static_cast<unsigned char>(c) >= kTextMark) {
            return true;
        }
    }
    return false;
}

// The bulk rule: out is cleared, then every piece between marks goes through
// convertPiece(piece, out), which appends its result and returns its STATUS; the highest wins.
template <typename ConvertPiece>
int ConvertEachPiece(std::string_view value, Encoding encoding, std::string& out,
                     ConvertPiece convertPiece) {
    out.clear();
    if (encoding == Encoding::Bytes && !HasByteMark(value)) {
        return convertPiece(value, out);
    }
    int status = kStatusConverted;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < value.size();) {
        const std::size_t markLength = MarkLengthAt(value, pos, encoding);
        if (markLength == 0) {
            ++pos;
            continue;
        }
        status = std::max(status, convertPiece(value.substr(start, pos - start), out));
        out.append(value.substr(pos, markLength));
        pos += markLength;
        start = pos;
    }
    return std::max(status, convertPiece(value.substr(start), out));
}
