#include "cli/RecordScanner.h"

#include <cstring>

namespace {

constexpr char kQuote = '"';

// The first of two bytes from pos, or the end.
std::size_t FindEither(std::string_view data, std::size_t pos, char a, char b) {
    const char* p = data.data() + pos;
    const char* const end = data.data() + data.size();
    while (p != end && *p != a && *p != b) {
        ++p;
    }
    return static_cast<std::size_t>(p - data.data());
}

std::size_t FindByte(std::string_view data, std::size_t pos, char c) {
    const void* hit = std::memchr(data.data() + pos, c, data.size() - pos);
    return hit == nullptr ? data.size()
                          : static_cast<std::size_t>(static_cast<const char*>(hit) - data.data());
}

// From just after an opening quote: the offset of the closing quote (data.size() if there is
// none), and whether doubled quotes were passed.
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

}  // namespace

RecordScanner::RecordScanner(RecordFormat format, std::size_t fieldsWanted)
    : format_(format), wanted_(fieldsWanted) {}

std::size_t RecordScanner::FieldEnd(std::string_view data, std::size_t pos) const {
    if (format_.kind == RecordKind::kLines) {
        return FindByte(data, pos, '\n');
    }
    return FindEither(data, pos, format_.delimiter, '\n');
}

RecordSpan RecordScanner::Scan(std::string_view data, std::size_t pos) {
    fields_.clear();
    RecordSpan record;
    record.begin = pos;
    const std::size_t size = data.size();
    for (;;) {
        FieldSpan field;
        field.begin = pos;
        std::size_t closing = size;  // the closing quote of a quoted field
        if (format_.kind == RecordKind::kCsv && pos < size && data[pos] == kQuote) {
            closing = ClosingQuote(data, pos + 1, field.doubledQuotes);
            if (closing == size) {
                record.unclosedQuote = true;
                record.end = size;
                return record;
            }
            pos = closing + 1;
        }
        pos = FieldEnd(data, pos);
        field.end = pos;
        const bool lineBreak = pos < size && data[pos] == '\n';
        if (lineBreak && field.end > field.begin && data[field.end - 1] == '\r') {
            --field.end;
        }
        if (closing != size && field.end == closing + 1) {
            field.valueBegin = field.begin + 1;
            field.valueEnd = closing;
        } else {
            // Unquoted, or text after the closing quote: the field holds what is written.
            field.valueBegin = field.begin;
            field.valueEnd = field.end;
            field.doubledQuotes = false;
        }
        ++record.fieldCount;
        if (wanted_ == 0 || fields_.size() < wanted_) {
            fields_.push_back(field);
        }
        if (pos == size || lineBreak) {
            record.end = lineBreak ? pos + 1 : pos;
            return record;
        }
        ++pos;  // past the delimiter
        if (wanted_ != 0 && record.fieldCount == wanted_ && format_.kind != RecordKind::kCsv) {
            // The rest of the line is passed through unread.
            const std::size_t lineEnd = FindByte(data, pos, '\n');
            record.end = lineEnd == size ? size : lineEnd + 1;
            return record;
        }
    }
}

std::string_view FieldValue(std::string_view data, const FieldSpan& field, std::string& scratch) {
    const std::string_view value = data.substr(field.valueBegin, field.valueEnd - field.valueBegin);
    if (!field.doubledQuotes) {
        return value;
    }
    scratch.clear();
    for (std::size_t i = 0; i < value.size(); ++i) {
        scratch += value[i];
        if (value[i] == kQuote) {
            ++i;  // the second quote of the pair
        }
    }
    return scratch;
}

std::size_t LastRecordEnd(std::string_view data, RecordFormat format) {
    if (format.kind != RecordKind::kCsv) {
        const void* hit = nullptr;
#if defined(__GLIBC__)
        hit = memrchr(data.data(), '\n', data.size());
#else
        for (std::size_t i = data.size(); i > 0 && hit == nullptr; --i) {
            if (data[i - 1] == '\n') {
                hit = data.data() + i - 1;
            }
        }
#endif
        return hit == nullptr
                   ? 0
                   : static_cast<std::size_t>(static_cast<const char*>(hit) - data.data()) + 1;
    }
    // A quote opens a quoted field only at the start of a field, as the scanner reads it.
    const char* const begin = data.data();
    const char* const end = begin + data.size();
    const char delimiter = format.delimiter;
    std::size_t last = 0;
    bool fieldStart = true;
    for (const char* p = begin; p != end;) {
        const char c = *p;
        if (c == kQuote && fieldStart) {
            bool doubled = false;
            const std::size_t closing =
                ClosingQuote(data, static_cast<std::size_t>(p - begin) + 1, doubled);
            if (closing + 1 >= data.size()) {
                // Unclosed so far, or closed by the last byte, which might yet be doubled.
                return last;
            }
            p = begin + closing + 1;
            fieldStart = false;
            continue;
        }
        if (c == '\n') {
            last = static_cast<std::size_t>(p - begin) + 1;
            fieldStart = true;
        } else {
            fieldStart = c == delimiter;
        }
        ++p;
    }
    return last;
}

FieldFit FitOfValue(std::string_view value, RecordFormat format) {
    FieldFit fit = FieldFit::kPlain;
    for (const char c : value) {
        const bool breaks =
            c == '\n' || c == '\r' || (format.kind != RecordKind::kLines && c == format.delimiter);
        if (format.kind == RecordKind::kCsv) {
            if (breaks || c == kQuote) {
                fit = FieldFit::kQuoted;
            }
        } else if (breaks) {
            return FieldFit::kImpossible;
        }
    }
    return fit;
}

void AppendField(std::string& out, std::string_view value, FieldFit fit) {
    if (fit != FieldFit::kQuoted) {
        out.append(value);
        return;
    }
    out += kQuote;
    for (const char c : value) {
        out += c;
        if (c == kQuote) {
            out += kQuote;
        }
    }
    out += kQuote;
}
