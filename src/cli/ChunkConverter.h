#pragma once
// Converts the chosen fields of every record of one chunk of input (whole records) into an output
// buffer, passing every other byte through unchanged, and counts what it did. Chunks are
// independent, so several can be converted at once; their results are joined in input order.

#include <array>
#include <cstddef>
#include <cstdint>
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

struct ConvertPlan {
    RecordFormat format;
    std::vector<FieldConversion> fields;  // by column, each column once
    OnError onError = OnError::kKeep;
};

// A failed field, for the summary.
struct FieldFailure {
    std::uint64_t record = 0;  // 1-based in its input, a header counted
    std::string label;
    std::string value;
    int status = 0;  // kUnwritable when the result does not fit the record format
};
inline constexpr int kUnwritable = -1;
inline constexpr std::size_t kFailuresKept = 10;

struct ConvertCounts {
    std::uint64_t records = 0;
    std::uint64_t shortRecords = 0;
    std::uint64_t fieldsRead = 0;
    std::uint64_t fieldsConverted = 0;      // STATUS 0 or 3, written
    std::array<std::uint64_t, 4> status{};  // by STATUS
    std::uint64_t unwritable = 0;

    std::uint64_t Failed() const { return status[kBadInput] + status[kBadCode] + unwritable; }
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

class ChunkConverter {
  public:
    explicit ChunkConverter(const ConvertPlan& plan);

    // Converts the records of chunk from offset `from` on (the bytes before it, a header, are
    // passed through), replacing out and result. In the last chunk of the input a quote left
    // open is an error; in any other it marks an unfinished record.
    void Convert(std::string_view chunk, std::size_t from, bool last, std::string& out,
                 ChunkResult& result);

  private:
    const ConvertPlan& plan_;
    RecordScanner scanner_;
    FieldFitter fitter_;
    std::string converted_;
    std::string unquoted_;
};
