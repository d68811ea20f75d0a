#include "quorlin.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

// A parsed code and an arena for each row to call with.
struct ApiFixture {
    quorlin_code* code = nullptr;
    quorlin_results* results = nullptr;
    const char* out = nullptr;
    size_t length = 0;
    int status = -1;

    ApiFixture() {
        quorlin_options options;
        quorlin_options_init(&options);
        options.dialect = QUORLIN_PICK;
        options.today_year = 2026;
        options.today_month = 12;
        options.today_day = 8;
        quorlin_parse("D4-", 3, &options, &code);
        quorlin_results_new(&results);
    }
    ~ApiFixture() {
        quorlin_results_free(results);
        quorlin_code_free(code);
    }
    ApiFixture(const ApiFixture&) = delete;
    ApiFixture& operator=(const ApiFixture&) = delete;

    int Oconv(const char* value, size_t size) {
        return quorlin_convert(code, QUORLIN_OCONV, value, size, results, &out, &length, &status);
    }
    std::string Out() const { return {out, length}; }
};

int ParseWith(quorlin_options options) {
    quorlin_code* code = nullptr;
    const int result = quorlin_parse("D", 1, &options, &code);
    const bool handleMatchesResult = (code != nullptr) == (result == QUORLIN_OK);
    quorlin_code_free(code);
    return handleMatchesResult ? result : -1;
}

quorlin_options Options(void (*change)(quorlin_options&)) {
    quorlin_options options;
    quorlin_options_init(&options);
    change(options);
    return options;
}

struct ApiRow {
    const char* what;
    std::function<int(ApiFixture&)> call;
    int result;
    std::string out;  // checked when the call succeeds and converts
    int status;
};

// Each entry point on good and bad arguments: what it returns, and what a conversion gives.
TEST(QuorlinApi, EveryCallChecksItsArguments) {
    const char* values[] = {"21527", nullptr};
    const size_t lengths[] = {5, 0};
    const std::vector<ApiRow> rows = {
        {"one value", [](ApiFixture& f) { return f.Oconv("21527", 5); }, QUORLIN_OK, "12-08-2026",
         0},
        {"a length, not the NUL, ends a value", [](ApiFixture& f) { return f.Oconv("215279", 5); },
         QUORLIN_OK, "12-08-2026", 0},
        {"a failing value is returned unchanged", [](ApiFixture& f) { return f.Oconv("x\0y", 3); },
         QUORLIN_OK, std::string("x\0y", 3), 1},
        {"ICONV",
         [](ApiFixture& f) {
             return quorlin_convert(f.code, QUORLIN_ICONV, "12-08", 5, f.results, &f.out, &f.length,
                                    &f.status);
         },
         QUORLIN_OK, "21527", 0},
        {"a null value", [](ApiFixture& f) { return f.Oconv(nullptr, 0); }, QUORLIN_BAD_ARGUMENT},
        {"null code",
         [](ApiFixture& f) {
             return quorlin_convert(nullptr, QUORLIN_OCONV, "1", 1, f.results, &f.out, &f.length,
                                    &f.status);
         },
         QUORLIN_BAD_ARGUMENT},
        {"null arena",
         [](ApiFixture& f) {
             return quorlin_convert(f.code, QUORLIN_OCONV, "1", 1, nullptr, &f.out, &f.length,
                                    &f.status);
         },
         QUORLIN_BAD_ARGUMENT},
        {"unknown direction",
         [](ApiFixture& f) {
             return quorlin_convert(f.code, 7, "1", 1, f.results, &f.out, &f.length, &f.status);
         },
         QUORLIN_BAD_ARGUMENT},
        {"a null value inside a batch",
         [&](ApiFixture& f) {
             return quorlin_convert_batch(f.code, QUORLIN_OCONV, values, lengths, 2, f.results);
         },
         QUORLIN_BAD_ARGUMENT},
        {"a batch without arrays",
         [](ApiFixture& f) {
             return quorlin_convert_batch(f.code, QUORLIN_OCONV, nullptr, nullptr, 3, f.results);
         },
         QUORLIN_BAD_ARGUMENT},
        {"an empty batch needs no arrays",
         [](ApiFixture& f) {
             return quorlin_convert_batch(f.code, QUORLIN_OCONV, nullptr, nullptr, 0, f.results);
         },
         QUORLIN_OK},
        {"index past the outputs",
         [](ApiFixture& f) {
             f.Oconv("1", 1);
             return quorlin_results_get(f.results, 1, &f.out, &f.length, &f.status);
         },
         QUORLIN_BAD_ARGUMENT},
        {"count without an out pointer",
         [](ApiFixture& f) { return quorlin_results_count(f.results, nullptr); },
         QUORLIN_BAD_ARGUMENT},
        {"error of a null code",
         [](ApiFixture&) { return quorlin_code_error(nullptr, nullptr, nullptr, nullptr); },
         QUORLIN_BAD_ARGUMENT},
        {"null code text",
         [](ApiFixture&) {
             quorlin_code* code = nullptr;
             return quorlin_parse(nullptr, 0, nullptr, &code);
         },
         QUORLIN_BAD_ARGUMENT},
        {"parse without an out pointer",
         [](ApiFixture&) { return quorlin_parse("D", 1, nullptr, nullptr); }, QUORLIN_BAD_ARGUMENT},
        {"default options", [](ApiFixture&) { return ParseWith(Options([](quorlin_options&) {})); },
         QUORLIN_OK},
        {"unknown dialect",
         [](ApiFixture&) { return ParseWith(Options([](quorlin_options& o) { o.dialect = 2; })); },
         QUORLIN_BAD_ARGUMENT},
        {"unknown encoding",
         [](ApiFixture&) {
             return ParseWith(Options([](quorlin_options& o) { o.encoding = -1; }));
         },
         QUORLIN_BAD_ARGUMENT},
        {"30 February",
         [](ApiFixture&) {
             return ParseWith(Options([](quorlin_options& o) {
                 o.today_year = 2026;
                 o.today_month = 2;
                 o.today_day = 30;
             }));
         },
         QUORLIN_BAD_ARGUMENT},
        {"a date without its year",
         [](ApiFixture&) {
             return ParseWith(Options([](quorlin_options& o) {
                 o.today_month = 2;
                 o.today_day = 3;
             }));
         },
         QUORLIN_BAD_ARGUMENT},
        {"options from a caller that knows fewer fields",
         [](ApiFixture&) {
             return ParseWith(Options([](quorlin_options& o) { o.size = sizeof(size_t); }));
         },
         QUORLIN_BAD_ARGUMENT},
        {"options_init without options", [](ApiFixture&) { return quorlin_options_init(nullptr); },
         QUORLIN_BAD_ARGUMENT},
        {"results_new without an out pointer",
         [](ApiFixture&) { return quorlin_results_new(nullptr); }, QUORLIN_BAD_ARGUMENT},
        {"freeing null", [](ApiFixture&) { return quorlin_code_free(nullptr); }, QUORLIN_OK},
    };
    for (const ApiRow& row : rows) {
        SCOPED_TRACE(row.what);
        ApiFixture fixture;
        ASSERT_NE(fixture.code, nullptr);
        fixture.status = -1;
        fixture.out = nullptr;
        EXPECT_EQ(row.call(fixture), row.result);
        if (row.result == QUORLIN_OK && fixture.out != nullptr) {
            EXPECT_EQ(fixture.Out(), row.out);
            EXPECT_EQ(fixture.out[fixture.length], '\0');
            EXPECT_EQ(fixture.status, row.status);
        }
    }
}

// An invalid code is a handle that names the fault and converts with STATUS 2.
TEST(QuorlinApi, InvalidCodeTellsWhy) {
    quorlin_code* code = nullptr;
    ASSERT_EQ(quorlin_parse("D9", 2, nullptr, &code), QUORLIN_INVALID_CODE);
    int valid = -1;
    size_t position = 99;
    const char* reason = nullptr;
    ASSERT_EQ(quorlin_code_error(code, &valid, &position, &reason), QUORLIN_OK);
    EXPECT_EQ(valid, 0);
    EXPECT_EQ(position, 1u);
    EXPECT_STRNE(reason, "");
    quorlin_code_free(code);
}

// A batch may read the outputs of the arena it writes to: OCONV's results go back through ICONV.
TEST(QuorlinApi, OutputsConvertAgainInTheirOwnArena) {
    ApiFixture f;
    const char* days[] = {"21527", "0", "x"};
    const size_t sizes[] = {5, 1, 1};
    ASSERT_EQ(quorlin_convert_batch(f.code, QUORLIN_OCONV, days, sizes, 3, f.results), QUORLIN_OK);
    const char* data = nullptr;
    const size_t* offsets = nullptr;
    const size_t* lengths = nullptr;
    quorlin_results_view(f.results, &data, &offsets, &lengths, nullptr, nullptr);
    const char* shown[] = {data + offsets[0], data + offsets[1], data + offsets[2]};
    ASSERT_EQ(quorlin_convert_batch(f.code, QUORLIN_ICONV, shown, lengths, 3, f.results),
              QUORLIN_OK);
    std::vector<std::string> stored;
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(quorlin_results_get(f.results, i, &f.out, &f.length, nullptr), QUORLIN_OK);
        stored.push_back(f.Out());
    }
    EXPECT_EQ(stored, (std::vector<std::string>{"21527", "0", ""}));
}

// Threads share one code, each with its own arena; every batch output is in order and whole.
TEST(QuorlinApi, BatchesFromSeveralThreadsOnOneCode) {
    ApiFixture shared;
    std::vector<std::string> inputs;
    for (int day = -5000; day < 5000; ++day) {
        inputs.push_back(std::to_string(day) + "\xFD" + "x");
    }
    std::vector<const char*> values;
    std::vector<size_t> lengths;
    for (const std::string& input : inputs) {
        values.push_back(input.data());
        lengths.push_back(input.size());
    }
    auto run = [&](std::vector<std::string>& outputs, std::vector<int>& statuses) {
        quorlin_results* results = nullptr;
        quorlin_results_new(&results);
        quorlin_convert_batch(shared.code, QUORLIN_OCONV, values.data(), lengths.data(),
                              values.size(), results);
        const char* data = nullptr;
        const size_t* offsets = nullptr;
        const size_t* sizes = nullptr;
        const unsigned char* codes = nullptr;
        size_t count = 0;
        quorlin_results_view(results, &data, &offsets, &sizes, &codes, &count);
        for (size_t i = 0; i < count; ++i) {
            outputs.emplace_back(data + offsets[i], sizes[i]);
            statuses.push_back(codes[i]);
        }
        quorlin_results_free(results);
    };
    std::vector<std::string> expected;
    std::vector<int> expectedStatus;
    run(expected, expectedStatus);
    ASSERT_EQ(expected.size(), inputs.size());
    EXPECT_EQ(expected[5000], "12-31-1967\xFDx");
    EXPECT_EQ(expectedStatus[5000], 1);  // the piece "x" fails; the value reports it
    std::vector<std::vector<std::string>> outputs(4);
    std::vector<std::vector<int>> statuses(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < outputs.size(); ++t) {
        threads.emplace_back(run, std::ref(outputs[t]), std::ref(statuses[t]));
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (size_t t = 0; t < outputs.size(); ++t) {
        EXPECT_EQ(outputs[t], expected);
        EXPECT_EQ(statuses[t], expectedStatus);
    }
}

}  // namespace
