#include "toolkit/PixelRuns.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::uint8_t> Runs(std::vector<std::uint8_t> body, int width = 2, int height = 2) {
    std::vector<std::uint8_t> data{
        'Q', 'R', 'L', '1', static_cast<std::uint8_t>(width), 0, static_cast<std::uint8_t>(height),
        0};
    data.insert(data.end(), body.begin(), body.end());
    return data;
}

TEST(PixelRuns, ExpandsRunsRowAfterRowFromTheTop) {
    const auto picture = DecodePixelRuns(Runs({3, 1, 2, 3, 1, 9, 8, 7}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 2);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->bgr, (std::vector<std::uint8_t>{1, 2, 3, 1, 2, 3, 1, 2, 3, 9, 8, 7}));
}

TEST(PixelRuns, RefusesAnythingThatIsNotWholeRunsOfThePicture) {
    EXPECT_FALSE(DecodePixelRuns(Runs({3, 1, 2, 3})));                   // a pixel short
    EXPECT_FALSE(DecodePixelRuns(Runs({5, 1, 2, 3})));                   // past the end
    EXPECT_FALSE(DecodePixelRuns(Runs({0, 1, 2, 3, 4, 1, 2, 3})));       // an empty run
    EXPECT_FALSE(DecodePixelRuns(Runs({4, 1, 2})));                      // a run cut short
    EXPECT_FALSE(DecodePixelRuns(Runs({4, 1, 2, 3, 1, 1, 1, 1})));       // bytes after the end
    EXPECT_FALSE(DecodePixelRuns(Runs({129, 1, 2, 3}, 200, 1)));         // longer than a run can be
    EXPECT_FALSE(DecodePixelRuns(std::vector<std::uint8_t>{'Q', 'R'}));  // no header
}

}  // namespace
