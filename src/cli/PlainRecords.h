#pragma once
// The fast loop of `convert`, for the records most data is made of: whole (ended by LF), of
// common length, and with no doubled quotes or text after a closing quote in a field to
// convert. Their fields are found and converted in one pass over the bytes, a converted value is
// written straight into the output by its code's direct path where it has one, and the bytes
// around are copied in long runs. Each record it takes gives exactly what the general reader and
// converter give; at the first record that is not plain it stops and leaves that record to them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ByteSearch.h"
#include "cli/ChunkConverter.h"
#include "cli/OutputCursor.h"

class PlainRecords {
  public:
    PlainRecords(const ConvertPlan& plan, FieldConverter& fields);

    // Converts the plain records from pos on. Bytes of chunk from `copied` on are not written
    // yet (copied is moved past what is). Gives the offset of the first record left to the
    // general path, chunk.size() when none; when the error mode stops the run, result.stopped is
    // set and out ends before the record that stopped it.
    std::size_t Convert(std::string_view chunk, std::size_t pos, std::size_t& copied,
                        OutputCursor& out, ChunkResult& result);

  private:
    // Where a wanted field ends: its delimiter or LF, and its closing quote (0 when unquoted).
    struct FieldEnd {
        std::size_t end = 0;
        std::size_t closing = 0;
    };

    // Converts the fields of one plain record whose wanted fields end at ends_; false when the
    // run stops.
    bool ConvertRecord(std::string_view chunk, std::size_t begin, std::uint64_t number,
                       std::size_t& copied, OutputCursor& out, ChunkResult& result);
    // A direct result written from at + 1 to end made a field at `at`: the end of the field as
    // written, or nullptr when the general path must write it.
    char* Fitted(char* at, char* end) const;

    // A field to convert, with its converter's direct path.
    struct Target {
        std::size_t column = 0;
        const FieldConversion* conversion = nullptr;
        char* (*write)(const void* context, std::string_view value, char* at) = nullptr;
        const void* context = nullptr;
        // Whether a direct result may hold a byte the record format treats specially, and so
        // must be looked at.
        bool checkResult = true;
    };

    const ConvertPlan& plan_;
    FieldConverter& fields_;
    FieldFitter fitter_;
    bool csv_;
    std::size_t wanted_;
    std::vector<Target> targets_;  // by column
    std::vector<FieldEnd> ends_;   // of each wanted field of the record
    std::string converted_;        // a value's result by the general path
    PreparedNeedles needles_;      // the bytes that end a field, and the quote in CSV
};
