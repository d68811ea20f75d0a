#include "codes/CharSeqCode.h"

#include <gtest/gtest.h>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;

TEST(CharSeqCode, WorkedExamplesAndBounds) {
    ExpectRows({
        {125, B, "CHAR", 'O', "65", "A", 0},
        {126, B, "CHAR", 'O', "253", kVM, 0},
        {127, B, "SEQ", 'O', "abc", "97", 0},
        {128, B, "CHAR", 'O', "256", "256", 1},
        // Own cases, from 1001: the reverse directions, the bounds, and marks as data.
        {1001, B, "CHAR", 'I', "abc", "97", 0},
        {1002, B, "SEQ", 'I', "0", std::string("\0", 1), 0},
        {1003, B, "CHAR", 'O', "-1", "-1", 1},
        {1004, B, "CHAR", 'O', "", "", 0},
        {1005, B, "SEQ", 'O', kAM + "x", "254", 0},
        {1006, B, "CHAR", 'O', "65" + kVM + "66", "65" + kVM + "66", 1},
    });
}

}  // namespace
