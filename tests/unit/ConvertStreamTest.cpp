#include "cli/ConvertStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeValueConverter.h"

namespace {

const FakeValueConverter kFake;

struct Outcome {
    std::string output;
    StreamReport report;
};

// Converts input with the fake converter on the given 1-based columns (or the named ones with
// a header).
Outcome Convert(const std::string& input, RecordFormat format, std::vector<std::string> columns,
                OnError onError = OnError::kKeep, bool header = false, unsigned jobs = 1,
                std::size_t chunkSize = 1 << 20) {
    StringSource source(input);
    StringSink sink;
    StreamSettings settings;
    settings.format = format;
    settings.header = header;
    settings.jobs = jobs;
    settings.chunkSize = chunkSize;
    const PlanMaker plan = [&](const std::vector<std::string>* names) {
        ConvertPlan p;
        p.format = format;
        p.onError = onError;
        for (const std::string& column : columns) {
            std::size_t index = 0;
            if (names != nullptr) {
                for (; index < names->size() && (*names)[index] != column; ++index) {
                }
            } else {
                index = std::stoul(column) - 1;
            }
            p.fields.push_back(FieldConversion{index, &kFake, column});
        }
        return p;
    };
    Outcome run;
    run.report = ConvertStream(source, sink, settings, plan, [](std::uint64_t) {});
    run.output = sink.text;
    return run;
}

const RecordFormat kCsv{RecordKind::kCsv, ','};
const RecordFormat kLines{RecordKind::kLines, ','};

TEST(ConvertStream, ConvertsTheChosenFieldsAndPassesEverythingElse) {
    // Quoted fields keep their quotes unless converted; a converted value that needs quoting is
    // quoted; CRLF and LF stay as they were; the last record has no line break.
    const Outcome run = Convert("1,\"x, y\",2\r\n\"3\",z,comma\n5,\"a\"\"b\",6", kCsv, {"1", "3"});
    EXPECT_EQ(run.output, "<1>,\"x, y\",<2>\r\n<3>,z,\"a,\"\"b\"\"\"\n<5>,\"a\"\"b\",<6>");
    EXPECT_EQ(run.report.counts.records, 3u);
    EXPECT_EQ(run.report.counts.fieldsConverted, 6u);
}

TEST(ConvertStream, FindsColumnsByHeaderNameAndWritesTheHeaderUnchanged) {
    const Outcome run = Convert("id,\"when\"\n1,2\n", kCsv, {"when"}, OnError::kKeep, true);
    EXPECT_EQ(run.output, "id,\"when\"\n1,<2>\n");
    EXPECT_EQ(run.report.counts.records, 1u);
}

TEST(ConvertStream, EachErrorModeAndTheCounts) {
    const std::string input = "a,1\nb,bad\nc,odd\nd,3\n";
    const Outcome keep = Convert(input, kCsv, {"2"}, OnError::kKeep);
    EXPECT_EQ(keep.output, "a,<1>\nb,bad\nc,ODD\nd,<3>\n");
    EXPECT_EQ(keep.report.counts.fieldsRead, 4u);
    EXPECT_EQ(keep.report.counts.fieldsConverted, 3u);
    EXPECT_EQ(keep.report.counts.status[kBadInput], 1u);
    EXPECT_EQ(keep.report.counts.status[kSuspect], 1u);
    ASSERT_EQ(keep.report.failures.size(), 1u);
    EXPECT_EQ(keep.report.failures[0].record, 2u);
    EXPECT_EQ(keep.report.failures[0].value, "bad");
    EXPECT_FALSE(keep.report.stopped);

    // "empty" writes what the conversion returned, which for the fake is the input.
    const Outcome empty = Convert("x\nbad\n", kLines, {"1"}, OnError::kEmpty);
    EXPECT_EQ(empty.output, "<x>\nbad\n");

    const Outcome fail = Convert(input, kCsv, {"2"}, OnError::kFail);
    EXPECT_EQ(fail.output, "a,<1>\n");
    EXPECT_TRUE(fail.report.stopped);
}

TEST(ConvertStream, FailStopsBeforeTheRecordEvenAfterAnEarlierFieldConverted) {
    const Outcome run = Convert("1,2\n3,bad\n5,6\n", kCsv, {"1", "2"}, OnError::kFail);
    EXPECT_EQ(run.output, "<1>,<2>\n");
}

TEST(ConvertStream, WritesAShortRecordUnchangedAndCountsIt) {
    const Outcome run = Convert("1,2,3\n4\n5,6,7\n", kCsv, {"1", "3"});
    EXPECT_EQ(run.output, "<1>,2,<3>\n4\n<5>,6,<7>\n");
    EXPECT_EQ(run.report.counts.shortRecords, 1u);
}

TEST(ConvertStream, NamesTheRecordWhereAnUnclosedQuoteBegins) {
    const Outcome run = Convert("h\n1\n\"2\n3\n", kCsv, {"h"}, OnError::kKeep, true);
    EXPECT_EQ(run.output, "h\n<1>\n\"2\n3\n");
    EXPECT_EQ(run.report.unclosedQuoteRecord, 3u);
}

TEST(ConvertStream, AnEmptyInputGivesAnEmptyOutput) {
    const Outcome run = Convert("", kCsv, {"1"}, OnError::kKeep, true);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.report.counts.records, 0u);
}

TEST(ConvertStream, ParallelJobsWriteTheSameBytesAsOne) {
    // Many small chunks, records with quoted line breaks across chunk cuts, failures spread out.
    std::string input = "n,t,v\n";
    for (int i = 0; i < 5000; ++i) {
        input += std::to_string(i) + ",\"" + (i % 7 == 0 ? "bad" : "line\nbreak") + "\"," +
                 (i % 11 == 0 && i > 2000 ? "bad" : std::to_string(i * 3)) + "\r\n";
    }
    const Outcome one = Convert(input, kCsv, {"n", "v"}, OnError::kKeep, true, 1, 256);
    const Outcome three = Convert(input, kCsv, {"n", "v"}, OnError::kKeep, true, 3, 256);
    EXPECT_EQ(one.output, three.output);
    EXPECT_EQ(one.report.counts.records, 5000u);
    EXPECT_EQ(three.report.counts.records, 5000u);
    // The multiples of 11 from 2002 to 4994 fail; record 1 is the header.
    EXPECT_EQ(three.report.counts.status[kBadInput], 273u);
    ASSERT_EQ(three.report.failures.size(), kFailuresKept);
    EXPECT_EQ(three.report.failures[0].record, 2004u);
    EXPECT_EQ(three.report.failures[1].record, 2015u);

    const Outcome failOne = Convert(input, kCsv, {"v"}, OnError::kFail, true, 1, 256);
    const Outcome failTwo = Convert(input, kCsv, {"v"}, OnError::kFail, true, 2, 256);
    EXPECT_EQ(failOne.output, failTwo.output);
    const std::string lastWritten = "\n2001,\"line\nbreak\",<6003>\r\n";
    EXPECT_EQ(failTwo.output.substr(failTwo.output.size() - lastWritten.size()), lastWritten);
}

TEST(ConvertStream, OutputDoesNotDependOnWhereChunksAreCut) {
    // Random CSV from the bytes that matter to the reader, a fixed seed: every cut of every chunk
    // size and any number of jobs give what one whole chunk gives.
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFFu;
    };
    const char alphabet[] = {'a', '1', ',', '"', '\n', '\r', ' ', '\xFD'};
    for (int round = 0; round < 200; ++round) {
        std::string input;
        const std::uint32_t length = next() % 200;
        for (std::uint32_t i = 0; i < length; ++i) {
            input += alphabet[next() % sizeof alphabet];
        }
        for (const OnError mode : {OnError::kKeep, OnError::kFail}) {
            const Outcome whole = Convert(input, kCsv, {"1", "2"}, mode);
            for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}}) {
                for (const unsigned jobs : {1u, 3u}) {
                    const Outcome cut = Convert(input, kCsv, {"1", "2"}, mode, false, jobs, chunk);
                    ASSERT_EQ(cut.output, whole.output) << input << " chunk " << chunk;
                    ASSERT_EQ(cut.report.counts.records, whole.report.counts.records) << input;
                    ASSERT_EQ(cut.report.unclosedQuoteRecord, whole.report.unclosedQuoteRecord)
                        << input;
                }
            }
        }
    }
}

TEST(ConvertStream, ARecordLongerThanTheLimitThatNeverClosesItsQuoteIsNamed) {
    StringSource source("1\n\"" + std::string(5000, 'x') + "\n2\n");
    StringSink sink;
    StreamSettings settings;
    settings.format = kCsv;
    settings.chunkSize = 64;
    settings.longestRecord = 1024;
    const PlanMaker plan = [](const std::vector<std::string>*) {
        return ConvertPlan{kCsv, {FieldConversion{0, &kFake, "1"}}, OnError::kKeep};
    };
    const StreamReport report = ConvertStream(source, sink, settings, plan, [](std::uint64_t) {});
    EXPECT_EQ(sink.text, "<1>\n\"" + std::string(5000, 'x') + "\n2\n");
    EXPECT_EQ(report.unclosedQuoteRecord, 2u);
}

// In parallel, a chunk cut inside a quote is read again with the chunks behind it; a record too
// long to hold that was met behind them is read again in its place, not written at the end.
TEST(ConvertStream, AnOverlongRecordBehindARecutChunkKeepsItsPlace) {
    const std::string input = "x\n\"b\nc\"\n0123456789\nz\n";
    StringSource source(input);
    StringSink sink;
    StreamSettings settings;
    settings.format = kCsv;
    settings.jobs = 2;
    settings.chunkSize = 1;
    settings.longestRecord = 8;
    const PlanMaker plan = [](const std::vector<std::string>*) { return ConvertPlan{kCsv}; };
    ConvertStream(source, sink, settings, plan, [](std::uint64_t) {});
    EXPECT_EQ(sink.text, input);
}

}  // namespace

namespace {

struct Limits {
    std::size_t chunkSize = 1 << 20;
    std::size_t longestRecord = kLongestHeldRecord;
    std::size_t longestValue = kLongestValue;
    unsigned jobs = 1;
};

Outcome ConvertWithin(const std::string& input, std::vector<std::size_t> columns, OnError onError,
                      Limits limits) {
    StringSource source(input);
    StringSink sink;
    StreamSettings settings;
    settings.format = kCsv;
    settings.jobs = limits.jobs;
    settings.chunkSize = limits.chunkSize;
    settings.longestRecord = limits.longestRecord;
    settings.longestValue = limits.longestValue;
    const PlanMaker plan = [&](const std::vector<std::string>*) {
        ConvertPlan p{kCsv, {}, onError};
        for (const std::size_t column : columns) {
            p.fields.push_back(FieldConversion{column - 1, &kFake, std::to_string(column)});
        }
        return p;
    };
    Outcome run;
    run.report = ConvertStream(source, sink, settings, plan, [](std::uint64_t) {});
    run.output = sink.text;
    return run;
}

// Records longer than the longest held, streamed in through small reads or met whole in a
// chunk, are written as held ones are: quotes, doubled quotes, text after a closing quote, CRLF,
// marks, results that need quoting, failures; by one job or two.
TEST(ConvertStream, LongRecordsAreWrittenAsHeldOnesAre) {
    std::string input;
    for (int i = 0; i < 300; ++i) {
        const std::string filler(static_cast<std::size_t>(i % 5) * 40, i % 2 == 0 ? 'y' : '\xFD');
        input += std::to_string(i) + ",\"" + filler + "\"\"x,\ny\"\"\"," +
                 (i % 9 == 0   ? std::string("bad")
                  : i % 7 == 0 ? std::string("comma")
                  : i % 5 == 0 ? "\"q\"after"
                               : "\"" + std::to_string(i) + "\"") +
                 "," + filler + (i % 3 == 0 ? "\r\n" : "\n");
    }
    input += "last,\"no break\",9,z";
    for (const OnError mode : {OnError::kKeep, OnError::kEmpty}) {
        const Outcome held = ConvertWithin(input, {1, 3}, mode, {});
        ASSERT_EQ(held.report.counts.records, 301u);
        for (const std::size_t chunk : {std::size_t{5}, std::size_t{64}}) {
            for (const unsigned jobs : {1u, 2u}) {
                const Outcome streamed =
                    ConvertWithin(input, {1, 3}, mode, {chunk, 30, 1 << 20, jobs});
                EXPECT_EQ(streamed.output, held.output) << "chunk " << chunk << " jobs " << jobs;
                EXPECT_EQ(streamed.report.counts.fieldsConverted,
                          held.report.counts.fieldsConverted);
                EXPECT_EQ(streamed.report.counts.status, held.report.counts.status);
                ASSERT_EQ(streamed.report.failures.size(), held.report.failures.size());
                EXPECT_EQ(streamed.report.failures[3].record, held.report.failures[3].record);
            }
        }
    }
}

// A value to convert longer than the bound fails by the error mode and the next record is
// converted; a field that is not converted may be of any length. Streamed and held alike.
TEST(ConvertStream, AValueLongerThanTheBoundFailsAndConversionGoesOn) {
    const std::string big = "\"" + std::string(3000, 'v') + "\"\"\n,\"";
    const std::string input = "1," + big + ",2\n3,4," + big + "\n5,6,7\n";
    for (const Limits limits : {Limits{1 << 20, 1 << 20, 100, 1}, Limits{16, 64, 100, 1},
                                Limits{16, 64, 100, 2}, Limits{1 << 20, 64, 100, 1}}) {
        const Outcome keep = ConvertWithin(input, {1, 2, 3}, OnError::kKeep, limits);
        EXPECT_EQ(keep.output, "<1>," + big + ",<2>\n<3>,<4>," + big + "\n<5>,<6>,<7>\n");
        EXPECT_EQ(keep.report.counts.tooLong, 2u);
        EXPECT_EQ(keep.report.counts.Failed(), 2u);
        ASSERT_EQ(keep.report.failures.size(), 2u);
        EXPECT_EQ(keep.report.failures[1].record, 2u);
        EXPECT_EQ(keep.report.failures[1].status, kTooLong);

        const Outcome empty = ConvertWithin(input, {2}, OnError::kEmpty, limits);
        EXPECT_EQ(empty.output, "1,,2\n3,<4>," + big + "\n5,<6>,7\n");

        // A record held whole is taken back; one too long to hold keeps what was written of it.
        const Outcome fail = ConvertWithin(input, {3}, OnError::kFail, limits);
        EXPECT_EQ(fail.output, "1," + big + ",<2>\n" + (limits.longestRecord < 1000 ? "3,4," : ""));
        EXPECT_TRUE(fail.report.stopped);
    }
}

}  // namespace

namespace {

// A record of exactly the longest length held is held, whether a read saw its end or only its
// first bytes, and one byte longer is streamed either way: one short record, its fields left
// alone, or its first field read (and too long).
TEST(ConvertStream, ARecordIsHeldUpToTheLongestLengthWhateverTheReads) {
    // Eight bytes: a first read of eight cannot tell it from a longer one.
    const std::string eight = "1\xfe" + std::string("2\xfd") + "34\xfe" + "5";
    for (const std::string& input : {eight, eight + "6"})
        for (const std::size_t chunk : {std::size_t{1} << 20, std::size_t{2}}) {
            StringSource source(input);
            StringSink sink;
            StreamSettings settings;
            settings.format = kLines;
            settings.chunkSize = chunk;
            settings.longestRecord = 8;
            settings.longestValue = 6;
            const PlanMaker plan = [](const std::vector<std::string>*) {
                return ConvertPlan{
                    kLines,
                    {FieldConversion{0, &kFake, "1"}, FieldConversion{2, &kFake, "3"}},
                    OnError::kKeep};
            };
            const StreamReport report =
                ConvertStream(source, sink, settings, plan, [](std::uint64_t) {});
            EXPECT_EQ(sink.text, input) << chunk;
            const std::uint64_t streamed = input.size() > 8 ? 1 : 0;
            EXPECT_EQ(report.counts.fieldsRead, streamed) << chunk;
            EXPECT_EQ(report.counts.tooLong, streamed) << chunk;
            EXPECT_EQ(report.counts.shortRecords, 1u) << chunk;
        }
}

}  // namespace
