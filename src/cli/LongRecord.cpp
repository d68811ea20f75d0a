#include "cli/LongRecord.h"

#include "cli/ByteSearch.h"

namespace {

constexpr char kQuote = '"';

// A gathered field cannot hold a value within the bound once it is longer than this: at most
// two quotes around it and every quote in it doubled.
std::size_t LongestGathered(std::size_t longestValue) {
    return 2 * longestValue + 2;
}

}  // namespace

LongRecord::LongRecord(const ConvertPlan& plan, FieldConverter& fields, std::uint64_t record,
                       ChunkResult& result)
    : plan_(plan),
      fields_(fields),
      record_(record),
      result_(result),
      csv_(plan.format.kind == RecordKind::kCsv),
      // One field per line: no byte but LF ends a field.
      delimiter_(plan.format.kind == RecordKind::kLines ? '\n' : plan.format.delimiter),
      wanted_(plan.fields.empty() ? 1 : plan.fields.back().column + 1) {}

void LongRecord::StartField() {
    converting_ = nullptr;
    tooLong_ = false;
    writeRest_ = false;
    doubledQuotes_ = false;
    closingQuote_ = 0;
    field_.clear();
    if (nextConversion_ < plan_.fields.size() && plan_.fields[nextConversion_].column == column_) {
        converting_ = &plan_.fields[nextConversion_++];
    }
}

void LongRecord::Take(std::string_view bytes, std::string& out) {
    if (converting_ == nullptr || (tooLong_ && writeRest_)) {
        out.append(bytes);
        return;
    }
    if (tooLong_) {
        return;
    }
    field_.append(bytes);
    if (field_.size() <= LongestGathered(plan_.longestValue)) {
        return;
    }
    tooLong_ = true;
    switch (fields_.TooLong(*converting_, record_, field_, result_)) {
        case FieldOutcome::kKept:
            writeRest_ = true;
            out.append(field_);
            break;
        case FieldOutcome::kReplaced:
            break;
        case FieldOutcome::kStop:
            Stop();
            break;
    }
    field_.clear();
}

void LongRecord::EndField(bool lineBreak, std::string& out) {
    if (converting_ == nullptr || tooLong_) {
        return;
    }
    // A CR before the line break belongs to the break.
    const bool carriageReturn = lineBreak && !field_.empty() && field_.back() == '\r';
    std::string_view written(field_);
    if (carriageReturn) {
        written.remove_suffix(1);
    }
    std::string_view value = written;
    if (csv_ && closingQuote_ != 0 && closingQuote_ + 1 == written.size()) {
        value = written.substr(1, closingQuote_ - 1);
        if (doubledQuotes_) {
            value_.clear();
            for (std::size_t i = 0; i < value.size(); ++i) {
                value_ += value[i];
                if (value[i] == kQuote) {
                    ++i;  // the second quote of the pair
                }
            }
            value = value_;
        }
    }
    switch (fields_.Convert(*converting_, record_, value, out, result_)) {
        case FieldOutcome::kKept:
            out.append(written);
            break;
        case FieldOutcome::kReplaced:
            break;
        case FieldOutcome::kStop:
            Stop();
            return;
    }
    if (carriageReturn) {
        out += '\r';
    }
}

void LongRecord::Stop() {
    result_.stopped = true;
    done_ = true;
}

std::size_t LongRecord::Feed(std::string_view bytes, std::string& out) {
    std::size_t pos = 0;
    const std::size_t size = bytes.size();
    while (pos < size && !done_) {
        switch (phase_) {
            case Phase::kFieldStart:
                StartField();
                phase_ = Phase::kPlain;
                if (csv_ && bytes[pos] == kQuote) {
                    Take(bytes.substr(pos, 1), out);
                    ++pos;
                    phase_ = Phase::kQuoted;
                }
                break;
            case Phase::kQuoted: {
                const std::size_t quote = FindByte(bytes, pos, kQuote);
                Take(bytes.substr(pos, quote - pos), out);
                pos = quote;
                if (pos < size) {
                    Take(bytes.substr(pos, 1), out);
                    ++pos;
                    phase_ = Phase::kQuoteSeen;
                }
                break;
            }
            case Phase::kQuoteSeen:
                if (bytes[pos] == kQuote) {
                    doubledQuotes_ = true;
                    Take(bytes.substr(pos, 1), out);
                    ++pos;
                    phase_ = Phase::kQuoted;
                } else {
                    // The quote before was the closing one; what follows up to the field's end
                    // is text.
                    if (!field_.empty()) {
                        closingQuote_ = field_.size() - 1;
                    }
                    phase_ = Phase::kPlain;
                }
                break;
            case Phase::kPlain: {
                const std::size_t end = FindEither(bytes, pos, delimiter_, '\n');
                Take(bytes.substr(pos, end - pos), out);
                pos = end;
                if (pos == size) {
                    break;
                }
                const bool lineBreak = bytes[pos] == '\n';
                EndField(lineBreak, out);
                if (done_) {
                    break;
                }
                out += bytes[pos];
                ++pos;
                if (lineBreak) {
                    if (column_ + 1 < FieldsWanted()) {
                        ++result_.counts.shortRecords;
                    }
                    done_ = true;
                } else {
                    ++column_;
                    phase_ = Phase::kFieldStart;
                }
                break;
            }
        }
    }
    return pos;
}

void LongRecord::Finish(std::string& out) {
    if (done_) {
        return;
    }
    done_ = true;
    if (phase_ == Phase::kQuoted) {
        result_.unclosedQuoteRecord = record_;
        // The open field is written as it was read.
        if (converting_ != nullptr && !tooLong_) {
            out.append(field_);
        }
        result_.stopped = plan_.onError == OnError::kFail;
        return;
    }
    if (phase_ == Phase::kFieldStart) {
        // A delimiter at the very end leaves one more, empty field.
        StartField();
    }
    if (phase_ == Phase::kQuoteSeen && !field_.empty()) {
        closingQuote_ = field_.size() - 1;
    }
    EndField(false, out);
    if (!result_.stopped && column_ + 1 < FieldsWanted()) {
        ++result_.counts.shortRecords;
    }
}
