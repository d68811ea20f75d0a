#include "cli/ProgressLine.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressText, ShowsBytesRateAndTimeLeft) {
    EXPECT_EQ(ProgressText(250000000, 1000000000, 2.0),
              "250.0 MB of 1.0 GB  125.0 MB/s  0:06 left");
    EXPECT_EQ(ProgressText(0, 1500, 0.0), "0 B of 1.5 kB");
    EXPECT_EQ(ProgressText(5000000, 605000000, 1.0), "5.0 MB of 605.0 MB  5.0 MB/s  2:00 left");
}

}  // namespace
