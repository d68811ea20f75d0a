#include "codes/DecimalMask.h"

#include <algorithm>
#include <utility>

#include "codes/Utf8Text.h"

namespace {

// Runs and literals from the cursor up to end; # runs show hashFill.
bool ParseRunsAndLiterals(CodeReader& reader, std::size_t end, CodeCharacter hashFill,
                          DecimalMask& mask, CodeError& error) {
    const std::string_view code = reader.Code();
    while (reader.Position() < end) {
        const std::size_t at = reader.Position();
        const char c = code[at];
        if (c != '#' && c != '*' && c != '%') {
            if (const char* unfit = reader.UnfitReasonAt(at)) {
                return Fail(error, {at, unfit});
            }
            // Used as written, never folded.
            mask.Add({reader.TakeCharacter(), 0});
            continue;
        }
        reader.Advance();
        unsigned width = 1;
        if (reader.Position() < end && reader.AtDigit()) {
            const std::size_t widthAt = reader.Position();
            width = 0;
            while (reader.Position() < end && reader.AtDigit()) {
                // Held just past the widest run, so no count of digits can overflow it.
                width = std::min(width * 10 + static_cast<unsigned>(reader.TakeDigit()),
                                 DecimalMask::kWidestRun + 1);
            }
            if (width == 0 || width > DecimalMask::kWidestRun) {
                return Fail(error, {widthAt, "a run is 1 to 99 positions wide"});
            }
        }
        const CodeCharacter fill = c == '#' ? hashFill : OneByte(c == '*' ? '*' : '0');
        mask.Add({fill, static_cast<unsigned char>(width)});
    }
    return true;
}

std::size_t CharLengthAt(std::string_view text, std::size_t pos, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return 1;
    }
    return std::max<std::size_t>(Utf8CharLength(text, pos), 1);
}

// The byte offset after count characters of text (its size when it has fewer).
std::size_t SkipCharacters(std::string_view text, std::size_t count, Encoding encoding) {
    std::size_t pos = 0;
    for (; count > 0 && pos < text.size(); --count) {
        pos += CharLengthAt(text, pos, encoding);
    }
    return std::min(pos, text.size());
}

std::size_t CountCharacters(std::string_view text, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return text.size();
    }
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos, encoding)) {
        ++count;
    }
    return count;
}

}  // namespace

void DecimalMask::Add(MaskPart part) {
    positions_ += part.width;
    const std::string_view character = part.character.View();
    if (part.width == 0 || character != "0") {
        if (character.size() == 1) {
            dropsByte_[static_cast<unsigned char>(character[0])] = true;
        } else if (!Drops(character)) {
            dropsLonger_.push_back(part.character);
        }
    }
    parts_.push_back(part);
}

bool DecimalMask::Drops(std::string_view character) const {
    if (character.size() == 1) {
        return dropsByte_[static_cast<unsigned char>(character[0])];
    }
    return std::any_of(dropsLonger_.begin(), dropsLonger_.end(),
                       [&](const CodeCharacter& dropped) { return dropped.View() == character; });
}

bool DecimalMask::Apply(std::string_view formatted, bool right, Dialect dialect, Encoding encoding,
                        std::string& out) const {
    std::size_t length = CountCharacters(formatted, encoding);
    std::string_view after;
    const bool cut = length > positions_ && dialect == Dialect::Universe;
    if (length > positions_) {
        // Universe keeps what fits; pick puts the rest before (right) or after (left) the mask.
        if (right) {
            const std::size_t excess = SkipCharacters(formatted, length - positions_, encoding);
            if (!cut) {
                out.append(formatted.substr(0, excess));
            }
            formatted.remove_prefix(excess);
        } else {
            const std::size_t kept = SkipCharacters(formatted, positions_, encoding);
            if (!cut) {
                after = formatted.substr(kept);
            }
            formatted = formatted.substr(0, kept);
        }
        length = positions_;
    }
    std::size_t leadingFill = right ? positions_ - length : 0;
    std::size_t next = 0;
    for (const MaskPart& part : parts_) {
        if (part.width == 0) {
            out.append(part.character.View());
            continue;
        }
        for (unsigned position = 0; position < part.width; ++position) {
            if (leadingFill == 0 && next < formatted.size()) {
                const std::size_t size = CharLengthAt(formatted, next, encoding);
                out.append(formatted.substr(next, size));
                next += size;
            } else {
                leadingFill -= leadingFill > 0 ? 1 : 0;
                out.append(part.character.View());
            }
        }
    }
    out.append(after);
    return cut;
}

bool ParseDecimalMask(CodeReader& reader, Dialect dialect, DecimalMask& mask, CodeError& error) {
    const std::size_t start = reader.Position();
    std::size_t end = reader.Length();
    CodeCharacter hashFill = OneByte(' ');
    if (dialect == Dialect::Pick && reader.At('&')) {
        reader.Advance();
        if (reader.AtEnd()) {
            return Fail(error, reader.ErrorHere("& needs a fill character"));
        }
        if (const char* unfit = reader.UnfitReasonAt(reader.Position())) {
            return Fail(error, reader.ErrorHere(unfit));
        }
        hashFill = reader.TakeCharacter();
    }
    if (dialect == Dialect::Pick && reader.At('(')) {
        if (end - reader.Position() < 2 || reader.Code()[end - 1] != ')') {
            return Fail(error, {end, "a mask that opens with ( ends the code with )"});
        }
        reader.Advance();
        --end;
    }
    if (!ParseRunsAndLiterals(reader, end, hashFill, mask, error)) {
        return false;
    }
    if (mask.Positions() == 0) {
        return Fail(error, {start, "a mask needs a #, * or % position"});
    }
    reader.Advance(reader.Length() - reader.Position());
    return true;
}
