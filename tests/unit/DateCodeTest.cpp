#include "codes/DateCode.h"

#include <gtest/gtest.h>

#include "CodeTestSupport.h"

namespace {

constexpr Dialects B = Dialects::Both;
constexpr Dialects U = Dialects::Universe;
constexpr Dialects P = Dialects::Pick;
constexpr Dialects PE = Dialects::PickEuropean;
constexpr Dialects UE = Dialects::UniverseEuropean;

TEST(DateCode, WorkedExamples) {
    ExpectRows({
        {1, B, "D", 'O', "21527", "08 DEC 2026", 0},
        {2, B, "D2", 'O', "13216", "07 MAR 04", 0},
        {3, B, "D0", 'O', "13216", "07 MAR", 0},
        {4, B, "D/", 'O', "13216", "03/07/2004", 0},
        {5, B, "D2.", 'O', "11688", "12.31.99", 0},
        {6, B, "D2Y", 'O', "21527", "26", 0},
        {7, B, "DM", 'O', "13216", "3", 0},
        {8, B, "DD", 'O', "13216", "7", 0},
        {9, B, "DMA", 'O', "13216", "MARCH", 0},
        {10, B, "DQ", 'O', "16346", "4", 0},
        {11, B, "DW", 'O', "21527", "2", 0},
        {12, B, "DWA", 'O', "21527", "TUESDAY", 0},
        {13, B, "DJ", 'O', "21527", "342", 0},
        {14, B, "D", 'O', "-6398", "25 JUN 1950", 0},
        {15, B, "D", 'O', "20514", "29 FEB 2024", 0},
        {16, B, "D", 'O', "2933628", "31 DEC 9999", 0},
        {17, B, "D", 'O', "-718430", "01 JAN 0001", 0},
        {18, B, "D", 'O', "2933629", "2933629", 1},
        {19, B, "D", 'O', "21527.5", "08 DEC 2026", 3},
        {20, B, "D", 'O', "next week", "next week", 1},
        {21, B, "DZ", 'O', "21527", "21527", 2},
        {22, B, "D2*1", 'O', "X*13216", "07 MAR 04", 0},
        {23, U, "D/E", 'O', "13216", "07/03/2004", 0},
        {24, P, "D/E", 'O', "13216", "13216", 2},
        {25, U, "DI", 'O', "13216", "07/03/2004", 0},
        {26, P, "DI", 'O', "12/8/2026", "21527", 0},
        {27, U, "D-YMD", 'O', "21527", "2026-12-08", 0},
        {28, U, "D40YMD", 'O', "21527", "20261208", 0},
        {29, U, "D WBDMBY", 'O', "13216", "SUN 07 MAR 2004", 0},
        {30, U, "DMAL", 'O', "13216", "March", 0},
        {31, U, "D/MDY[Z,Z,2]", 'O', "13216", "3/7/04", 0},
        {32, U, "D DMY[Z,A,4]", 'O', "13216", "7 MARCH 2004", 0},
        {33, U, "DMR", 'O', "13216", "III", 0},
        {34, U, "DMY", 'O', "13216", "03 2004", 0},
        {35, P, "DF", 'O', "21527", "December 8, 2026", 0},
        {36, U, "DF", 'O', "21527", "21527", 2},
        {37, B, "D", 'I', "12/8/2026", "21527", 0},
        {38, B, "D", 'I', "dec 8 26", "21527", 0},
        {39, B, "D", 'I', "December 8, 2026", "21527", 0},
        {40, B, "D", 'I', "8DEC26", "21527", 0},
        {41, B, "D", 'I', "Decem 8 2026", "21527", 0},
        {42, B, "D", 'I', "De 8 2026", "", 1},
        {43, B, "D", 'I', "12/8", "21527", 0},
        {44, B, "D", 'I', "8 DEC", "21527", 0},
        {45, B, "D", 'I', "1/1/30", "-13878", 0},
        {46, B, "D", 'I', "1/1/29", "22282", 0},
        {47, B, "D", 'I', "2/29/2024", "20514", 0},
        {48, U, "D", 'I', "2/30/2024", "20515", 3},
        {49, P, "D", 'I', "2/30/2024", "", 1},
        {50, U, "D", 'I', "4/31/2025", "20941", 3},
        {51, B, "D", 'I', "13/45/2020", "", 1},
        {52, U, "D", 'I', "261208", "21527", 0},
        {53, P, "D", 'I', "261208", "", 1},
        {54, U, "D", 'I', "120826", "16310", 0},
        {55, P, "D", 'I', "120826", "21527", 0},
        {56, U, "D", 'I', "26342", "21527", 0},
        {57, U, "D", 'I', "2026342", "21527", 0},
        {58, U, "D", 'I', "25366", "21186", 3},
        {59, U, "D", 'I', "20261208", "21527", 0},
        {60, P, "D", 'I', "12082026", "21527", 0},
        {61, P, "D", 'I', "1208", "21527", 0},
        {62, U, "D", 'I', "1208", "", 1},
        {63, U, "D/E", 'I', "8/12/2026", "21527", 0},
        {64, PE, "D", 'I', "8/12/2026", "21527", 0},
        {65, U, "D-YMD", 'I', "2026-12-08", "21527", 0},
        {66, B, "D2/", 'I', "2026-12-08", "", 1},
        {67, B, "D", 'I', "12//8/2026", "", 1},
    });
}

// Grammar and range cases the examples do not reach; rows are numbered from 1001.
TEST(DateCode, GrammarAndBounds) {
    ExpectRows({
        // Modifiers: widths pad numbers and cut names; Z2 keeps the year's last digits unpadded;
        // L title-cases the default form's month too.
        {1001, U, "D4/DMY[2,2,4]", 'O', "13216", "07/03/2004", 0},
        {1002, U, "D DMY[Z,A3,Z2]", 'O', "13216", "7 MAR 4", 0},
        {1003, U, "DWAL", 'O', "13216", "Sunday", 0},
        {1004, U, "DL", 'O', "13216", "07 Mar 2004", 0},
        {1005, U, "D-JY[3]", 'O', "21527", "342-2026", 0},
        {1006, U, "DDMB[,2]", 'O', "13216", "07 MA", 0},
        // Codes are read case-insensitively.
        {1007, U, "dmal", 'O', "13216", "March", 0},
        // The empty separator without components is the numeric form joined by nothing.
        {1008, U, "D20", 'O', "13216", "030704", 0},
        // A missing group gives "".
        {1009, B, "D*2", 'O', "a*13216", "", 0},
        // Invalid codes: a sixth component, two of a family, a modifier too many or misplaced.
        {1010, U, "DDMYWQJ", 'O', "1", "1", 2},
        {1011, U, "DMAMB", 'O', "1", "1", 2},
        {1012, U, "D/MDY[Z,Z,2,2]", 'O', "1", "1", 2},
        {1013, U, "DMR[2]", 'O', "1", "1", 2},
        {1014, U, "DD[A]", 'O', "1", "1", 2},
        {1015, U, "D5", 'O', "1", "1", 2},
        {1016, P, "D0Y", 'O', "1", "1", 2},
        {1017, P, "DM/", 'O', "1", "1", 2},
        // The year digit after the sub-code in pick.
        {1018, P, "DY2", 'O', "21527", "26", 0},
        // Input bounds: a number far past 64 bits, a sign alone, an all-zero fraction.
        {1019, B, "D", 'O', std::string(3000, '9'), std::string(3000, '9'), 1},
        {1020, B, "D", 'O', "-", "-", 1},
        {1021, B, "D", 'O', " 21527.000 ", "08 DEC 2026", 0},
        // ICONV: day 366 of a year; a separator at the end; a run too long for a day; two
        // month names; a weekday is not a month.
        {1022, U, "D", 'I', "24366", "20820", 0},
        {1023, B, "D", 'I', "12/8/", "", 1},
        {1024, B, "D", 'I', "12/008/2026", "", 1},
        {1025, B, "D", 'I', "dec jan 8", "", 1},
        {1026, B, "D", 'I', "Tue 8 2026", "", 1},
        // Year 0 does not exist; "00" is 2000.
        {1027, U, "D", 'I', "00000101", "", 1},
        {1028, B, "D", 'I', "1/1/00", "11689", 0},
        // European order in universe: E toggles it back, I forces it, a full list overrides.
        {1029, UE, "D/", 'O', "13216", "07/03/2004", 0},
        {1030, UE, "D/E", 'O', "13216", "03/07/2004", 0},
        {1031, UE, "D/EI", 'O', "13216", "07/03/2004", 0},
        {1032, UE, "D", 'I', "8/12/2026", "21527", 0},
        {1033, UE, "D/MDY", 'I', "12/8/2026", "21527", 0},
        {1034, UE, "D", 'I', "8/13", "", 1},
    });
}

TEST(DateCode, ErrorPositionAndReason) {
    ExpectInvalid({
        {"D5", Dialect::Universe, 1, "year digit must be 0 to 4"},
        {"D4/DMY[2,2", Dialect::Universe, 10, "modifier list is not closed"},
        {"D/DMY[Z,Z,2,2]", Dialect::Universe, 12, "more modifiers than components"},
        {"D/E", Dialect::Pick, 2, "nothing may follow the separator"},
        {"DMAMB", Dialect::Universe, 3, "one component of each kind"},
    });
}

}  // namespace
