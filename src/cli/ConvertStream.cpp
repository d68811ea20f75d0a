#include "cli/ConvertStream.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "cli/ChunkReader.h"
#include "cli/LongRecord.h"

namespace {

// The header's names, and where the records after it start.
std::size_t ReadHeader(std::string_view chunk, RecordFormat format,
                       std::vector<std::string>& names) {
    RecordScanner scanner(format, 0);
    const RecordSpan record = scanner.Scan(chunk, 0);
    std::string scratch;
    for (const FieldSpan& field : scanner.Fields()) {
        names.emplace_back(FieldValue(chunk, field, scratch));
    }
    return record.end;
}

// Joins the chunks' results in input order into the report and the sink.
class ResultJoiner {
  public:
    ResultJoiner(ByteSink& sink, StreamReport& report, std::uint64_t recordsBefore)
        : sink_(sink), report_(report), recordsBefore_(recordsBefore) {}

    // False once the run must stop.
    bool Join(const std::string& output, const ChunkResult& result) {
        sink_.Write(output);
        for (const FieldFailure& failure : result.failures) {
            if (report_.failures.size() < kFailuresKept) {
                report_.failures.push_back(failure);
                report_.failures.back().record += recordsBefore_;
            }
        }
        if (result.unclosedQuoteRecord) {
            report_.unclosedQuoteRecord = *result.unclosedQuoteRecord + recordsBefore_;
        }
        recordsBefore_ += result.counts.records;
        report_.counts.Add(result.counts);
        report_.stopped = result.stopped;
        return !result.stopped;
    }

    std::uint64_t RecordsBefore() const { return recordsBefore_; }

  private:
    ByteSink& sink_;
    StreamReport& report_;
    std::uint64_t recordsBefore_;
};

// A header too long to hold: it and everything after it are copied unchanged.
void PassRest(ChunkReader& reader, const ChunkBuffer& start, ByteSink& sink) {
    sink.Write(start.View());
    ChunkBuffer buffer;
    constexpr std::size_t kCopySize = std::size_t{1} << 20;
    char* const bytes = buffer.Extend(kCopySize);
    for (;;) {
        const std::size_t n = reader.ReadRaw(bytes, kCopySize);
        if (n == 0) {
            return;
        }
        sink.Write({bytes, n});
    }
}

// Converts a record too long to hold as it streams in, starting with the bytes already read;
// what follows it goes back to the reader. False once the run must stop.
bool StreamLongRecord(ChunkReader& reader, std::string_view start, const ConvertPlan& plan,
                      ByteSink& sink, ResultJoiner& joiner) {
    constexpr std::size_t kReadSize = std::size_t{1} << 20;
    ChunkResult result;
    result.counts.records = 1;
    FieldConverter fields(plan);
    LongRecord record(plan, fields, 1, result);
    std::string out;
    const auto feed = [&](std::string_view bytes) {
        const std::size_t used = record.Feed(bytes, out);
        if (out.size() >= kReadSize) {
            sink.Write(out);
            out.clear();
        }
        return used;
    };
    std::string_view after = start.substr(feed(start));
    ChunkBuffer buffer;
    char* const bytes = buffer.Extend(kReadSize);
    while (!record.Done()) {
        const std::size_t n = reader.ReadRaw(bytes, kReadSize);
        if (n == 0) {
            record.Finish(out);
            break;
        }
        const std::string_view read(bytes, n);
        after = read.substr(feed(read));
    }
    if (!result.stopped) {
        reader.PutBack(after);
    }
    return joiner.Join(out, result);
}

struct Slot {
    ChunkBuffer input;
    std::size_t from = 0;
    bool last = false;
    std::string output;
    ChunkResult result;
    std::exception_ptr error;
    bool ready = false;
};

// The workers of a parallel run; joined when it ends, whichever way.
class WorkerPool {
  public:
    WorkerPool(const ConvertPlan& plan, unsigned jobs) {
        for (unsigned i = 0; i < jobs; ++i) {
            threads_.emplace_back([this, &plan] { Work(plan); });
        }
    }
    ~WorkerPool() {
        {
            std::lock_guard lock(mutex_);
            closing_ = true;
        }
        workAvailable_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void Submit(Slot& slot) {
        {
            std::lock_guard lock(mutex_);
            slot.ready = false;
            pending_.push_back(&slot);
        }
        workAvailable_.notify_one();
    }

    void WaitFor(Slot& slot) {
        std::unique_lock lock(mutex_);
        slotReady_.wait(lock, [&slot] { return slot.ready; });
    }

    // Chunks not yet started are skipped (their results are never joined).
    void Cancel() {
        std::lock_guard lock(mutex_);
        for (Slot* slot : pending_) {
            slot->ready = true;
        }
        pending_.clear();
    }

  private:
    void Work(const ConvertPlan& plan) {
        ChunkConverter converter(plan);
        for (;;) {
            Slot* slot = nullptr;
            {
                std::unique_lock lock(mutex_);
                workAvailable_.wait(lock, [this] { return closing_ || !pending_.empty(); });
                if (pending_.empty()) {
                    return;
                }
                slot = pending_.front();
                pending_.pop_front();
            }
            try {
                converter.Convert(slot->input.View(), slot->from, slot->last, slot->output,
                                  slot->result);
            } catch (...) {
                slot->error = std::current_exception();
            }
            {
                std::lock_guard lock(mutex_);
                slot->ready = true;
            }
            slotReady_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable workAvailable_;
    std::condition_variable slotReady_;
    std::deque<Slot*> pending_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

// Where the input stands between chunks: ended, or a record too long to hold was met.
struct InputState {
    // Chunks are cut at their last LF until one is cut inside a quote; from then on a parallel
    // run cuts by the quoting rules, so that no more work is thrown away.
    bool exactCuts = false;
    bool ended = false;
    bool overlong = false;
    ChunkBuffer overlongStart;  // that record's bytes read so far, to be converted as it streams
};

// Reads the next chunk into slot; false when there is none.
bool ReadChunk(ChunkReader& reader, Slot& slot, InputState& input) {
    slot.from = 0;
    const ChunkOutcome outcome = reader.Next(slot.input, input.exactCuts);
    slot.last = reader.Ended();
    if (outcome == ChunkOutcome::kChunk) {
        return true;
    }
    input.ended = true;
    if (outcome == ChunkOutcome::kOverlong) {
        input.overlong = true;
        input.overlongStart.Assign(slot.input.View());
    }
    return false;
}

// An unfinished record at the end of a chunk goes back to the reader, after it the bytes of
// the chunks read since (their results were made from a wrong start and are dropped). A record
// that stays unfinished past the longest held is streamed instead.
void PutBackUnfinished(ChunkReader& reader, std::string_view unfinished, std::string_view after,
                       std::size_t longestRecord, InputState& input) {
    if (unfinished.size() > longestRecord) {
        input.ended = true;
        input.overlong = true;
        input.overlongStart.Assign(unfinished);
        if (!after.empty()) {
            std::memcpy(input.overlongStart.Extend(after.size()), after.data(), after.size());
            input.overlongStart.Grow(after.size());
        }
        return;
    }
    std::string back(unfinished);
    back.append(after);
    reader.PutBack(back, unfinished.size());
    input.ended = false;
}

void RunOneJob(ChunkReader& reader, Slot& slot, const ConvertPlan& plan,
               const StreamSettings& settings, ResultJoiner& joiner, const ProgressReport& progress,
               InputState& input) {
    ChunkConverter converter(plan);
    do {
        converter.Convert(slot.input.View(), slot.from, slot.last, slot.output, slot.result);
        if (!joiner.Join(slot.output, slot.result)) {
            return;
        }
        if (slot.result.unfinishedFrom) {
            PutBackUnfinished(reader, slot.input.View().substr(*slot.result.unfinishedFrom), {},
                              settings.longestRecord, input);
            if (input.overlong) {
                return;
            }
        }
        progress(reader.BytesRead());
    } while (ReadChunk(reader, slot, input));
}

void RunJobs(ChunkReader& reader, Slot& first, const ConvertPlan& plan,
             const StreamSettings& settings, ResultJoiner& joiner, const ProgressReport& progress,
             InputState& input) {
    // Two chunks per worker keep every worker busy while the oldest is written.
    const std::size_t ringSize = std::size_t{settings.jobs} * 2;
    std::vector<std::unique_ptr<Slot>> ring;
    ring.push_back(std::make_unique<Slot>(std::move(first)));
    while (ring.size() < ringSize) {
        ring.push_back(std::make_unique<Slot>());
    }
    WorkerPool pool(plan, settings.jobs);
    std::size_t oldest = 0;
    std::size_t inFlight = 1;
    pool.Submit(*ring[0]);
    for (;;) {
        if (!input.ended && inFlight < ringSize) {
            Slot& slot = *ring[(oldest + inFlight) % ringSize];
            if (ReadChunk(reader, slot, input)) {
                pool.Submit(slot);
                ++inFlight;
                continue;
            }
        }
        if (inFlight == 0) {
            return;
        }
        Slot& slot = *ring[oldest];
        pool.WaitFor(slot);
        if (slot.error) {
            pool.Cancel();
            std::rethrow_exception(slot.error);
        }
        if (!joiner.Join(slot.output, slot.result)) {
            pool.Cancel();
            input.overlong = false;
            return;
        }
        oldest = (oldest + 1) % ringSize;
        --inFlight;
        if (slot.result.unfinishedFrom) {
            pool.Cancel();
            std::string after;
            for (std::size_t i = 0; i < inFlight; ++i) {
                Slot& later = *ring[(oldest + i) % ringSize];
                pool.WaitFor(later);
                after.append(later.input.View());
            }
            inFlight = 0;
            input.exactCuts = true;
            if (input.overlong) {
                // A read behind these chunks met a record too long to hold. Its bytes come after
                // them and are read again with them: cut from the right start, that record may
                // not be one at all.
                after.append(input.overlongStart.View());
                input.overlong = false;
                input.overlongStart.Truncate(0);
            }
            // Whatever was read after these chunks is still in the reader, behind them.
            PutBackUnfinished(reader, slot.input.View().substr(*slot.result.unfinishedFrom), after,
                              settings.longestRecord, input);
        }
        progress(reader.BytesRead());
    }
}

}  // namespace

StreamReport ConvertStream(ByteSource& source, ByteSink& sink, const StreamSettings& settings,
                           const PlanMaker& makePlan, const ProgressReport& progress) {
    StreamReport report;
    ChunkReader reader(source, settings.format, settings.chunkSize, settings.longestRecord);
    auto first = std::make_unique<Slot>();
    // The first chunk is cut exactly, so that it holds the header whole.
    const ChunkOutcome outcome = reader.Next(first->input, true);
    first->last = reader.Ended();
    std::vector<std::string> names;
    if (outcome == ChunkOutcome::kChunk && settings.header) {
        first->from = ReadHeader(first->input.View(), settings.format, names);
    }
    // A header too long to hold, however the first read was cut.
    if (settings.header &&
        (outcome == ChunkOutcome::kOverlong ||
         (outcome == ChunkOutcome::kChunk && first->from > settings.longestRecord))) {
        report.overlongHeader = true;
        PassRest(reader, first->input, sink);
        progress(reader.BytesRead());
        return report;
    }
    ResultJoiner joiner(sink, report, settings.header ? 1 : 0);
    InputState input;
    if (outcome == ChunkOutcome::kOverlong) {
        input.overlong = true;
        input.overlongStart.Assign(first->input.View());
    }
    if (outcome == ChunkOutcome::kEnd) {
        progress(reader.BytesRead());
        return report;
    }
    ConvertPlan plan = makePlan(settings.header ? &names : nullptr);
    plan.longestRecord = settings.longestRecord;
    plan.longestValue = settings.longestValue;
    bool chunkRead = outcome == ChunkOutcome::kChunk;
    for (;;) {
        if (chunkRead) {
            if (settings.jobs <= 1) {
                RunOneJob(reader, *first, plan, settings, joiner, progress, input);
            } else {
                RunJobs(reader, *first, plan, settings, joiner, progress, input);
            }
        }
        if (!input.overlong || report.stopped) {
            break;
        }
        // A record too long to hold, at a true record start: converted as it streams in, then
        // chunks again.
        if (!StreamLongRecord(reader, input.overlongStart.View(), plan, sink, joiner)) {
            break;
        }
        progress(reader.BytesRead());
        input.overlong = false;
        input.ended = false;
        input.overlongStart.Truncate(0);
        first = std::make_unique<Slot>();
        chunkRead = ReadChunk(reader, *first, input);
        if (!chunkRead && !input.overlong) {
            break;
        }
    }
    progress(reader.BytesRead());
    return report;
}
