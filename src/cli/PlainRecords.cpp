#include "cli/PlainRecords.h"

#include <cstring>

namespace {

constexpr char kQuote = '"';

Needles FieldEnds(RecordFormat format) {
    // One field per line: no byte but LF ends a field.
    const char delimiter = format.kind == RecordKind::kLines ? '\n' : format.delimiter;
    return Needles{delimiter, '\n', format.kind == RecordKind::kCsv ? kQuote : '\n'};
}

}  // namespace

PlainRecords::PlainRecords(const ConvertPlan& plan, FieldConverter& fields)
    : plan_(plan),
      fields_(fields),
      fitter_(plan.format),
      csv_(plan.format.kind == RecordKind::kCsv),
      wanted_(FieldsWanted(plan)),
      ends_(wanted_),
      needles_(FieldEnds(plan.format)) {
    for (const FieldConversion& conversion : plan.fields) {
        const ValueConverter::DirectPath path = conversion.converter->Direct();
        targets_.push_back(Target{conversion.column, &conversion, path.write, path.context,
                                  !path.bytesKnown || fitter_.Fit(path.bytes) != FieldFit::kPlain});
    }
}

std::size_t PlainRecords::Convert(std::string_view chunk, std::size_t pos, std::size_t& copied,
                                  OutputCursor& out, ChunkResult& result) {
    const char* const data = chunk.data();
    const std::size_t size = chunk.size();
    // Held in locals: the compiler must otherwise read members again after every store.
    const bool csv = csv_;
    const std::size_t wanted = wanted_;
    const std::size_t longestRecord = plan_.longestRecord;
    FieldEnd* const ends = ends_.data();
    NeedleWalk<> walk(chunk, needles_, pos);
    while (pos < size) {
        const std::size_t begin = pos;
        std::size_t fieldBegin = pos;
        std::size_t fields = 0;
        std::size_t closing = 0;
        std::size_t hit = 0;
        for (;;) {
            hit = walk.Next();
            if (hit == size) {
                return begin;  // no line break yet: the general path reads it
            }
            const char c = data[hit];
            if (csv && c == kQuote) {
                // A quote opens a quoted field only at the start of a field; elsewhere it is text.
                if (hit != fieldBegin) {
                    continue;
                }
                bool doubled = false;
                closing = ClosingQuote(chunk, hit + 1, doubled);
                if (closing == size || (doubled && fields < wanted)) {
                    return begin;  // unclosed, or a value to unquote: the general path
                }
                walk.Seek(closing + 1);
                continue;
            }
            if (fields < wanted) {
                ends[fields] = FieldEnd{hit, closing};
            }
            ++fields;
            if (c == '\n') {
                break;
            }
            if (!csv && fields >= wanted) {
                // The rest of the record is passed through unread.
                hit = FindByte(chunk, hit + 1, '\n');
                if (hit == size) {
                    return begin;
                }
                walk.Seek(hit + 1);
                break;
            }
            fieldBegin = hit + 1;
            closing = 0;
        }
        if (hit + 1 - begin > longestRecord) {
            return begin;
        }
        pos = hit + 1;
        const std::uint64_t number = ++result.counts.records;
        if (fields < wanted) {
            ++result.counts.shortRecords;
            continue;
        }
        if (!ConvertRecord(chunk, begin, number, copied, out, result)) {
            return begin;
        }
    }
    return size;
}

char* PlainRecords::Fitted(char* at, char* end) const {
    // Read byte by byte: the result was just stored a byte or two at a time, and a wide load of
    // it would wait for those stores to land.
    const std::string_view result(at + 1, static_cast<std::size_t>(end - at - 1));
    bool hasQuote = false;
    switch (fitter_.Fit(result, hasQuote)) {
        case FieldFit::kPlain:
            std::memmove(at, result.data(), result.size());
            return end - 1;
        case FieldFit::kQuoted:
            if (hasQuote) {
                return nullptr;  // its quotes to double: the general path
            }
            *at = kQuote;
            *end = kQuote;
            return end + 1;
        case FieldFit::kImpossible:
            break;
    }
    return nullptr;  // the general path counts it as unwritable
}

bool PlainRecords::ConvertRecord(std::string_view chunk, std::size_t begin, std::uint64_t number,
                                 std::size_t& copied, OutputCursor& out, ChunkResult& result) {
    const char* const data = chunk.data();
    const std::size_t outAtRecord = out.Size();
    const std::size_t copiedAtRecord = copied;
    // Held in locals: every byte written could otherwise be the memory they are read from.
    const FieldEnd* const ends = ends_.data();
    const std::size_t longestValue = plan_.longestValue;
    std::size_t copiedUpTo = copied;
    // Values converted by the direct path, counted once for the record.
    std::uint64_t direct = 0;
    const auto count = [&result, &direct] {
        result.counts.fieldsRead += direct;
        result.counts.status[kConverted] += direct;
        result.counts.fieldsConverted += direct;
    };
    for (const Target& target : targets_) {
        const std::size_t column = target.column;
        const std::size_t fieldBegin = column == 0 ? begin : ends[column - 1].end + 1;
        const FieldEnd ending = ends[column];
        std::size_t fieldEnd = ending.end;
        if (data[fieldEnd] == '\n' && fieldEnd > fieldBegin && data[fieldEnd - 1] == '\r') {
            --fieldEnd;  // the CR belongs to the line break
        }
        // A quoted field holds what is between its quotes; with text after the closing quote,
        // what is written.
        const bool quoted = ending.closing != 0 && fieldEnd == ending.closing + 1;
        const std::string_view value =
            quoted ? chunk.substr(fieldBegin + 1, ending.closing - fieldBegin - 1)
                   : chunk.substr(fieldBegin, fieldEnd - fieldBegin);
        const std::size_t gap = fieldBegin - copiedUpTo;
        // Room for the bytes before the field and a direct result, quoted.
        char* at = out.Room(gap + ValueConverter::kDirectRoom + 2);
        if (gap <= 32 && chunk.size() - copiedUpTo >= 32) {
            std::memcpy(at, data + copiedUpTo, 32);  // one move, the bytes past the gap overwritten
        } else {
            std::memcpy(at, data + copiedUpTo, gap);
        }
        at += gap;
        char* end = nullptr;
        if (target.write != nullptr && value.size() <= longestValue) {
            if (!target.checkResult) {
                end = target.write(target.context, value, at);
            } else if (char* const written = target.write(target.context, value, at + 1)) {
                // One byte on, where an opening quote can go before it.
                end = Fitted(at, written);
            }
        }
        if (end != nullptr) {
            ++direct;
            out.Advance(end);
            copiedUpTo = fieldEnd;
            continue;
        }
        converted_.clear();
        const FieldOutcome outcome =
            fields_.Convert(*target.conversion, number, value, converted_, result);
        if (outcome == FieldOutcome::kStop) {
            count();
            out.Rewind(outAtRecord);
            out.Append(chunk.substr(copiedAtRecord, begin - copiedAtRecord));
            copied = begin;
            result.stopped = true;
            return false;
        }
        if (outcome == FieldOutcome::kKept) {
            continue;  // the field stays in the bytes still to copy
        }
        out.Advance(at);
        out.Append(converted_);
        copiedUpTo = fieldEnd;
    }
    count();
    copied = copiedUpTo;
    return true;
}
