#include "app/ErrorText.h"

#include <gtest/gtest.h>

namespace {

TEST(WithFullStop, AddsOneOnlyAfterCharactersAboveFullStop) {
    struct Case {
        std::string message;
        std::string shown;
    };
    const Case cases[] = {
        {"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
        {"'' is not a valid integer value", "'' is not a valid integer value."},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"(see above)", "(see above)"},
        {"it's '", "it's '"},
        {"a,", "a,"},
        {"a-", "a-"},
        {"trailing blank ", "trailing blank "},
        {"Really?", "Really?."},
        {"12/31/", "12/31/."},
        {"time:", "time:."},
        {"digit 7", "digit 7."},
        {"", ""},
        {"high \xC8", "high \xC8."},  // compared as an unsigned byte
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithFullStop(c.message), c.shown) << c.message;
}

TEST(WithFullStop, MessageIsNeverAFormat) {
    EXPECT_EQ(WithFullStop("'%s%n%x' is not a valid date"), "'%s%n%x' is not a valid date.");
}

TEST(GenericErrorText, FillsTheFixedLayout) {
    EXPECT_EQ(GenericErrorText("EFoo", "QuorlinConversion.exe", 0x1234, "bad %s"),
              "Exception EFoo in module QuorlinConversion.exe at 00001234.\r\nbad %s.\r\n");
    EXPECT_EQ(GenericErrorText("unknown", "QuorlinConversion.exe", 0, ""),
              "Exception unknown in module QuorlinConversion.exe at 00000000.\r\n\r\n");
}

// The generic box adds its full stop unless the message already ends in one: unlike the program's
// own error box, "!" and ")" get one too.
TEST(GenericErrorText, AddsAFullStopUnlessThereIsOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"Done.", "Done."}, {"Stop!", "Stop!."}, {"(see above)", "(see above)."}, {"a ", "a ."}};
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(GenericErrorText("E", "m", 0, message),
                  std::string("Exception E in module m at 00000000.\r\n") + shown + "\r\n")
            << message;
    }
}

TEST(ReadableClassName, ReadsTheRecordedNamesOfPlainClasses) {
    const std::pair<const char*, const char*> cases[] = {
        {"St13runtime_error", "std::runtime_error"},
        {"St9bad_alloc", "std::bad_alloc"},
        {"9TOverflow", "TOverflow"},
        {"N3qcx6DetailE", "qcx::Detail"},
        {"NSt8ios_base7failureB5cxx11E", "std::ios_base::failure"},
        // Anything else is shown as recorded rather than guessed at.
        {"St6vectorIiSaIiEE", "St6vectorIiSaIiEE"},
        {"N3qcx6Detail", "N3qcx6Detail"},
        {"99short", "99short"},
        {"", ""},
    };
    for (const auto& [recorded, readable] : cases)
        EXPECT_EQ(ReadableClassName(recorded), readable) << recorded;
}

}  // namespace
