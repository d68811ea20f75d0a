// The cost of one converted value in `convert`: a chunk of CSV records (id, Pick day, Pick time,
// an amount in cents, a short text) converted whole, one column at a time, by each code and by
// a converter that hands the value back unchanged (the pass-through: finding the field, writing
// it and the record around it). A code's cost per value is its time per record less the
// pass-through's; scripts/bench-cli.sh prints both.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>

#include "cli/ChunkConverter.h"
#include "cli/CodeCommands.h"

namespace {

constexpr std::size_t kRecords = 20000;

const std::string& Chunk() {
    static const std::string chunk = [] {
        std::mt19937 random(20261208);
        std::uniform_int_distribution<int> day(-6000, 25000);
        std::uniform_int_distribution<int> time(0, 86399);
        std::uniform_int_distribution<int> cents(0, 9999999);
        const char* const words[] = {"alpha", "bravo", "charlie", "delta", "echo"};
        std::string text;
        for (std::size_t i = 0; i < kRecords; ++i) {
            text += std::to_string(i) + ',' + std::to_string(day(random)) + ',' +
                    std::to_string(time(random)) + ',' + std::to_string(cents(random)) + ',' +
                    words[i % 5] + (i % 10 == 0 ? ",\"x, y\"\n" : "\n");
        }
        return text;
    }();
    return chunk;
}

// Hands every value back as it is. An integer (the benchmark's columns hold integers) goes by a
// direct path as the codes' common values do, which says that it writes digits and signs only.
class PassThrough : public ValueConverter {
  public:
    DirectPath Direct() const override { return {Copy, nullptr, true, "-"}; }
    int Convert(std::string_view value, std::string& out) const override {
        out.assign(value);
        return kConverted;
    }
    int ConvertAppend(std::string_view value, std::string& out, std::string&) const override {
        out.append(value);
        return kConverted;
    }

  private:
    static char* Copy(const void*, std::string_view value, char* at) {
        if (value.size() > kDirectRoom) {
            return nullptr;
        }
        bool integer = true;
        for (const char c : value) {
            integer &= (c >= '0' && c <= '9') || c == '-';
            *at++ = c;
        }
        return integer ? at : nullptr;
    }
};

void Run(benchmark::State& state, const ValueConverter* converter, std::size_t column) {
    ConvertPlan plan;
    plan.format = RecordFormat{RecordKind::kCsv, ','};
    if (converter != nullptr) {
        plan.fields.push_back(FieldConversion{column, converter, "bench"});
    }
    ChunkConverter chunkConverter(plan);
    std::string out;
    ChunkResult result;
    for (auto _ : state) {
        chunkConverter.Convert(Chunk(), 0, true, out, result);
        benchmark::DoNotOptimize(out.data());
    }
    const auto runs = static_cast<std::size_t>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(runs * Chunk().size()));
    state.counters["ns_per_record"] =
        benchmark::Counter(static_cast<double>(runs * kRecords),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (converter != nullptr && result.counts.fieldsConverted != kRecords) {
        state.SkipWithError("not every value converted");
    }
}

void ScanOnly(benchmark::State& state) {
    Run(state, nullptr, 0);
}

void PassThroughValue(benchmark::State& state) {
    static const PassThrough converter;
    Run(state, &converter, 1);
}

void Code(benchmark::State& state, const char* code, std::size_t column) {
    std::string error;
    const std::unique_ptr<ValueConverter> converter =
        MakeCodeConverter(Direction::kOconv, code, CodeSettings{}, error);
    if (!converter) {
        state.SkipWithError(("code not available: " + error).c_str());
        return;
    }
    Run(state, converter.get(), column);
}

}  // namespace

BENCHMARK(ScanOnly);
BENCHMARK(PassThroughValue);
BENCHMARK_CAPTURE(Code, D4dash, "D4-", 1);
BENCHMARK_CAPTURE(Code, MTS, "MTS", 2);
BENCHMARK_CAPTURE(Code, MD2comma, "MD2,", 3);
BENCHMARK_CAPTURE(Code, PC, "PC", 1);

BENCHMARK_MAIN();
