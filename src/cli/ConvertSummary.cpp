#include "cli/ConvertSummary.h"

namespace {

constexpr std::size_t kLongestShown = 60;
constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string Count(std::uint64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

void RunTotals::Add(const std::string& name, const StreamReport& report) {
    counts.Add(report.counts);
    for (const FieldFailure& failure : report.failures) {
        if (failures.size() < kFailuresKept) {
            failures.emplace_back(name, failure);
        }
    }
}

std::string SummaryText(const RunTotals& totals) {
    const ConvertCounts& c = totals.counts;
    std::string text = Count(c.records, "record", "records") + ", " +
                       Count(c.fieldsRead, "field", "fields") + " read, " +
                       std::to_string(c.fieldsConverted) + " converted";
    if (c.status[kSuspect] > 0) {
        text += " (" + std::to_string(c.status[kSuspect]) + " suspect, STATUS 3)";
    }
    text += ", " + std::to_string(c.Failed()) + " failed";
    if (c.Failed() > 0) {
        std::string parts;
        const auto part = [&parts](const std::string& label, std::uint64_t n) {
            if (n > 0) {
                parts += (parts.empty() ? "" : ", ") + label + ": " + std::to_string(n);
            }
        };
        part("STATUS 1", c.status[kBadInput]);
        part("STATUS 2", c.status[kBadCode]);
        part("not writable in the format", c.unwritable);
        part("longer than " + std::to_string(kLongestValue >> 20) + " MiB", c.tooLong);
        text += " (" + parts + ")";
    }
    if (c.shortRecords > 0) {
        text += ", " + Count(c.shortRecords, "short record", "short records") + " unchanged";
    }
    return text;
}

std::vector<std::string> FailureLines(const RunTotals& totals) {
    std::vector<std::string> lines;
    for (const auto& [name, failure] : totals.failures) {
        lines.push_back(FailureText(name, failure));
    }
    return lines;
}

std::string FailureText(const std::string& name, const FieldFailure& failure) {
    std::string text =
        name + ": record " + std::to_string(failure.record) + ", column " + failure.label + ": ";
    if (failure.status == kUnwritable) {
        text += "the result of " + ShownValue(failure.value) + " does not fit the record format";
    } else if (failure.status == kTooLong) {
        text += "a value longer than " + std::to_string(kLongestValue >> 20) + " MiB, starting " +
                ShownValue(failure.value);
    } else {
        text += "STATUS " + std::to_string(failure.status) + " for " + ShownValue(failure.value);
    }
    return text;
}

std::string ShownValue(std::string_view value) {
    static constexpr const char* kMarks[] = {"<TM>", "<SM>", "<VM>", "<AM>", "<IM>"};
    std::string text = "'";
    for (std::size_t i = 0; i < value.size() && i < kLongestShown; ++i) {
        const auto code = static_cast<unsigned char>(value[i]);
        if (code >= 251) {
            text += kMarks[code - 251];
        } else if (code < 0x20 || code == 0x7F) {
            text += "\\x";
            text += kHexDigits[code >> 4];
            text += kHexDigits[code & 0xF];
        } else {
            text += value[i];
        }
    }
    text += value.size() > kLongestShown ? "'..." : "'";
    return text;
}
