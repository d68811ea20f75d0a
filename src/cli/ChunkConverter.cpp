#include "cli/ChunkConverter.h"

#include "cli/LongRecord.h"
#include "cli/OutputCursor.h"
#include "cli/PlainRecords.h"

namespace {

bool Succeeded(int status) {
    return status == kConverted || status == kSuspect;
}

// Statuses beyond the documented four count as a bad code, so no index leaves the table.
int KnownStatus(int status) {
    return status >= kConverted && status <= kSuspect ? status : kBadCode;
}

}  // namespace

void ConvertCounts::Add(const ConvertCounts& other) {
    records += other.records;
    shortRecords += other.shortRecords;
    fieldsRead += other.fieldsRead;
    fieldsConverted += other.fieldsConverted;
    for (std::size_t i = 0; i < status.size(); ++i) {
        status[i] += other.status[i];
    }
    unwritable += other.unwritable;
    tooLong += other.tooLong;
}

FieldConverter::FieldConverter(const ConvertPlan& plan) : plan_(plan), fitter_(plan.format) {}

FieldOutcome FieldConverter::Failed(const FieldConversion& conversion, std::uint64_t record,
                                    std::string_view value, int status, ChunkResult& result) const {
    if (result.failures.size() < kFailuresKept) {
        result.failures.push_back(FieldFailure{
            record, conversion.label, std::string(value.substr(0, kFailureValueKept)), status});
    }
    return plan_.onError == OnError::kFail ? FieldOutcome::kStop : FieldOutcome::kKept;
}

FieldOutcome FieldConverter::Convert(const FieldConversion& conversion, std::uint64_t record,
                                     std::string_view value, std::string& out,
                                     ChunkResult& result) {
    if (value.size() > plan_.longestValue) {
        return TooLong(conversion, record, value, result);
    }
    ++result.counts.fieldsRead;
    // The result goes straight to the end of out; it is taken back if it cannot stand there.
    const std::size_t start = out.size();
    int status = KnownStatus(conversion.converter->ConvertAppend(value, out, converted_));
    ++result.counts.status[static_cast<std::size_t>(status)];
    const std::string_view written(out.data() + start, out.size() - start);
    const FieldFit fit = fitter_.Fit(written);
    if (fit == FieldFit::kImpossible && Succeeded(status)) {
        status = kUnwritable;
        ++result.counts.unwritable;
    }
    if (Succeeded(status)) {
        ++result.counts.fieldsConverted;
    } else {
        const FieldOutcome outcome = Failed(conversion, record, value, status, result);
        if (outcome == FieldOutcome::kStop || plan_.onError == OnError::kKeep ||
            fit == FieldFit::kImpossible) {
            out.resize(start);
            return outcome;
        }
    }
    if (fit == FieldFit::kQuoted) {
        converted_.assign(written);
        out.resize(start);
        AppendField(out, converted_, FieldFit::kQuoted);
    }
    return FieldOutcome::kReplaced;
}

FieldOutcome FieldConverter::TooLong(const FieldConversion& conversion, std::uint64_t record,
                                     std::string_view start, ChunkResult& result) {
    ++result.counts.fieldsRead;
    ++result.counts.tooLong;
    const FieldOutcome outcome = Failed(conversion, record, start, kTooLong, result);
    // "empty" writes an empty field in its place.
    return outcome == FieldOutcome::kKept && plan_.onError == OnError::kEmpty
               ? FieldOutcome::kReplaced
               : outcome;
}

ChunkConverter::ChunkConverter(const ConvertPlan& plan, RecordReading reading)
    : plan_(plan), scanner_(plan.format, FieldsWanted(plan)), fields_(plan) {
    if (reading == RecordReading::kFastFirst) {
        plain_ = std::make_unique<PlainRecords>(plan, fields_);
    }
}

ChunkConverter::~ChunkConverter() = default;

bool ChunkConverter::ConvertLong(std::string_view record, std::uint64_t number, bool last,
                                 std::string& out, ChunkResult& result) {
    LongRecord converter(plan_, fields_, number, result);
    converter.Feed(record, out);
    if (!converter.Done() && last) {
        converter.Finish(out);
    }
    return !result.stopped;
}

ChunkConverter::Next ChunkConverter::ConvertRecord(std::string_view chunk, std::size_t& pos,
                                                   bool last, std::size_t& copied,
                                                   OutputCursor& out, ChunkResult& result) {
    const RecordSpan record = scanner_.Scan(chunk, pos);
    if (record.unclosedQuote && !last) {
        result.unfinishedFrom = record.begin;
        out.Append(chunk.substr(copied, record.begin - copied));
        copied = chunk.size();
        return Next::kStop;
    }
    const std::uint64_t number = ++result.counts.records;
    if (record.end - record.begin > plan_.longestRecord) {
        out.Append(chunk.substr(copied, record.begin - copied));
        copied = record.end;
        pos = record.end;
        const bool going = ConvertLong(chunk.substr(record.begin, record.end - record.begin),
                                       number, last, out.Finish(), result);
        out.Resume();
        return going ? Next::kRecord : Next::kStop;
    }
    if (record.unclosedQuote) {
        result.unclosedQuoteRecord = number;
        if (plan_.onError == OnError::kFail) {
            out.Append(chunk.substr(copied, record.begin - copied));
            result.stopped = true;
            return Next::kStop;
        }
        return Next::kEnd;
    }
    pos = record.end;
    if (record.fieldCount < FieldsWanted(plan_)) {
        ++result.counts.shortRecords;
        return Next::kRecord;
    }
    const std::size_t outAtRecord = out.Size();
    const std::size_t copiedAtRecord = copied;
    const std::vector<FieldSpan>& fields = scanner_.Fields();
    for (const FieldConversion& conversion : plan_.fields) {
        const FieldSpan& field = fields[conversion.column];
        const std::string_view value = FieldValue(chunk, field, unquoted_);
        converted_.clear();
        const FieldOutcome outcome = fields_.Convert(conversion, number, value, converted_, result);
        if (outcome == FieldOutcome::kStop) {
            out.Rewind(outAtRecord);
            out.Append(chunk.substr(copiedAtRecord, record.begin - copiedAtRecord));
            result.stopped = true;
            return Next::kStop;
        }
        if (outcome == FieldOutcome::kKept) {
            continue;
        }
        out.Append(chunk.substr(copied, field.begin - copied));
        out.Append(converted_);
        copied = field.end;
    }
    return Next::kRecord;
}

void ChunkConverter::Convert(std::string_view chunk, std::size_t from, bool last, std::string& out,
                             ChunkResult& result) {
    OutputCursor cursor(out);
    result = ChunkResult{};
    scanner_.DataChanged();
    // Bytes from `copied` on are not in out yet: unchanged bytes are copied in long runs.
    std::size_t copied = 0;
    std::size_t pos = from;
    while (pos < chunk.size()) {
        if (plain_) {
            pos = plain_->Convert(chunk, pos, copied, cursor, result);
            if (result.stopped) {
                return;
            }
            if (pos == chunk.size()) {
                break;
            }
        }
        const Next next = ConvertRecord(chunk, pos, last, copied, cursor, result);
        if (next == Next::kStop) {
            return;
        }
        if (next == Next::kEnd) {
            break;
        }
    }
    cursor.Append(chunk.substr(copied));
}
