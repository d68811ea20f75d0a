#pragma once
// A run of digits in a code (a count of fields, characters or a length). Its value saturates at
// the largest size: no value in memory has that many characters, so a saturated count means
// exactly what the written one does. Where two counts are compared, their digits are compared.

#include <cstddef>
#include <string_view>

#include "codes/CodeReader.h"

struct CodeCount {
    std::size_t value = 0;
    std::string_view digits;  // as written, a view of the code text

    bool Present() const { return !digits.empty(); }
};

// The digits at the cursor (none gives an absent count), moving past them.
CodeCount TakeCount(CodeReader& reader);

// Whether a's written number is at most b's, exactly, whatever their lengths.
bool CountAtMost(const CodeCount& a, const CodeCount& b);
