#pragma once
// One record too long to hold whole, converted as its bytes come: every byte of a field that is
// not converted is written on at once, and a field to convert is gathered up to a bound (a value
// longer than the plan's longest fails by the error mode, and the rest of it is written on or
// dropped as it comes). Memory stays at the bound whatever the length of the record. The fields
// are read by the same rules as RecordScanner's; a record held whole in a chunk but longer than
// the plan's longest goes through here too, so that it is written the same either way.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/ChunkConverter.h"

class LongRecord {
  public:
    // The record is number `record` of result's numbering; its failures and counts go there.
    LongRecord(const ConvertPlan& plan, FieldConverter& fields, std::uint64_t record,
               ChunkResult& result);

    // Reads on through bytes, appending what is to be written to out; returns how many were
    // the record's: all of them, or fewer once its line break is met. Nothing is read once
    // Done().
    std::size_t Feed(std::string_view bytes, std::string& out);
    // The record ended, or the run stops (result.stopped).
    bool Done() const { return done_; }
    // The input ended inside the record: its last field ends here, or a quote is left open.
    void Finish(std::string& out);

  private:
    enum class Phase : unsigned char {
        kFieldStart,
        kPlain,      // unquoted text, or text after a closing quote
        kQuoted,     // inside quotes
        kQuoteSeen,  // a quote inside quotes: doubled, or the closing one
    };

    void StartField();
    // Bytes of the current field.
    void Take(std::string_view bytes, std::string& out);
    void EndField(bool lineBreak, std::string& out);
    void Stop();
    std::size_t FieldsWanted() const { return wanted_; }

    const ConvertPlan& plan_;
    FieldConverter& fields_;
    std::uint64_t record_;
    ChunkResult& result_;
    bool csv_;
    char delimiter_;
    std::size_t wanted_;  // the fields a record must have to be converted
    std::size_t column_ = 0;
    std::size_t nextConversion_ = 0;  // in plan_.fields
    Phase phase_ = Phase::kFieldStart;
    bool done_ = false;

    // The field being gathered for conversion, as written, and where its closing quote is.
    const FieldConversion* converting_ = nullptr;
    std::string field_;
    std::size_t closingQuote_ = 0;
    bool doubledQuotes_ = false;
    // The field turned out too long: the rest of it is written on (kept) or dropped.
    bool tooLong_ = false;
    bool writeRest_ = false;
    std::string value_;
};
