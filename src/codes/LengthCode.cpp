#include "codes/LengthCode.h"

#include <utility>

#include "codes/CodeCount.h"
#include "codes/DirectText.h"
#include "codes/TextCharacters.h"

int LengthCode::Oconv(std::string_view piece, std::string& out) const {
    if (piece.empty()) {
        return kStatusConverted;  // "", as every code gives for an empty value
    }
    const std::size_t length = CountTextCharacters(piece, encoding);
    if (showLength) {
        DirectText(out, 20).PutDecimal(length);
    } else if (length >= least && length <= most) {
        out.append(piece);
    }
    return kStatusConverted;
}

bool ParseLengthCode(CodeReader& reader, Encoding encoding, LengthCode& code, CodeError& error) {
    code.encoding = encoding;
    const CodeCount first = TakeCount(reader);
    if (reader.AtEnd()) {
        code.showLength = first.value == 0;
        code.most = first.value;
        return true;
    }
    if (!first.Present() || !reader.At(',')) {
        return Fail(error, reader.ErrorHere("unexpected character after the code"));
    }
    reader.Advance();
    const std::size_t secondAt = reader.Position();
    const CodeCount second = TakeCount(reader);
    if (!second.Present()) {
        return Fail(error, reader.ErrorHere(reader.AtEnd() ? "the code ends too early"
                                                           : "a digit is expected here"));
    }
    if (!CountAtMost(first, second)) {
        return Fail(error, {secondAt, "the greatest length is below the least"});
    }
    if (!reader.AtEnd()) {
        return Fail(error, reader.ErrorHere("unexpected character after the code"));
    }
    code.showLength = false;
    code.least = first.value;
    code.most = second.value;
    return true;
}
