#include "cli/ChunkConverter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeValueConverter.h"
#include "cli/CodeCommands.h"

namespace {

std::string Described(const ChunkResult& result) {
    const ConvertCounts& c = result.counts;
    std::string text = std::to_string(c.records) + " records, " + std::to_string(c.shortRecords) +
                       " short, " + std::to_string(c.fieldsRead) + " read, " +
                       std::to_string(c.fieldsConverted) + " converted, status " +
                       std::to_string(c.status[0]) + "/" + std::to_string(c.status[1]) + "/" +
                       std::to_string(c.status[2]) + "/" + std::to_string(c.status[3]) + ", " +
                       std::to_string(c.unwritable) + " unwritable, " + std::to_string(c.tooLong) +
                       " too long, stopped " + std::to_string(result.stopped) + ", unclosed " +
                       std::to_string(result.unclosedQuoteRecord.value_or(0)) + ", unfinished " +
                       std::to_string(result.unfinishedFrom.value_or(0)) + ", failures:";
    for (const FieldFailure& failure : result.failures) {
        text += " " + std::to_string(failure.record) + "/" + failure.value + "/" +
                std::to_string(failure.status);
    }
    return text;
}

// The fast loop and the general reader give the same bytes, counts and failures on records that
// take every path of both: values holding marks, quoted fields (with doubled quotes, text after the
// closing quote, a line break inside), CR LF, short records, values the direct paths refuse,
// results that must be quoted or cannot be written, values over the bound, a record with no line
// break, and an unclosed quote in the last chunk and in one that is not.
TEST(ChunkConverter, TheFastLoopWritesWhatTheGeneralReaderWrites) {
    const std::vector<std::string> inputs = {
        "1,10000,3600,x\n2,-5,86399,\"a, b\"\r\n3,abc,86400,y\n4,\"20000\",\"7\",z\n5,1\n",
        "6,\"1\"\"2\",5,q\n7,\"3\"x,6,\"multi\nline\"\n8,2933629,-1,\"\"\n9,,,\n10,\"123\"\r\n",
        "11,bad,odd,comma\n12,1234567,12,\"e\"\"f\"\n13,99999999999,0,g\n14,\"open,15,16\n",
        "21,10000\xFD"
        "20000,3600\xFC"
        "7,\"1\xFD"
        "2\"\n17,12345,100,t\r\n18,12\r\n\n20,1\"2,3\"4,5\n19,\"x\",\"y\n",
    };
    std::string error;
    const std::vector<std::string> codes = {"D4-", "MTS", "MD2,", "PC", "D2/", "MCU"};
    std::vector<std::unique_ptr<ValueConverter>> converters;
    for (const std::string& code : codes) {
        converters.push_back(MakeCodeConverter(Direction::kOconv, code, CodeSettings{}, error));
        ASSERT_TRUE(converters.back()) << code << ": " << error;
    }
    const FakeValueConverter fake;
    std::vector<const ValueConverter*> all = {&fake};
    for (const auto& converter : converters) {
        all.push_back(converter.get());
    }
    const std::vector<RecordFormat> formats = {
        {RecordKind::kCsv, ','},        {RecordKind::kSeparated, ','},
        {RecordKind::kSeparated, '\t'}, {RecordKind::kSeparated, '/'},
        {RecordKind::kCsv, ':'},        {RecordKind::kLines, ','}};
    for (const RecordFormat format : formats) {
        for (const ValueConverter* converter : all) {
            for (const OnError onError : {OnError::kKeep, OnError::kEmpty, OnError::kFail}) {
                for (const std::vector<std::size_t>& columns :
                     std::vector<std::vector<std::size_t>>{{1}, {1, 2}, {0, 3}, {2, 5}}) {
                    ConvertPlan plan;
                    plan.format = format;
                    plan.onError = onError;
                    plan.longestValue = 8;
                    for (const std::size_t column : columns) {
                        plan.fields.push_back(FieldConversion{column, converter, "c"});
                    }
                    ChunkConverter fast(plan);
                    ChunkConverter general(plan, RecordReading::kGeneralOnly);
                    for (const std::string& input : inputs) {
                        for (const bool last : {true, false}) {
                            std::string fastOut;
                            std::string generalOut;
                            ChunkResult fastResult;
                            ChunkResult generalResult;
                            fast.Convert(input, 2, last, fastOut, fastResult);
                            general.Convert(input, 2, last, generalOut, generalResult);
                            ASSERT_EQ(fastOut, generalOut) << input;
                            ASSERT_EQ(Described(fastResult), Described(generalResult)) << input;
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
