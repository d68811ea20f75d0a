#include "cli/RecordScanner.h"

#include <cstring>

#include "cli/ByteSearch.h"

namespace {

constexpr char kQuote = '"';

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

}  // namespace

std::size_t ClosingQuote(std::string_view data, std::size_t pos, bool& doubled) {
    for (;;) {
        const std::size_t q = FindByte(data, pos, kQuote);
        if (q + 1 < data.size() && data[q + 1] == kQuote) {
            doubled = true;
            pos = q + 2;
            continue;
        }
        return q;
    }
}

RecordScanner::RecordScanner(RecordFormat format, std::size_t fieldsWanted)
    : format_(format), wanted_(fieldsWanted) {}

RecordSpan RecordScanner::Scan(std::string_view data, std::size_t pos) {
    fields_.clear();
    RecordSpan record;
    record.begin = pos;
    const std::size_t size = data.size();
    const bool csv = format_.kind == RecordKind::kCsv;
    // One field per line: no byte but LF ends a field.
    const char delimiter = format_.kind == RecordKind::kLines ? '\n' : format_.delimiter;
    // The blocks already compared stay good while the data is the same.
    if (finderData_.data() != data.data() || finderData_.size() != data.size()) {
        finder_ = NeedleFinder<>(data, Needles{delimiter, '\n', csv ? kQuote : '\n'});
        finderData_ = data;
    }
    NeedleFinder<>& finder = finder_;
    std::size_t fieldBegin = pos;
    std::size_t closing = size;  // the closing quote of a quoted field
    bool doubled = false;
    for (;;) {
        if (wanted_ != 0 && record.fieldCount == wanted_ && !csv) {
            // The rest of the record is passed through unread.
            const std::size_t lineEnd = FindByte(data, pos, '\n');
            record.end = lineEnd == size ? size : lineEnd + 1;
            return record;
        }
        const std::size_t hit = finder.Next(pos);
        if (hit < size && data[hit] == kQuote) {
            // A quote opens a quoted field only at the start of a field; elsewhere it is text.
            if (hit == fieldBegin) {
                closing = ClosingQuote(data, hit + 1, doubled);
                if (closing == size) {
                    record.unclosedQuote = true;
                    record.end = size;
                    return record;
                }
                pos = closing + 1;
            } else {
                pos = hit + 1;
            }
            continue;
        }
        const bool lineBreak = hit < size && data[hit] == '\n';
        if (wanted_ == 0 || record.fieldCount < wanted_) {
            FieldSpan field;
            field.begin = fieldBegin;
            field.end = hit;
            if (lineBreak && field.end > field.begin && data[field.end - 1] == '\r') {
                --field.end;
            }
            if (closing != size && field.end == closing + 1) {
                field.valueBegin = field.begin + 1;
                field.valueEnd = closing;
                field.doubledQuotes = doubled;
            } else {
                // Unquoted, or text after the closing quote: the field holds what is written.
                field.valueBegin = field.begin;
                field.valueEnd = field.end;
            }
            ++record.fieldCount;
            fields_.push_back(field);
        }
        if (hit == size || lineBreak) {
            record.end = lineBreak ? hit + 1 : hit;
            return record;
        }
        pos = fieldBegin = hit + 1;  // past the delimiter
        closing = size;
        doubled = false;
    }
}

std::string_view UndoDoubledQuotes(std::string_view value, std::string& scratch) {
    scratch.clear();
    for (std::size_t i = 0; i < value.size(); ++i) {
        scratch += value[i];
        if (value[i] == kQuote) {
            ++i;  // the second quote of the pair
        }
    }
    return scratch;
}

std::size_t LastLineEnd(std::string_view data) {
#if defined(__GLIBC__)
    const void* hit = memrchr(data.data(), '\n', data.size());
    return hit == nullptr
               ? 0
               : static_cast<std::size_t>(static_cast<const char*>(hit) - data.data()) + 1;
#else
    for (std::size_t i = data.size(); i > 0; --i) {
        if (data[i - 1] == '\n') {
            return i;
        }
    }
    return 0;
#endif
}

std::size_t LastRecordEnd(std::string_view data, RecordFormat format) {
    if (format.kind != RecordKind::kCsv) {
        return LastLineEnd(data);
    }
    // Only line breaks and quotes matter. A quote opens a quoted field only at the start of a
    // field, as the scanner reads it: first in the data, or after a delimiter or line break.
    const PreparedNeedles needles(Needles{'\n', kQuote, kQuote});
    NeedleWalk<> walk(data, needles, 0);
    std::size_t last = 0;
    for (std::size_t hit = walk.Next(); hit < data.size(); hit = walk.Next()) {
        if (data[hit] == '\n') {
            last = hit + 1;
            continue;
        }
        if (hit != 0 && data[hit - 1] != format.delimiter && data[hit - 1] != '\n') {
            continue;  // a quote inside a field's text
        }
        bool doubled = false;
        const std::size_t closing = ClosingQuote(data, hit + 1, doubled);
        if (closing + 1 >= data.size()) {
            // Unclosed so far, or closed by the last byte, which might yet be doubled.
            return last;
        }
        walk.Seek(closing + 1);
    }
    return last;
}

FieldFitter::FieldFitter(RecordFormat format) : csv_(format.kind == RecordKind::kCsv) {
    special_[Byte('\n')] = 1;
    special_[Byte('\r')] = 1;
    if (format.kind != RecordKind::kLines) {
        special_[Byte(format.delimiter)] = 1;
    }
    if (csv_) {
        special_[Byte(kQuote)] = 1 | kQuoteBit;
    }
}

FieldFit FieldFitter::Fit(std::string_view value) const {
    // No early exit: a special byte is rare, and a loop without a branch per byte runs faster.
    unsigned char any = 0;
    for (const char c : value) {
        any |= special_[Byte(c)];
    }
    if (any == 0) {
        return FieldFit::kPlain;
    }
    return csv_ ? FieldFit::kQuoted : FieldFit::kImpossible;
}

FieldFit FieldFitter::Fit(std::string_view value, bool& hasQuote) const {
    unsigned char any = 0;
    for (const char c : value) {
        any |= special_[Byte(c)];
    }
    hasQuote = (any & kQuoteBit) != 0;
    if (any == 0) {
        return FieldFit::kPlain;
    }
    return csv_ ? FieldFit::kQuoted : FieldFit::kImpossible;
}

FieldFit FitOfValue(std::string_view value, RecordFormat format) {
    return FieldFitter(format).Fit(value);
}

void AppendField(std::string& out, std::string_view value, FieldFit fit) {
    if (fit != FieldFit::kQuoted) {
        out.append(value);
        return;
    }
    out += kQuote;
    // Runs between quotes go in whole; each quote goes in twice.
    for (std::size_t pos = 0;;) {
        const std::size_t quote = FindByte(value, pos, kQuote);
        out.append(value.substr(pos, quote - pos));
        if (quote == value.size()) {
            break;
        }
        out.append(2, kQuote);
        pos = quote + 1;
    }
    out += kQuote;
}
