#include "cli/ConvertCommand.h"

#include <algorithm>
#include <optional>

#include "cli/ConvertStream.h"
#include "cli/ConvertSummary.h"
#include "cli/FileStreams.h"
#include "cli/Interrupt.h"
#include "cli/ProgressLine.h"

namespace {

constexpr int kUsageError = 64;
constexpr int kFileError = 2;
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

// A column given as a 1-based number, or kNoColumn for a name.
std::size_t ColumnNumber(const std::string& columnText) {
    if (columnText.empty() || columnText.size() > 9 ||
        !std::all_of(columnText.begin(), columnText.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
        return kNoColumn;
    }
    return static_cast<std::size_t>(std::stoul(columnText));
}

bool IsStandardInput(const std::string& file) {
    return file.empty() || file == "-";
}

// The converters, parsed once for the whole run, and the plan for one input.
class FieldPlanner {
  public:
    FieldPlanner(const ConvertRequest& request, std::vector<std::unique_ptr<ValueConverter>> made)
        : request_(request), converters_(std::move(made)) {}

    // The plan for an input with this header (nullptr: none); nothing, with why in error, when a
    // name is not in the header or a column is given twice.
    std::optional<ConvertPlan> Plan(const std::vector<std::string>* header,
                                    std::string& error) const {
        ConvertPlan plan;
        plan.format = request_.format;
        plan.onError = request_.onError;
        for (std::size_t i = 0; i < request_.fields.size(); ++i) {
            const std::string& columnText = request_.fields[i].columnText;
            FieldConversion field;
            field.converter = converters_[i].get();
            const std::size_t number = ColumnNumber(columnText);
            if (number != kNoColumn) {
                field.column = number - 1;
                field.label = columnText;
                if (header != nullptr && field.column < header->size()) {
                    field.label = (*header)[field.column] + " (" + columnText + ")";
                }
            } else {
                const auto found = header == nullptr
                                       ? std::vector<std::string>::const_iterator{}
                                       : std::find(header->begin(), header->end(), columnText);
                if (header == nullptr || found == header->end()) {
                    error = "no column named '" + columnText + "' in the header";
                    return std::nullopt;
                }
                field.column = static_cast<std::size_t>(found - header->begin());
                field.label = columnText + " (" + std::to_string(field.column + 1) + ")";
            }
            for (const FieldConversion& other : plan.fields) {
                if (other.column == field.column) {
                    error = "column " + field.label + " is given twice";
                    return std::nullopt;
                }
            }
            plan.fields.push_back(std::move(field));
        }
        std::sort(
            plan.fields.begin(), plan.fields.end(),
            [](const FieldConversion& a, const FieldConversion& b) { return a.column < b.column; });
        return plan;
    }

  private:
    const ConvertRequest& request_;
    std::vector<std::unique_ptr<ValueConverter>> converters_;
};

// A column name in a header that does not have it: the file is skipped.
class EPlanError : public Exception {
  public:
    using Exception::Exception;
};

struct RunState {
    RunTotals totals;
    int exitCode = 0;
    bool stopped = false;
};

void ConvertOne(Console& console, const ConvertRequest& request, const FieldPlanner& planner,
                ByteSource& source, const std::string& name, std::optional<std::uint64_t> size,
                ByteSink& sink, const InterruptCatcher* interrupt, RunState& state) {
    StreamSettings settings;
    settings.format = request.format;
    settings.header = request.header;
    settings.jobs = request.jobs;
    std::optional<ProgressLine> progress;
    if (size && console.errIsTerminal && !request.quiet) {
        progress.emplace(console.err, *size);
    }
    const PlanMaker makePlan = [&](const std::vector<std::string>* header) {
        std::string error;
        std::optional<ConvertPlan> plan = planner.Plan(header, error);
        if (!plan) {
            throw EPlanError(error);
        }
        return *plan;
    };
    const ProgressReport report = [&](std::uint64_t done) {
        if (interrupt != nullptr) {
            interrupt->Check();
        }
        if (progress) {
            progress->Update(done);
        }
    };
    StreamReport result;
    try {
        result = ConvertStream(source, sink, settings, makePlan, report);
    } catch (const EPlanError& e) {
        if (progress) {
            progress->Clear();
        }
        Diagnose(console, "convert: " + name + ": " + e.Message());
        state.exitCode = std::max(state.exitCode, kFileError);
        return;
    }
    if (progress) {
        progress->Clear();
    }
    state.totals.Add(name, result);
    if (result.unclosedQuoteRecord) {
        Diagnose(console, "convert: " + name + ": record " +
                              std::to_string(*result.unclosedQuoteRecord) +
                              " opens a quote that is never closed" +
                              (result.stopped ? "" : "; it is written unchanged"));
    }
    if (result.overlongHeader) {
        Diagnose(console, "convert: " + name + ": the header is longer than " +
                              std::to_string(kLongestHeldRecord >> 20) +
                              " MiB (an unclosed quote?); the input is written unchanged");
    }
    if (result.stopped && !result.unclosedQuoteRecord && !result.failures.empty()) {
        Diagnose(console, "convert: stopped at the first failure: " +
                              FailureText(name, result.failures.front()));
    }
    if (result.counts.Failed() > 0 || result.unclosedQuoteRecord || result.overlongHeader) {
        state.exitCode = std::max(state.exitCode, 1);
    }
    state.stopped = result.stopped;
}

}  // namespace

bool ReadFieldRequest(const std::string& text, FieldRequest& field, std::string& error) {
    const std::size_t equals = text.find('=');
    const std::size_t colon = equals == std::string::npos ? equals : text.find(':', equals);
    if (equals == std::string::npos || colon == std::string::npos || equals == 0) {
        error = "--field '" + text + "' is not SPEC=oconv:CODE or SPEC=iconv:CODE";
        return false;
    }
    const std::string direction = text.substr(equals + 1, colon - equals - 1);
    if (direction != "oconv" && direction != "iconv") {
        error = "--field '" + text + "': the direction is oconv or iconv, not '" + direction + "'";
        return false;
    }
    field.columnText = text.substr(0, equals);
    field.direction = direction == "oconv" ? Direction::kOconv : Direction::kIconv;
    field.code = text.substr(colon + 1);
    if (ColumnNumber(field.columnText) == 0) {
        error = "--field '" + text + "': columns are numbered from 1";
        return false;
    }
    return true;
}

int RunConvert(Console& console, const ConvertRequest& request,
               const ConverterMaker& makeConverter) {
    std::vector<std::unique_ptr<ValueConverter>> converters;
    for (const FieldRequest& field : request.fields) {
        if (!request.header && ColumnNumber(field.columnText) == kNoColumn) {
            Diagnose(console, "convert: --field " + field.columnText +
                                  ": a column name needs --header (or give its number)");
            return kUsageError;
        }
        std::string error;
        converters.push_back(makeConverter(field.direction, field.code, error));
        if (!converters.back()) {
            Diagnose(console, "convert: --field " + field.columnText + ": " + error);
            return kUsageError;
        }
    }
    std::vector<std::string> files = request.files;
    if (files.empty()) {
        files.push_back("-");
    }
    if (!request.output.empty()) {
        for (const std::string& file : files) {
            if (!IsStandardInput(file) && SameFile(file, request.output)) {
                Diagnose(console, "convert: '" + file + "' is both input and output");
                return kUsageError;
            }
        }
    }
    const FieldPlanner planner(request, std::move(converters));
    RunState state;
    std::optional<ReplacingFile> outputFile;
    std::optional<InterruptCatcher> interrupt;
    try {
        if (!request.output.empty()) {
            interrupt.emplace();
            outputFile.emplace(request.output);
        }
        ByteSink& sink = outputFile ? static_cast<ByteSink&>(*outputFile) : console.out;
        for (const std::string& file : files) {
            std::unique_ptr<FdSource> opened;
            ByteSource* source = &console.in;
            std::string name = "standard input";
            std::optional<std::uint64_t> size;
            try {
                if (!IsStandardInput(file)) {
                    opened = OpenInputFile(file);
                    source = opened.get();
                    name = file;
                    size = opened->RegularFileSize();
                }
                ConvertOne(console, request, planner, *source, name, size, sink,
                           interrupt ? &*interrupt : nullptr, state);
            } catch (const EReadError& e) {
                // An input that cannot be read is reported; the others are still converted.
                Diagnose(console, "convert: " + e.Message());
                state.exitCode = std::max(state.exitCode, kFileError);
                continue;
            }
            if (state.stopped) {
                break;
            }
        }
        if (!request.quiet) {
            Diagnose(console, "convert: " + SummaryText(state.totals));
            for (const std::string& line : FailureLines(state.totals)) {
                Diagnose(console, "convert: " + line);
            }
        }
        if (outputFile) {
            // A run that stopped leaves the output as it was.
            if (state.stopped) {
                return state.exitCode;
            }
            outputFile->Commit();
        }
    } catch (const EStreamError& e) {
        Diagnose(console, "convert: " + e.Message());
        return kFileError;
    } catch (const EInterrupted&) {
        Diagnose(console, "convert: interrupted; " +
                              (request.output.empty() ? std::string("output incomplete")
                                                      : "'" + request.output + "' not written"));
        return 130;
    }
    return state.exitCode;
}
