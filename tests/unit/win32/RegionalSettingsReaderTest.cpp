#include "convert/win32/RegionalSettingsReader.h"

#include <gtest/gtest.h>

namespace {

// A right-to-left desktop writes its date separator after a right-to-left mark.
TEST(RegionalSettingsReader, DirectionMarksAreNoPartOfTheSeparator) {
    EXPECT_EQ(WithoutDirectionMarks(L"\u200F/"), L"/");
    EXPECT_EQ(WithoutDirectionMarks(L"\u200E.\u061C"), L".");
    EXPECT_EQ(WithoutDirectionMarks(L"-"), L"-");
    EXPECT_EQ(WithoutDirectionMarks(L"\u200F"), L"");
}

}  // namespace
