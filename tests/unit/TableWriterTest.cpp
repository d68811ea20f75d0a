#include "cli/TableWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Json(std::string_view text, bool utf8 = false) {
    std::string out;
    AppendJsonString(out, text, utf8);
    return out;
}

TEST(AppendJsonString, EscapesWhatJsonForbidsAndReadsOtherBytesAsLatin1) {
    EXPECT_EQ(Json("say \"hi\"\\"), "\"say \\\"hi\\\"\\\\\"");
    EXPECT_EQ(Json(std::string("\n\r\t\x01\x7F", 5)), "\"\\n\\r\\t\\u0001\\u007f\"");
    EXPECT_EQ(Json("\xFD"), "\"\\u00fd\"");
    EXPECT_EQ(Json("\xC3\xA9", true), "\"\xC3\xA9\"");
}

TEST(TableWriter, WritesEachFormat) {
    const std::vector<Column> columns = {{"n", true}, {"name", false}};
    const auto rows = [&](OutputFormat format) {
        StringSink sink;
        TableWriter table(sink, format, columns, 10);
        table.Row({{"1", ""}, {"a\tb", ""}});
        table.Row({{"200", ""}, {"c", "shown"}});
        table.Finish();
        return sink.text;
    };
    EXPECT_EQ(rows(OutputFormat::kTsv), "n\tname\n1\ta\\tb\n200\tc\n");
    EXPECT_EQ(rows(OutputFormat::kJson),
              "{\"n\":1,\"name\":\"a\\tb\"}\n{\"n\":200,\"name\":\"c\"}\n");
    EXPECT_EQ(rows(OutputFormat::kText), "1    a\tb\n200  shown\n");
}

}  // namespace
