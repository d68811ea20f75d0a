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
    // A record longer than this is converted as it streams in, never held whole.
    std::size_t longestRecord = kLongestHeldRecord;
    std::size_t longestValue = kLongestValue;
};

struct StreamReport {
    ConvertCounts counts;
    std::vector<FieldFailure> failures;  // the first kFailuresKept of the input
    bool stopped = false;                // stopped at a failure (OnError::kFail)
    std::optional<std::uint64_t> unclosedQuoteRecord;
    // A header too long to hold: the input is passed unchanged.
    bool overlongHeader = false;
};

// Makes the plan once the header's names are known (nullptr without a header); it may raise.
using PlanMaker = std::function<ConvertPlan(const std::vector<std::string>* header)>;
// Told the bytes read so far after each chunk; may raise to stop the run.
using ProgressReport = std::function<void(std::uint64_t bytesRead)>;

StreamReport ConvertStream(ByteSource& source, ByteSink& sink, const StreamSettings& settings,
                           const PlanMaker& makePlan, const ProgressReport& progress);
