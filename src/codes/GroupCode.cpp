#include "codes/GroupCode.h"

#include <utility>

#include "codes/CodeCount.h"
#include "codes/ConversionCode.h"

int GroupCode::Oconv(std::string_view piece, std::string& out) const {
    const std::string_view separator = delimiter.View();
    std::size_t start = 0;
    for (std::size_t field = 0; field < skip; ++field) {
        const std::size_t found = piece.find(separator, start);
        if (found == std::string_view::npos) {
            return kStatusConverted;  // fewer fields than it skips
        }
        start = found + separator.size();
    }
    std::size_t end = start;
    for (std::size_t field = 1;; ++field) {
        const std::size_t found = piece.find(separator, end);
        if (found == std::string_view::npos) {
            end = piece.size();
            break;
        }
        if (field == take) {
            end = found;
            break;
        }
        end = found + separator.size();
    }
    out.append(piece.substr(start, end - start));
    return kStatusConverted;
}

bool ParseGroupCode(CodeReader& reader, GroupCode& code, CodeError& error) {
    code.skip = TakeCount(reader).value;
    if (reader.AtEnd()) {
        return Fail(error, reader.ErrorHere("the code ends too early"));
    }
    if (const char* unfit = reader.UnfitReasonAt(reader.Position())) {
        return Fail(error, reader.ErrorHere(unfit));
    }
    code.delimiter = reader.TakeCharacter();
    const std::size_t countAt = reader.Position();
    const CodeCount take = TakeCount(reader);
    if (!take.Present()) {
        return Fail(error, reader.ErrorHere(reader.AtEnd()
                                                ? "the code ends too early"
                                                : "a count of fields must follow the delimiter"));
    }
    if (take.value == 0) {
        return Fail(error, {countAt, "the count of fields must be at least 1"});
    }
    code.take = take.value;
    if (!reader.AtEnd()) {
        return Fail(error, reader.ErrorHere("unexpected character after the code"));
    }
    return true;
}
