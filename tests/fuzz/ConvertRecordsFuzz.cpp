// convert's record reader over any bytes, in each record format with any delimiter, checked
// against a reader written here that takes one byte at a time by the rules (a record ends after
// LF, a CR before the LF belongs to the line break; CSV fields may be quoted, with doubled quotes
// inside, and hold what is written when text follows the closing quote): the same records, the
// same fields, the same values, and the same end of the last whole record. And converting with
// no field, in chunks of any size, one job or two, with or without a header, writes the input
// back byte for byte; converting fields writes the same bytes whatever the chunks and jobs, with
// records longer than the longest held streamed in and values longer than the longest failed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "cli/ByteStreams.h"
#include "cli/ChunkConverter.h"
#include "cli/ConvertStream.h"
#include "cli/RecordScanner.h"

namespace {

struct Record {
    std::size_t end = 0;  // past its line break
    bool lineBreak = false;
    bool unclosedQuote = false;
    std::vector<std::string> values;
};

std::vector<Record> ReferenceRecords(std::string_view data, RecordFormat format) {
    const std::size_t n = data.size();
    const bool csv = format.kind == RecordKind::kCsv;
    const auto endsField = [&](char c) {
        return c == '\n' || (format.kind != RecordKind::kLines && c == format.delimiter);
    };
    std::vector<Record> records;
    std::size_t pos = 0;
    while (pos < n) {
        Record record;
        for (;;) {
            const std::size_t start = pos;
            std::optional<std::string> quoted;
            if (csv && data[pos] == '"') {
                std::string value;
                std::size_t i = pos + 1;
                bool closed = false;
                while (i < n) {
                    if (data[i] == '"') {
                        if (i + 1 < n && data[i + 1] == '"') {
                            value += '"';
                            i += 2;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    value += data[i++];
                }
                if (!closed) {
                    record.unclosedQuote = true;
                    record.end = n;
                    records.push_back(record);
                    return records;
                }
                quoted = value;
                pos = i + 1;
            }
            const std::size_t afterQuote = pos;
            while (pos < n && !endsField(data[pos])) {
                ++pos;
            }
            std::size_t end = pos;
            if (pos < n && data[pos] == '\n' && end > start && data[end - 1] == '\r') {
                --end;
            }
            record.values.push_back(quoted && end == afterQuote
                                        ? *quoted
                                        : std::string(data.substr(start, end - start)));
            if (pos == n || data[pos] == '\n') {
                record.lineBreak = pos < n;
                record.end = pos < n ? pos + 1 : n;
                break;
            }
            ++pos;
            if (pos == n) {
                // A delimiter at the very end leaves one more, empty field.
                record.values.emplace_back();
                record.end = n;
                break;
            }
        }
        records.push_back(record);
        pos = record.end;
    }
    return records;
}

void CheckScanner(std::string_view data, RecordFormat format, std::size_t wanted,
                  const std::vector<Record>& expected) {
    RecordScanner scanner(format, wanted);
    std::string scratch;
    std::size_t pos = 0;
    const auto where = [&](std::size_t record) {
        return "record " + std::to_string(record) + " of " + Escaped(data) + " delimiter " +
               std::to_string(static_cast<unsigned char>(format.delimiter)) + " kind " +
               std::to_string(static_cast<int>(format.kind)) + " wanted " + std::to_string(wanted);
    };
    for (std::size_t r = 0; r < expected.size(); ++r) {
        const Record& want = expected[r];
        const RecordSpan span = scanner.Scan(data, pos);
        FuzzCheck(
            span.begin == pos && span.end == want.end && span.unclosedQuote == want.unclosedQuote,
            "the reader finds the records the rules find", [&] {
                return where(r) + ": ends at " + std::to_string(span.end) + ", not " +
                       std::to_string(want.end);
            });
        if (want.unclosedQuote) {
            return;
        }
        const std::size_t count =
            wanted == 0 || wanted > want.values.size() ? want.values.size() : wanted;
        FuzzCheck(span.fieldCount == count && scanner.Fields().size() == count,
                  "the reader finds the fields the rules find", [&] {
                      return where(r) + ": " + std::to_string(span.fieldCount) + " fields, not " +
                             std::to_string(count);
                  });
        for (std::size_t f = 0; f < count; ++f) {
            const std::string_view value = FieldValue(data, scanner.Fields()[f], scratch);
            FuzzCheck(value == want.values[f], "each field holds what the rules read", [&] {
                return where(r) + " field " + std::to_string(f) + ": " + Escaped(value) +
                       " instead of " + Escaped(want.values[f]);
            });
        }
        pos = span.end;
    }
    FuzzCheck(pos == data.size(), "the records cover the input");
}

// The plan with no field to convert.
ConvertPlan NoFields(RecordFormat format) {
    ConvertPlan plan;
    plan.format = format;
    return plan;
}

// Brackets a value; one holding 'x' fails, one holding 'q' gives a result CSV must quote. A
// value of up to four bytes with neither goes by a direct path, as a code's common values do.
class MarkingConverter : public ValueConverter {
  public:
    int Convert(std::string_view value, std::string& out) const override {
        out.assign(value);
        if (value.find('x') != std::string_view::npos) {
            return kBadInput;
        }
        out = (value.find('q') != std::string_view::npos ? "\"" : "<") + out + ">";
        return kConverted;
    }
    DirectPath Direct() const override { return {Bracket, nullptr}; }

  private:
    static char* Bracket(const void*, std::string_view value, char* at) {
        if (value.size() > 4 || value.find_first_of("xq") != std::string_view::npos) {
            return nullptr;
        }
        *at++ = '<';
        for (const char c : value) {
            *at++ = c;
        }
        *at++ = '>';
        return at;
    }
};

struct Converted {
    std::string output;
    StreamReport report;
};

Converted ConvertFields(const std::string& text, RecordFormat format, std::size_t columns,
                        OnError onError, StreamSettings settings) {
    static const MarkingConverter converter;
    StringSource source(text);
    StringSink sink;
    Converted run;
    run.report = ConvertStream(
        source, sink, settings,
        [&](const std::vector<std::string>*) {
            ConvertPlan plan{format, {}, onError};
            for (std::size_t column = 0; column < columns; column += 2) {
                plan.fields.push_back(FieldConversion{column, &converter, "c"});
            }
            return plan;
        },
        [](std::uint64_t) {});
    run.output = sink.text;
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    static constexpr RecordKind kKinds[] = {RecordKind::kLines, RecordKind::kCsv,
                                            RecordKind::kSeparated};
    static constexpr char kDelimiters[] = {',', '\t', ';', '|', '\xfe', '\xfd', ' '};
    RecordFormat format;
    format.kind = input.Pick(kKinds);
    const std::uint8_t delimiter = input.Byte();
    format.delimiter = delimiter < 200 ? kDelimiters[delimiter % std::size(kDelimiters)]
                                       : static_cast<char>(input.Byte());
    // A line break or a quote cannot separate fields.
    if (format.delimiter == '\n' || format.delimiter == '\r' || format.delimiter == '"') {
        format.delimiter = ',';
    }
    const std::size_t wanted = input.Range<std::size_t>(0, 3);
    const std::uint8_t chunking = input.Byte();
    const std::string text = input.Rest();

    const std::vector<Record> expected = ReferenceRecords(text, format);
    CheckScanner(text, format, 0, expected);
    if (wanted != 0) {
        CheckScanner(text, format, wanted, expected);
    }
    std::size_t lastWhole = 0;
    for (const Record& record : expected) {
        if (record.lineBreak) {
            lastWhole = record.end;
        }
    }
    FuzzCheck(LastRecordEnd(text, format) == lastWhole,
              "a chunk is cut after the last whole record", [&] {
                  return Escaped(text) + ": " + std::to_string(LastRecordEnd(text, format)) +
                         " instead of " + std::to_string(lastWhole);
              });

    // With no field to convert every byte passes through, however the input is cut.
    StreamSettings settings;
    settings.format = format;
    settings.header = (chunking & 1) != 0;
    settings.jobs = (chunking & 2) != 0 ? 2 : 1;
    settings.chunkSize = std::size_t{1} + (chunking >> 2) % 32;
    settings.longestRecord = (chunking & 0x80) != 0 ? 8 : std::size_t{1} << 20;
    StringSource source(text);
    StringSink sink;
    ConvertStream(
        source, sink, settings, [&](const std::vector<std::string>*) { return NoFields(format); },
        [](std::uint64_t) {});
    FuzzCheck(sink.text == text, "converting no field writes the input back byte for byte",
              [&] { return Escaped(text) + " came out as " + Escaped(sink.text); });

    // Converting fields: one whole chunk and one job against small chunks and two jobs, with the
    // same bounds on records and values.
    const OnError onError = (chunking & 0x40) != 0 ? OnError::kEmpty : OnError::kKeep;
    StreamSettings whole = settings;
    whole.jobs = 1;
    whole.chunkSize = std::size_t{1} << 20;
    whole.longestValue = 6;
    StreamSettings cut = whole;
    cut.jobs = 2;
    cut.chunkSize = settings.chunkSize;
    const std::size_t columns = wanted == 0 ? 1 : wanted;
    const Converted one = ConvertFields(text, format, columns, onError, whole);
    const Converted two = ConvertFields(text, format, columns, onError, cut);
    FuzzCheck(one.output == two.output &&
                  one.report.counts.fieldsRead == two.report.counts.fieldsRead &&
                  one.report.counts.Failed() == two.report.counts.Failed() &&
                  one.report.unclosedQuoteRecord == two.report.unclosedQuoteRecord,
              "converting fields writes the same bytes however the input is cut", [&] {
                  const auto counts = [](const Converted& run) {
                      return " (" + std::to_string(run.report.counts.fieldsRead) + " read, " +
                             std::to_string(run.report.counts.Failed()) + " failed, quote " +
                             std::to_string(run.report.unclosedQuoteRecord.value_or(0)) + ")";
                  };
                  return Escaped(text) + ": " + Escaped(one.output) + counts(one) + " against " +
                         Escaped(two.output) + counts(two);
              });

    // The fast loop against the general reader alone, on the whole input as one chunk.
    static const MarkingConverter marking;
    ConvertPlan plan{format, {}, onError};
    plan.longestRecord = settings.longestRecord;
    plan.longestValue = whole.longestValue;
    for (std::size_t column = 0; column < columns; column += 2) {
        plan.fields.push_back(FieldConversion{column, &marking, "c"});
    }
    const bool last = (chunking & 0x20) != 0;
    std::string fastOut;
    std::string generalOut;
    ChunkResult fast;
    ChunkResult general;
    ChunkConverter(plan).Convert(text, 0, last, fastOut, fast);
    ChunkConverter(plan, RecordReading::kGeneralOnly).Convert(text, 0, last, generalOut, general);
    FuzzCheck(
        fastOut == generalOut && fast.counts.fieldsRead == general.counts.fieldsRead &&
            fast.counts.fieldsConverted == general.counts.fieldsConverted &&
            fast.counts.records == general.counts.records &&
            fast.counts.Failed() == general.counts.Failed() && fast.stopped == general.stopped &&
            fast.unfinishedFrom == general.unfinishedFrom &&
            fast.unclosedQuoteRecord == general.unclosedQuoteRecord,
        "the fast loop writes what the general reader writes", [&] {
            return Escaped(text) + ": " + Escaped(fastOut) + " against " + Escaped(generalOut);
        });
    return 0;
}
