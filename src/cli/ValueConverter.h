#pragma once
// What `convert` applies to a field: one value in, one value and its STATUS out. The conversion
// codes provide the real one; a converter is shared by every worker, so Convert is const and
// keeps no state.

#include <string>
#include <string_view>

enum : int {
    kConverted = 0,
    kBadInput = 1,
    kBadCode = 2,
    kSuspect = 3,
};

class ValueConverter {
  public:
    virtual ~ValueConverter() = default;
    // out receives the result (its capacity reused); the STATUS is returned.
    virtual int Convert(std::string_view value, std::string& out) const = 0;
    // The same result appended to out, which may be the output itself; scratch is the caller's
    // to reuse. A converter with a direct path overrides it, so that the common value is written
    // where it belongs without passing through a string of its own.
    virtual int ConvertAppend(std::string_view value, std::string& out,
                              std::string& scratch) const {
        const int status = Convert(value, scratch);
        out.append(scratch);
        return status;
    }
};
