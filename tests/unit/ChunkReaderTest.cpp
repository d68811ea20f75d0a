#include "cli/ChunkReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A source that hands out at most three bytes a read, as a pipe may.
class TrickleSource : public ByteSource {
  public:
    explicit TrickleSource(std::string text) : text_(std::move(text)) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, std::size_t{3}, text_.size() - pos_});
        text_.copy(buffer, n, pos_);
        pos_ += n;
        return n;
    }

  private:
    std::string text_;
    std::size_t pos_ = 0;
};

std::vector<std::string> Chunks(const std::string& input, bool exact) {
    TrickleSource source(input);
    ChunkReader reader(source, RecordFormat{RecordKind::kCsv, ','}, 8, 1024);
    std::vector<std::string> chunks;
    ChunkBuffer chunk;
    while (reader.Next(chunk, exact) == ChunkOutcome::kChunk) {
        chunks.emplace_back(chunk.View());
    }
    return chunks;
}

using Strings = std::vector<std::string>;

TEST(ChunkReader, CutsAfterTheLastLineOrRecordOfEachChunk) {
    const std::string input = "a,b\nc,\"d\ne\nf\ng\nh\"\ni,j\nk";
    for (const bool exact : {true, false}) {
        const Strings chunks = Chunks(input, exact);
        std::string joined;
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            joined += chunks[i];
            if (i + 1 < chunks.size()) {
                // Exact cuts never fall inside quotes; line cuts may, and the converter puts
                // the unfinished record back.
                const std::size_t end = exact ? LastRecordEnd(chunks[i], {RecordKind::kCsv, ','})
                                              : LastLineEnd(chunks[i]);
                EXPECT_EQ(end, chunks[i].size()) << chunks[i];
            }
        }
        EXPECT_EQ(joined, input);
        EXPECT_GT(chunks.size(), 2u);
    }
    // The quoted field is not cut by exact chunks.
    const Strings exact = Chunks(input, true);
    EXPECT_NE(std::find(exact.begin(), exact.end(), "c,\"d\ne\nf\ng\nh\"\n"), exact.end());
}

TEST(ChunkReader, ReadsPutBackBytesFirst) {
    StringSource source("c\nd\n");
    ChunkReader reader(source, RecordFormat{}, 64, 1024);
    reader.PutBack("b\n");
    reader.PutBack("a\n");
    ChunkBuffer chunk;
    ASSERT_EQ(reader.Next(chunk, false), ChunkOutcome::kChunk);
    EXPECT_EQ(chunk.View(), "a\nb\nc\nd\n");
    EXPECT_TRUE(reader.Ended());
    EXPECT_EQ(reader.Next(chunk, false), ChunkOutcome::kEnd);
}

TEST(ChunkReader, StopsAtARecordLongerThanTheLongest) {
    StringSource source(std::string(300, 'x') + "\n");
    ChunkReader reader(source, RecordFormat{}, 8, 100);
    ChunkBuffer chunk;
    EXPECT_EQ(reader.Next(chunk, true), ChunkOutcome::kOverlong);
    std::string rest(chunk.View());
    char buffer[64];
    for (std::size_t n; (n = reader.ReadRaw(buffer, sizeof buffer)) > 0;) {
        rest.append(buffer, n);
    }
    EXPECT_EQ(rest, std::string(300, 'x') + "\n");
}

}  // namespace
