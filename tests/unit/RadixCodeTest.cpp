#include "codes/RadixCode.h"

#include <gtest/gtest.h>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;
constexpr Dialects U = Dialects::Universe;
constexpr Dialects P = Dialects::Pick;

// The radix codes on numbers and on characters.
TEST(RadixCode, WorkedExamples) {
    ExpectRows({
        {100, U, "MX", 'O', "255", "FF", 0},
        {101, P, "MX", 'O', "255", "323535", 0},
        {102, U, "MO", 'O', "255", "377", 0},
        {103, U, "MB", 'O', "5", "101", 0},
        {104, U, "MX", 'O', "-2", "FFFFFFFE", 0},
        {105, U, "MX", 'O', "4294967296", "4294967296", 1},
        {106, U, "MX", 'O', "255.9", "FF", 3},
        {107, U, "MX", 'O', "Hi", "Hi", 1},
        {108, U, "MX", 'I', "ff", "255", 0},
        {109, U, "MX", 'I', "FFFFFFFE", "-2", 0},
        {110, B, "MX", 'I', "G1", "", 1},
        {111, B, "MX0C", 'O', "Hi!", "486921", 0},
        {112, B, "MX0C", 'I', "486921", "Hi!", 0},
        {113, B, "MX0C", 'I', "48692", "", 1},
        {114, B, "MO0C", 'O', "Hi", "110151", 0},
        {115, B, "MB0C", 'I', "0100100001101001", "Hi", 0},
        {116, B, "MCDX", 'O', "4096", "1000", 0},
        {117, B, "MCXD", 'I', "255", "FF", 0},
        {118, B, "MCDX", 'O', "-26", "-1A", 0},
        {119, B, "MCXD", 'O', "XYZ", "XYZ", 1},
        {120, P, "MCAX", 'O', "MV", "4D56", 0},
        {121, U, "MCAX", 'O', "MV", "MV", 2},
        {122, P, "MCXA", 'O', "4D56", "MV", 0},
        {123, P, "MX", 'I', "4D56", "MV", 0},
        {124, P, "MX", 'O', kVM, "FD", 0},
    });
}

// Range bounds and forms the examples do not reach; rows are numbered from 1001.
TEST(RadixCode, Bounds) {
    ExpectRows({
        {1001, U, "MX", 'O', "-2147483648", "80000000", 0},
        {1002, U, "MX", 'O', "-2147483649", "-2147483649", 1},
        {1003, U, "MO", 'I', "37777777762", "-14", 0},
        {1004, U, "MO", 'I', "40000000000", "", 1},
        {1005, U, "MX", 'I', std::string(2000, '0') + "FF", "255", 0},
        {1006, U, "MX", 'I', "-FF", "", 1},
        {1007, B, "MCD", 'I', "-7FFFFFFFFFFFFFFF", "-9223372036854775807", 0},
        {1008, B, "MCX", 'O', "8000000000000000", "8000000000000000", 1},
        {1009, B, "MCDX", 'O', "-9223372036854775808", "-9223372036854775808", 1},
        // Character codes keep spaces as data; octal groups stop at 377.
        {1010, U, "MX0C", 'O', " A", "2041", 0},
        {1011, B, "MO0C", 'I', "400", "", 1},
        {1012, P, "MB", 'O', std::string("\0", 1), "00000000", 0},
        {1013, P, "MY", 'I', "MV", "4D56", 0},
        {1014, U, "MY", 'O', "4D56", "4D56", 2},
    });
}

}  // namespace
