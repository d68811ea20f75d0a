#include "cli/ChunkConverter.h"

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
}

ChunkConverter::ChunkConverter(const ConvertPlan& plan)
    : plan_(plan), scanner_(plan.format, FieldsWanted(plan)), fitter_(plan.format) {}

void ChunkConverter::Convert(std::string_view chunk, std::size_t from, bool last, std::string& out,
                             ChunkResult& result) {
    out.clear();
    result = ChunkResult{};
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
            ++result.counts.fieldsRead;
            int status = KnownStatus(conversion.converter->Convert(value, converted_));
            ++result.counts.status[static_cast<std::size_t>(status)];
            const FieldFit fit = fitter_.Fit(converted_);
            if (fit == FieldFit::kImpossible && Succeeded(status)) {
                status = kUnwritable;
                ++result.counts.unwritable;
            }
            if (!Succeeded(status)) {
                if (result.failures.size() < kFailuresKept) {
                    result.failures.push_back(
                        FieldFailure{number, conversion.label, std::string(value), status});
                }
                if (plan_.onError == OnError::kFail) {
                    out.resize(outAtRecord);
                    out.append(chunk.substr(copiedAtRecord, record.begin - copiedAtRecord));
                    result.stopped = true;
                    return;
                }
                if (plan_.onError == OnError::kKeep || fit == FieldFit::kImpossible) {
                    continue;
                }
            } else {
                ++result.counts.fieldsConverted;
            }
            out.append(chunk.substr(copied, field.begin - copied));
            AppendField(out, converted_, fit);
            copied = field.end;
        }
    }
    out.append(chunk.substr(copied));
}
