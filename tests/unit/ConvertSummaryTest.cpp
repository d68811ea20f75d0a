#include "cli/ConvertSummary.h"

#include <gtest/gtest.h>

namespace {

TEST(ShownValue, QuotesAndShowsMarksAndControlBytes) {
    EXPECT_EQ(ShownValue("a\xFD"
                         "b\xFC"
                         "c\xFB\xFE\xFF"),
              "'a<VM>b<SM>c<TM><AM><IM>'");
    EXPECT_EQ(ShownValue(std::string("\t\0\x7F", 3)), "'\\x09\\x00\\x7F'");
    EXPECT_EQ(ShownValue(std::string(70, 'x')), "'" + std::string(60, 'x') + "'...");
}

TEST(SummaryText, CountsOneAndManyAndNamesOnlyWhatHappened) {
    RunTotals totals;
    EXPECT_EQ(SummaryText(totals), "0 records, 0 fields read, 0 converted, 0 failed");
    totals.counts.records = 1;
    totals.counts.fieldsRead = 4;
    totals.counts.fieldsConverted = 1;
    totals.counts.status = {2, 1, 1, 0};
    totals.counts.unwritable = 1;
    totals.counts.shortRecords = 2;
    EXPECT_EQ(SummaryText(totals),
              "1 record, 4 fields read, 1 converted, 3 failed (STATUS 1: 1, STATUS 2: 1, not "
              "writable in the format: 1), 2 short records unchanged");
}

}  // namespace
