#pragma once
// Converts one input stream into an output stream: chunks of whole records are converted, by
// several workers when jobs > 1, and written strictly in input order, so the output is the same
// byte for byte whatever the number of jobs.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/ByteStreams.h"
#include "cli/ChunkConverter.h"

struct StreamSettings {
    RecordFormat format;
    bool header = false;
    unsigned jobs = 1;
    std::size_t chunkSize = std::size_t{1} << 20;
    std::size_t longestRecord = std::size_t{16} << 20;
};

struct StreamReport {
    ConvertCounts counts;
    std::vector<FieldFailure> failures;  // the first kFailuresKept of the input
    bool stopped = false;                // stopped at a failure (OnError::kFail)
    std::optional<std::uint64_t> unclosedQuoteRecord;
    std::optional<std::uint64_t> overlongRecord;  // from this record on, passed unchanged
};

// Makes the plan once the header's names are known (nullptr without a header); it may raise.
using PlanMaker = std::function<ConvertPlan(const std::vector<std::string>* header)>;
// Told the bytes read so far after each chunk; may raise to stop the run.
using ProgressReport = std::function<void(std::uint64_t bytesRead)>;

StreamReport ConvertStream(ByteSource& source, ByteSink& sink, const StreamSettings& settings,
                           const PlanMaker& makePlan, const ProgressReport& progress);
