#include "codes/ReplaceTextCode.h"

#include <utility>

namespace {

// Takes the text from the cursor up to the next ';' or the end, checking that it holds no mark.
bool TakeText(CodeReader& reader, std::string& text, CodeError& error) {
    const std::string_view code = reader.Code();
    const std::size_t start = reader.Position();
    std::size_t end = code.find(';', start);
    if (end == std::string_view::npos) {
        end = code.size();
    }
    if (const std::size_t unfit = reader.FirstUnfitCharacter(start, end);
        unfit != std::string_view::npos) {
        return Fail(error, {unfit, reader.UnfitReasonAt(unfit)});
    }
    text.assign(code.substr(start, end - start));
    reader.Advance(end - start);
    return true;
}

}  // namespace

int ReplaceTextCode::Oconv(std::string_view piece, std::string& out) const {
    std::size_t pos = 0;
    for (std::size_t found = piece.find(from); found != std::string_view::npos;
         found = piece.find(from, pos)) {
        out.append(piece.substr(pos, found - pos));
        out.append(to);
        pos = found + from.size();
    }
    out.append(piece.substr(pos));
    return kStatusConverted;
}

bool ParseReplaceTextCode(CodeReader& reader, ReplaceTextCode& code, CodeError& error) {
    if (!reader.At(';')) {
        return Fail(error, reader.ErrorHere(reader.AtEnd() ? "the code ends too early"
                                                           : "MCC must be followed by ;"));
    }
    reader.Advance();
    if (!TakeText(reader, code.from, error)) {
        return false;
    }
    if (code.from.empty()) {
        return Fail(error, reader.ErrorHere("the text to replace is empty"));
    }
    if (!reader.At(';')) {
        return Fail(error, reader.ErrorHere("the code ends too early"));
    }
    reader.Advance();
    if (!TakeText(reader, code.to, error)) {
        return false;
    }
    if (!reader.AtEnd()) {
        return Fail(error, reader.ErrorHere("the replacement text may not hold ;"));
    }
    return true;
}
