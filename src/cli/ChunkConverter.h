#pragma once
// Converts the chosen fields of every record of one chunk of input (whole records) into an output
// buffer, passing every other byte through unchanged, and counts what it did. Chunks are
// independent, so several can be converted at once; their results are joined in input order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/RecordScanner.h"
#include "cli/ValueConverter.h"

enum class OnError : unsigned char {
    kKeep,   // the field keeps its original text
    kEmpty,  // the field gets what the conversion returned for it
    kFail,   // the run stops before the record
};

struct FieldConversion {
    std::size_t column = 0;  // 0-based
    const ValueConverter* converter = nullptr;
    std::string label;  // the column as people know it: "3" or "date (3)"
};

// A record longer than this is converted field by field as its bytes come, never held whole.
inline constexpr std::size_t kLongestHeldRecord = std::size_t{4} << 20;
// A value to convert longer than this fails, whatever the code.
inline constexpr std::size_t kLongestValue = std::size_t{1} << 20;

struct ConvertPlan {
    RecordFormat format;
    std::vector<FieldConversion> fields;  // by column, each column once
    OnError onError = OnError::kKeep;
    std::size_t longestRecord = kLongestHeldRecord;
    std::size_t longestValue = kLongestValue;
};

// The fields each record is read up to: the last converted column.
inline std::size_t FieldsWanted(const ConvertPlan& plan) {
    return plan.fields.empty() ? 1 : plan.fields.back().column + 1;
}

// A failed field, for the summary.
struct FieldFailure {
    std::uint64_t record = 0;  // 1-based in its input, a header counted
    std::string label;
    std::string value;
    int status = 0;  // kUnwritable when the result does not fit the record format
};
inline constexpr int kUnwritable = -1;
inline constexpr int kTooLong = -2;  // the value is longer than the longest converted
// A failure keeps this much of its value, enough to show it.
inline constexpr std::size_t kFailureValueKept = 64;
inline constexpr std::size_t kFailuresKept = 10;

struct ConvertCounts {
    std::uint64_t records = 0;
    std::uint64_t shortRecords = 0;
    std::uint64_t fieldsRead = 0;
    std::uint64_t fieldsConverted = 0;      // STATUS 0 or 3, written
    std::array<std::uint64_t, 4> status{};  // by STATUS
    std::uint64_t unwritable = 0;
    std::uint64_t tooLong = 0;

    std::uint64_t Failed() const {
        return status[kBadInput] + status[kBadCode] + unwritable + tooLong;
    }
    void Add(const ConvertCounts& other);
};

struct ChunkResult {
    ConvertCounts counts;
    std::vector<FieldFailure> failures;  // the first kFailuresKept, records numbered in the chunk
    bool stopped = false;                // OnError::kFail met a failure
    std::optional<std::uint64_t> unclosedQuoteRecord;  // in the last chunk; passed unchanged
    // A chunk that is not the last may end inside a quoted field: its unfinished last record
    // starts here, is not written, and begins the next chunk.
    std::optional<std::size_t> unfinishedFrom;
};

// Converts one field's value in place of the field, by the plan's error mode, counting it and
// keeping its failure.
enum class FieldOutcome : unsigned char {
    kReplaced,  // the result is appended to out
    kKept,      // nothing is appended: the field keeps its original text
    kStop,      // nothing is appended: the run stops (OnError::kFail)
};
class FieldConverter {
  public:
    explicit FieldConverter(const ConvertPlan& plan);
    FieldOutcome Convert(const FieldConversion& conversion, std::uint64_t record,
                         std::string_view value, std::string& out, ChunkResult& result);
    // A value longer than the longest converted, of which only the start is known.
    FieldOutcome TooLong(const FieldConversion& conversion, std::uint64_t record,
                         std::string_view start, ChunkResult& result);

  private:
    FieldOutcome Failed(const FieldConversion& conversion, std::uint64_t record,
                        std::string_view value, int status, ChunkResult& result) const;

    const ConvertPlan& plan_;
    FieldFitter fitter_;
    std::string converted_;
};

class OutputCursor;
class PlainRecords;

// How a chunk's records are read: the fast loop first, which the program always does, or every
// record by the general reader, which the tests hold the fast loop against.
enum class RecordReading : unsigned char { kFastFirst, kGeneralOnly };

class ChunkConverter {
  public:
    explicit ChunkConverter(const ConvertPlan& plan,
                            RecordReading reading = RecordReading::kFastFirst);
    ~ChunkConverter();
    ChunkConverter(const ChunkConverter&) = delete;
    ChunkConverter& operator=(const ChunkConverter&) = delete;

    // Converts the records of chunk from offset `from` on (the bytes before it, a header, are
    // passed through), replacing out and result. In the last chunk of the input a quote left
    // open is an error; in any other it marks an unfinished record.
    void Convert(std::string_view chunk, std::size_t from, bool last, std::string& out,
                 ChunkResult& result);

  private:
    // What the chunk's loop does after a record read by the general path.
    enum class Next : unsigned char { kRecord, kEnd, kStop };
    // Converts the record at pos by the general reader, moving pos past it.
    Next ConvertRecord(std::string_view chunk, std::size_t& pos, bool last, std::size_t& copied,
                       OutputCursor& out, ChunkResult& result);
    // A record longer than the plan's longest held: converted as if it streamed in.
    bool ConvertLong(std::string_view record, std::uint64_t number, bool last, std::string& out,
                     ChunkResult& result);

    const ConvertPlan& plan_;
    RecordScanner scanner_;
    FieldConverter fields_;
    std::unique_ptr<PlainRecords> plain_;
    std::string unquoted_;
    std::string converted_;
};
