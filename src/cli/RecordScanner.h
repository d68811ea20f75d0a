#pragma once
// The record reader of `convert`: finds records and their fields in a buffer and hands them out
// as offsets into it, so nothing is copied or allocated per record. A record ends after LF; a CR
// just before the LF belongs to the line break, and the last record may lack one.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ByteSearch.h"

enum class RecordKind : unsigned char {
    kLines,      // one field per line
    kCsv,        // fields split at the delimiter, with quoting: "a ""b""" holds a "b"
    kSeparated,  // fields split at the delimiter, no quoting (tab-separated, mark-separated)
};

struct RecordFormat {
    RecordKind kind = RecordKind::kLines;
    char delimiter = ',';
};

// One field, as offsets into the buffer.
struct FieldSpan {
    std::size_t begin = 0;  // the field as written, quotes included
    std::size_t end = 0;
    std::size_t valueBegin = 0;  // what it holds: between the quotes of a quoted field
    std::size_t valueEnd = 0;
    bool doubledQuotes = false;  // the value still has its doubled quotes to undo
};

struct RecordSpan {
    std::size_t begin = 0;
    std::size_t end = 0;         // past the line break
    std::size_t fieldCount = 0;  // fields found, at most the number asked for
    bool unclosedQuote = false;  // a quoted field runs to the end of the buffer
};

class RecordScanner {
  public:
    // Locates the first fieldsWanted fields of each record (0: all of them).
    RecordScanner(RecordFormat format, std::size_t fieldsWanted);

    // The record starting at pos < data.size(); its fields are in Fields() until the next call.
    RecordSpan Scan(std::string_view data, std::size_t pos);
    const std::vector<FieldSpan>& Fields() const { return fields_; }
    // Scans of the same data reuse the bytes already compared; new bytes where old ones were
    // (a buffer refilled) must be announced.
    void DataChanged() { finderData_ = {}; }

  private:
    RecordFormat format_;
    std::size_t wanted_;
    std::vector<FieldSpan> fields_;
    std::string_view finderData_;
    NeedleFinder<> finder_{{}, Needles{'\n', '\n', '\n'}};
};

// From just after an opening quote: the offset of the closing quote (data.size() if there is
// none), and whether doubled quotes were passed.
std::size_t ClosingQuote(std::string_view data, std::size_t pos, bool& doubled);

// The value of a quoted field with its doubled quotes made single, in scratch.
std::string_view UndoDoubledQuotes(std::string_view value, std::string& scratch);

// The value a field holds: a view into the buffer, or into scratch when doubled quotes had to be
// undone.
inline std::string_view FieldValue(std::string_view data, const FieldSpan& field,
                                   std::string& scratch) {
    const std::string_view value = data.substr(field.valueBegin, field.valueEnd - field.valueBegin);
    return field.doubledQuotes ? UndoDoubledQuotes(value, scratch) : value;
}

// The offset just past the last LF in data (0 when there is none).
std::size_t LastLineEnd(std::string_view data);

// The offset just past the last whole record in data (0 when there is none yet), read by the same
// rules as RecordScanner, so that a buffer cut there starts with a record.
std::size_t LastRecordEnd(std::string_view data, RecordFormat format);

// Whether a converted value can stand in a field as it is, must be quoted (CSV), or cannot be
// written at all without changing the record's structure (a line break or delimiter where there is
// no quoting).
enum class FieldFit : unsigned char { kPlain, kQuoted, kImpossible };
FieldFit FitOfValue(std::string_view value, RecordFormat format);
// The same, for many values of one format.
class FieldFitter {
  public:
    explicit FieldFitter(RecordFormat format);
    FieldFit Fit(std::string_view value) const;
    // The same in one pass with whether the value holds a quote (which CSV doubles; in the other
    // formats a quote is not looked for).
    FieldFit Fit(std::string_view value, bool& hasQuote) const;

  private:
    bool csv_;
    // Nonzero for the bytes that make CSV quote a value and the other formats refuse it; the
    // quote, which CSV also doubles, has kQuoteBit too.
    static constexpr unsigned char kQuoteBit = 2;
    unsigned char special_[256] = {};
};

// Appends value as a field: plain or quoted with its quotes doubled.
void AppendField(std::string& out, std::string_view value, FieldFit fit);
