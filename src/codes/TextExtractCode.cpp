#include "codes/TextExtractCode.h"

#include <utility>

#include "codes/CodeCount.h"
#include "codes/TextCharacters.h"

namespace {

// A count at the cursor that must be at least 1, with the reason when it is 0.
bool TakePositive(CodeReader& reader, const char* zeroReason, std::size_t& value,
                  CodeError& error) {
    const std::size_t at = reader.Position();
    const CodeCount count = TakeCount(reader);
    if (!count.Present()) {
        return Fail(error, reader.ErrorHere(reader.AtEnd() ? "the code ends too early"
                                                           : "a digit is expected here"));
    }
    if (count.value == 0) {
        return Fail(error, {at, zeroReason});
    }
    value = count.value;
    return true;
}

// Whether the digits at the cursor are followed by a comma: Ts,n rather than Tn.
bool StartGiven(const CodeReader& reader) {
    std::size_t ahead = 0;
    while (reader.AtDigit(ahead)) {
        ++ahead;
    }
    return ahead > 0 && reader.At(',', ahead);
}

}  // namespace

int TextExtractCode::Oconv(std::string_view piece, std::string& out) const {
    std::size_t begin = 0;
    if (start > 0) {
        begin = SkipTextCharacters(piece, 0, start - 1, encoding);
    } else if (fromEnd) {
        const std::size_t length = CountTextCharacters(piece, encoding);
        begin = length > count ? SkipTextCharacters(piece, 0, length - count, encoding) : 0;
    }
    const std::size_t end = SkipTextCharacters(piece, begin, count, encoding);
    out.append(piece.substr(begin, end - begin));
    return kStatusConverted;
}

bool ParseTextExtractCode(CodeReader& reader, const CodeOptions& options, TextExtractCode& code,
                          CodeError& error) {
    code.encoding = options.encoding;
    // A T code with ';' reads a file: Tfile;...
    if (const std::size_t file = reader.Code().find(';'); file != std::string_view::npos) {
        return Fail(error, {file, "a file translation needs a database"});
    }
    if (StartGiven(reader)) {
        if (!TakePositive(reader, "the first character is 1 or more", code.start, error)) {
            return false;
        }
        reader.Advance();
    }
    if (!TakePositive(reader, "the count must be at least 1", code.count, error)) {
        return false;
    }
    code.fromEnd = code.start == 0 && options.dialect == Dialect::Universe;
    if (!reader.AtEnd()) {
        return Fail(error, reader.ErrorHere("unexpected character after the code"));
    }
    return true;
}
