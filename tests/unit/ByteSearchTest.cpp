#include "cli/ByteSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The sixteen-byte compare (where it is built) and the portable one mark the same bytes, and
// walking the needles with either finds what a byte-by-byte search finds, at every start and
// alignment, near the ends of the data and with bytes that have the high bit set.
TEST(ByteSearch, TheWideAndThePortableSearchAgree) {
    std::uint32_t seed = 777;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFFu;
    };
    const char alphabet[] = {'a', ',', '\n', '"', '\xFE', '\x80', '\0', 'z'};
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string data;
        const std::uint32_t length = next() % 70;
        // Sparse hits, so that runs longer than a block are common.
        for (std::uint32_t i = 0; i < length; ++i) {
            data += next() % 8 == 0 ? alphabet[next() % sizeof alphabet] : 'x';
        }
        const Needles needles{alphabet[next() % sizeof alphabet],
                              alphabet[next() % sizeof alphabet],
                              alphabet[next() % sizeof alphabet]};
        const std::string any{needles.a, needles.b, needles.c};
        for (std::size_t pos = 0; pos + 16 <= data.size(); ++pos) {
            ASSERT_EQ(BlockMask(data.data() + pos, needles),
                      BlockMaskPortable(data.data() + pos, needles))
                << data << " at " << pos;
        }
        NeedleFinder<> wide(data, needles);
        NeedleFinder<BlockMaskPortable> portable(data, needles);
        // Walked forward from a few starts, as the record reader walks.
        for (std::size_t start = 0; start <= data.size(); start += 1 + start % 5) {
            std::size_t pos = start;
            for (;;) {
                const std::size_t expected = data.find_first_of(any, pos);
                const std::size_t want = expected == std::string::npos ? data.size() : expected;
                ASSERT_EQ(portable.Next(pos), want) << data << " from " << pos;
                ASSERT_EQ(wide.Next(pos), want) << data << " from " << pos;
                if (want == data.size()) {
                    break;
                }
                ++found;
                pos = want + 1 + next() % 3;
            }
        }
    }
    EXPECT_GT(found, 1000);
#if defined(__SSE2__)
    EXPECT_TRUE(kWideSearchBuilt);
#endif
}

}  // namespace
