#include "cli/ConvertStream.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "cli/ChunkReader.h"

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

// A record too long to hold: it and everything after it are copied unchanged.
void PassRest(ChunkReader& reader, const ChunkBuffer& start, ByteSink& sink) {
    sink.Write(start.View());
    ChunkBuffer buffer;
    constexpr std::size_t kCopySize = std::size_t{1} << 20;
    char* const bytes = buffer.Extend(kCopySize);
    for (;;) {
        const std::size_t n = reader.Source().Read(bytes, kCopySize);
        if (n == 0) {
            return;
        }
        sink.Write({bytes, n});
    }
}

struct Slot {
    ChunkBuffer input;
    std::size_t from = 0;
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
                converter.Convert(slot->input.View(), slot->from, slot->output, slot->result);
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

void RunInOrder(ChunkReader& reader, Slot& first, const ConvertPlan& plan, unsigned jobs,
                ResultJoiner& joiner, const ProgressReport& progress, bool& overlong,
                ChunkBuffer& overlongStart) {
    if (jobs <= 1) {
        ChunkConverter converter(plan);
        Slot& slot = first;
        for (;;) {
            converter.Convert(slot.input.View(), slot.from, slot.output, slot.result);
            if (!joiner.Join(slot.output, slot.result)) {
                return;
            }
            progress(reader.BytesRead());
            slot.from = 0;
            const ChunkOutcome outcome = reader.Next(slot.input);
            if (outcome != ChunkOutcome::kChunk) {
                if (outcome == ChunkOutcome::kOverlong) {
                    overlong = true;
                    overlongStart.Assign(slot.input.View());
                }
                return;
            }
        }
    }
    // Two chunks per worker keep every worker busy while the oldest is written.
    const std::size_t ringSize = std::size_t{jobs} * 2;
    std::vector<std::unique_ptr<Slot>> ring;
    ring.push_back(std::make_unique<Slot>(std::move(first)));
    while (ring.size() < ringSize) {
        ring.push_back(std::make_unique<Slot>());
    }
    WorkerPool pool(plan, jobs);
    std::size_t oldest = 0;
    std::size_t inFlight = 1;
    pool.Submit(*ring[0]);
    bool inputEnded = false;
    for (;;) {
        if (!inputEnded && inFlight < ringSize) {
            Slot& slot = *ring[(oldest + inFlight) % ringSize];
            slot.from = 0;
            const ChunkOutcome outcome = reader.Next(slot.input);
            if (outcome == ChunkOutcome::kChunk) {
                pool.Submit(slot);
                ++inFlight;
                continue;
            }
            inputEnded = true;
            if (outcome == ChunkOutcome::kOverlong) {
                overlong = true;
                overlongStart.Assign(slot.input.View());
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
            overlong = false;
            return;
        }
        progress(reader.BytesRead());
        oldest = (oldest + 1) % ringSize;
        --inFlight;
    }
}

}  // namespace

StreamReport ConvertStream(ByteSource& source, ByteSink& sink, const StreamSettings& settings,
                           const PlanMaker& makePlan, const ProgressReport& progress) {
    StreamReport report;
    ChunkReader reader(source, settings.format, settings.chunkSize, settings.longestRecord);
    Slot first;
    const ChunkOutcome outcome = reader.Next(first.input);
    std::vector<std::string> names;
    if (outcome == ChunkOutcome::kChunk && settings.header) {
        first.from = ReadHeader(first.input.View(), settings.format, names);
    }
    ResultJoiner joiner(sink, report, settings.header ? 1 : 0);
    bool overlong = outcome == ChunkOutcome::kOverlong;
    ChunkBuffer overlongStart;
    if (overlong) {
        overlongStart.Assign(first.input.View());
    } else if (outcome == ChunkOutcome::kChunk) {
        const ConvertPlan plan = makePlan(settings.header ? &names : nullptr);
        RunInOrder(reader, first, plan, settings.jobs, joiner, progress, overlong, overlongStart);
    }
    if (overlong && !report.stopped) {
        report.overlongRecord = joiner.RecordsBefore() + 1;
        PassRest(reader, overlongStart, sink);
    }
    progress(reader.BytesRead());
    return report;
}
