#include "cli/ChunkConverter.h"

#include "cli/LongRecord.h"

namespace {

std::size_t FieldsWanted(const ConvertPlan& plan) {
    return plan.fields.empty() ? 1 : plan.fields.back().column + 1;
}

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

ChunkConverter::ChunkConverter(const ConvertPlan& plan)
    : plan_(plan), scanner_(plan.format, FieldsWanted(plan)), fields_(plan) {}

bool ChunkConverter::ConvertLong(std::string_view record, std::uint64_t number, bool last,
                                 std::string& out, ChunkResult& result) {
    LongRecord converter(plan_, fields_, number, result);
    converter.Feed(record, out);
    if (!converter.Done() && last) {
        converter.Finish(out);
    }
    return !result.stopped;
}

void ChunkConverter::Convert(std::string_view chunk, std::size_t from, bool last, std::string& out,
                             ChunkResult& result) {
    out.clear();
    result = ChunkResult{};
    scanner_.DataChanged();
    const std::size_t wanted = FieldsWanted(plan_);
    // Bytes from `copied` on are not in out yet: unchanged bytes are copied in long runs.
    std::size_t copied = 0;
    std::size_t pos = from;
    while (pos < chunk.size()) {
        const RecordSpan record = scanner_.Scan(chunk, pos);
        if (record.unclosedQuote && !last) {
            result.unfinishedFrom = record.begin;
            out.append(chunk.substr(copied, record.begin - copied));
            return;
        }
        const std::uint64_t number = ++result.counts.records;
        if (record.end - record.begin > plan_.longestRecord) {
            out.append(chunk.substr(copied, record.begin - copied));
            copied = record.end;
            pos = record.end;
            if (!ConvertLong(chunk.substr(record.begin, record.end - record.begin), number, last,
                             out, result)) {
                return;
            }
            continue;
        }
        if (record.unclosedQuote) {
            result.unclosedQuoteRecord = number;
            if (plan_.onError == OnError::kFail) {
                out.append(chunk.substr(copied, record.begin - copied));
                result.stopped = true;
                return;
            }
            break;
        }
        pos = record.end;
        if (record.fieldCount < wanted) {
            ++result.counts.shortRecords;
            continue;
        }
        const std::size_t outAtRecord = out.size();
        const std::size_t copiedAtRecord = copied;
        const std::vector<FieldSpan>& fields = scanner_.Fields();
        for (const FieldConversion& conversion : plan_.fields) {
            const FieldSpan& field = fields[conversion.column];
            const std::string_view value = FieldValue(chunk, field, unquoted_);
            const std::size_t outAtField = out.size();
            out.append(chunk.data() + copied, field.begin - copied);
            const FieldOutcome outcome = fields_.Convert(conversion, number, value, out, result);
            if (outcome == FieldOutcome::kStop) {
                out.resize(outAtRecord);
                out.append(chunk.substr(copiedAtRecord, record.begin - copiedAtRecord));
                result.stopped = true;
                return;
            }
            if (outcome == FieldOutcome::kKept) {
                out.resize(outAtField);
                continue;
            }
            copied = field.end;
        }
    }
    out.append(chunk.substr(copied));
}
