#include "cli/LineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& input) {
    StringSource source(input);
    LineReader reader(source);
    std::vector<std::string> lines;
    for (std::string line; reader.Next(line);) {
        lines.push_back(line);
    }
    return lines;
}

using Strings = std::vector<std::string>;

TEST(LineReader, EndsLinesAtLfAndDropsOneCr) {
    EXPECT_EQ(Lines("a\r\nb\n\nc\r\r\nlast"), (Strings{"a", "b", "", "c\r", "last"}));
    EXPECT_EQ(Lines("one\n"), (Strings{"one"}));
    EXPECT_EQ(Lines(""), Strings{});
    // Lines longer than one read.
    EXPECT_EQ(Lines(std::string(100000, 'x') + "\ny"), (Strings{std::string(100000, 'x'), "y"}));
}

}  // namespace
