#include "cli/RecordScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const RecordFormat kCsv{RecordKind::kCsv, ','};
const RecordFormat kMarks{RecordKind::kSeparated, '\xFE'};

// Every record of data as its field values, "|" after each record that ends in a line break.
std::vector<std::vector<std::string>> Records(const std::string& data, RecordFormat format) {
    RecordScanner scanner(format, 0);
    std::vector<std::vector<std::string>> records;
    std::string scratch;
    for (std::size_t pos = 0; pos < data.size();) {
        const RecordSpan record = scanner.Scan(data, pos);
        EXPECT_FALSE(record.unclosedQuote) << data;
        std::vector<std::string> values;
        for (const FieldSpan& field : scanner.Fields()) {
            values.emplace_back(FieldValue(data, field, scratch));
        }
        records.push_back(values);
        pos = record.end;
    }
    return records;
}

using Rows = std::vector<std::vector<std::string>>;

TEST(RecordScanner, ReadsCsvQuotingAndLineBreaks) {
    // Doubled quotes, a delimiter and both line breaks inside quotes, an empty quoted field,
    // CRLF records, and a last record without a line break.
    const std::string data = "a,\"b \"\"q\"\"\",c\r\n\"x,\ny\",\"\",\"1\r\n2\"\r\nlast,\"\"\"\"";
    EXPECT_EQ(Records(data, kCsv),
              (Rows{{"a", "b \"q\"", "c"}, {"x,\ny", "", "1\r\n2"}, {"last", "\""}}));
}

TEST(RecordScanner, KeepsMarksInsideFieldsSeparatedByMarks) {
    // Fields separated by attribute marks; value and subvalue marks stay inside a field, and a
    // quote is data when there is no quoting.
    const std::string data =
        "1\xFE"
        "a\xFD"
        "b\xFC"
        "c\xFE\"q\n2\n";
    EXPECT_EQ(Records(data, kMarks), (Rows{{"1",
                                            "a\xFD"
                                            "b\xFC"
                                            "c",
                                            "\"q"},
                                           {"2"}}));
}

TEST(RecordScanner, TextAfterAClosingQuoteKeepsTheFieldAsWritten) {
    EXPECT_EQ(Records("\"ab\"cd,e\n", kCsv), (Rows{{"\"ab\"cd", "e"}}));
    // A quote inside an unquoted field is data and opens nothing.
    EXPECT_EQ(Records("a\"b,\"c\"\n", kCsv), (Rows{{"a\"b", "c"}}));
}

TEST(RecordScanner, ReportsAQuoteThatIsNeverClosed) {
    RecordScanner scanner(kCsv, 0);
    const std::string data = "1,\"open\n2,3\n";
    const RecordSpan record = scanner.Scan(data, 0);
    EXPECT_TRUE(record.unclosedQuote);
    EXPECT_EQ(record.end, data.size());
}

TEST(RecordScanner, LocatesOnlyTheFieldsAskedFor) {
    RecordScanner scanner(RecordFormat{RecordKind::kSeparated, '\t'}, 2);
    const std::string data = "a\tb\tc\td\nnext\n";
    const RecordSpan record = scanner.Scan(data, 0);
    EXPECT_EQ(record.fieldCount, 2u);
    EXPECT_EQ(record.end, 8u);
}

TEST(LastRecordEnd, CutsOnlyAtALineBreakOutsideQuotes) {
    struct Case {
        std::string data;
        std::size_t end;
    };
    for (const Case& c :
         std::vector<Case>{{"a,b\nc,d", 4},
                           {"a,\"b\nc\nd", 0},    // the quote is still open
                           {"a,\"b\nc\"\nd", 8},  // closed, then a line break
                           {"a\"b\nc", 4},        // a quote inside a field opens nothing
                           {"a,\"b\"", 0},        // a quote as the last byte could yet be doubled
                           {"x\n\"\"\"\n\"\n", 8}}) {  // an escaped quote, then the closing one
        EXPECT_EQ(LastRecordEnd(c.data, kCsv), c.end) << c.data;
    }
    EXPECT_EQ(LastRecordEnd("a\"b\nc\"d\ne", kMarks), 8u);
}

TEST(FieldFit, QuotesInCsvAndRefusesWhatWouldBreakOtherFormats) {
    std::string out;
    AppendField(out, "say \"hi\", twice", FitOfValue("say \"hi\", twice", kCsv));
    EXPECT_EQ(out, "\"say \"\"hi\"\", twice\"");
    EXPECT_EQ(FitOfValue("08 DEC 2026", kCsv), FieldFit::kPlain);
    EXPECT_EQ(FitOfValue("a\nb", kCsv), FieldFit::kQuoted);
    EXPECT_EQ(FitOfValue("a\xFE"
                         "b",
                         kMarks),
              FieldFit::kImpossible);
    EXPECT_EQ(FitOfValue("a\xFD"
                         "b",
                         kMarks),
              FieldFit::kPlain);
    EXPECT_EQ(FitOfValue("a\tb", RecordFormat{RecordKind::kSeparated, '\t'}),
              FieldFit::kImpossible);
    EXPECT_EQ(FitOfValue("a,b", RecordFormat{RecordKind::kLines, ','}), FieldFit::kPlain);
    EXPECT_EQ(FitOfValue("a\rb", RecordFormat{RecordKind::kLines, ','}), FieldFit::kImpossible);
}

}  // namespace
