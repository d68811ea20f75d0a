#include "codes/TimeCode.h"

#include <gtest/gtest.h>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;
constexpr Dialects U = Dialects::Universe;
constexpr Dialects P = Dialects::Pick;

TEST(TimeCode, WorkedExamples) {
    ExpectRows({
        {68, B, "MT", 'O', "62864", "17:27", 0},
        {69, B, "MTS", 'O', "62864", "17:27:44", 0},
        {70, U, "MTH", 'O', "62864", "05:27pm", 0},
        {71, P, "MTH", 'O', "62864", "05:27PM", 0},
        {72, U, "MTHS", 'O', "45296", "12:34:56pm", 0},
        {73, P, "MTH", 'O', "1800", "12:30AM", 0},
        {74, B, "MTS-", 'O', "3723", "01-02-03", 0},
        {75, U, "MT", 'O', "93784", "26:03", 0},
        {76, P, "MT", 'O', "93784", "02:03", 3},
        {77, U, "MTS", 'O', "-4000", "-01:06:40", 0},
        {78, P, "MTS", 'O', "-4000", "22:53:20", 3},
        {79, U, "MTH", 'O', "93784", "02:03am", 3},
        {80, B, "MT", 'O', "5pm", "5pm", 1},
        {81, B, "MTS", 'O', "3723.9", "01:02:03", 3},
        {82, U, "MTMS", 'O', "62864123", "17:27:44.123", 0},
        {83, U, "MT'h'", 'O', "62864", "17h27", 0},
        {84, P, "MT'h'", 'O', "62864", "62864", 2},
        {85, B, "MT", 'I', "17:27:44", "62864", 0},
        {86, B, "MT", 'I', "5:27:44pm", "62864", 0},
        {87, B, "MTH", 'I', "5:27:44 P", "62864", 0},
        {88, B, "MT", 'I', "12:30am", "1800", 0},
        {89, B, "MT", 'I', "172744", "62864", 0},
        {90, B, "MT", 'I', "1727", "62820", 0},
        {91, B, "MT", 'I', "9", "32400", 0},
        {92, B, "MT", 'I', "17.27", "62820", 0},
        {93, U, "MT", 'I', "25:00", "90000", 0},
        {94, P, "MT", 'I', "25:00", "", 1},
        {95, B, "MT", 'I', "17:60", "", 1},
        {96, U, "MT", 'I', "-01:06:40", "-4000", 0},
        {97, B, "MT", 'I', "18:30PM", "66600", 0},
        {98, B, "MT", 'I', "00:30PM", "45000", 0},
        {99, U, "MTMS", 'I', "17:27:44.5", "62864500", 0},
    });
}

// Grammar and range cases the examples do not reach; rows are numbered from 1001.
TEST(TimeCode, GrammarAndBounds) {
    ExpectRows({
        // Quoted text is used as written, even empty; the letters keep their order.
        {1001, U, "mt'H'", 'O', "62864", "17H27", 0},
        {1002, U, "MTS''", 'O', "62864", "172744", 0},
        {1003, B, "MTSH", 'O', "1", "1", 2},
        {1004, P, "MTMS", 'O', "1", "1", 2},
        {1005, U, "MT'h", 'O', "1", "1", 2},
        // Elapsed hours as far as 64 bits go; past them the input is not a time.
        {1006, U, "MT", 'O', "9223372036854775807", "2562047788015215:30", 0},
        {1007, U, "MT", 'O', "9223372036854775808", "9223372036854775808", 1},
        {1008, U, "MT", 'I', "2562047788015215:30:07", "9223372036854775807", 0},
        {1009, U, "MT", 'I', "2562047788015216:00", "", 1},
        // A suffix makes the universe hour a clock hour; pick has no negative times.
        {1010, U, "MT", 'I', "13:00pm", "46800", 0},
        {1011, U, "MT", 'I', "25:00pm", "", 1},
        {1012, P, "MT", 'I', "-1:00", "", 1},
        // Separators: one between numbers, none at the ends; bare digits at most six.
        {1013, B, "MT", 'I', "17::27", "", 1},
        {1014, B, "MT", 'I', "17:27:", "", 1},
        {1015, B, "MT", 'I', "1727440", "", 1},
        {1016, B, "MT", 'I', "17:27:44.5", "", 1},
        // Milliseconds: a fraction of one to three digits; MTM without S shows hours and minutes.
        {1017, U, "MTM", 'I', "17:27:44.05", "62864050", 0},
        {1018, U, "MTM", 'I', "17:27:44.1234", "", 1},
        {1019, U, "MTM", 'O', "62864123", "17:27", 0},
        {1020, U, "MTHM", 'O', "-1", "11:59pm", 3},
    });
}

}  // namespace
