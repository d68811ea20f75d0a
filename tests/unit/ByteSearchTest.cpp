#include "cli/ByteSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The sixteen-byte search (where it is built) and the portable one find the same bytes, at every
// start and alignment, near the ends of the data and with bytes that have the high bit set.
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
        const char a = alphabet[next() % sizeof alphabet];
        const char b = alphabet[next() % sizeof alphabet];
        for (std::size_t pos = 0; pos <= data.size(); ++pos) {
            const std::size_t expected = data.find_first_of(std::string{a, b}, pos);
            const std::size_t want = expected == std::string::npos ? data.size() : expected;
            ASSERT_EQ(FindEitherPortable(data, pos, a, b), want) << data << " from " << pos;
            ASSERT_EQ(FindEither(data, pos, a, b), want) << data << " from " << pos;
            found += want < data.size() ? 1 : 0;
        }
    }
    EXPECT_GT(found, 1000);
#if defined(__SSE2__)
    EXPECT_TRUE(WideSearchBuilt());
#endif
}

}  // namespace
