#pragma once
// What `convert` applies to a field: one value in, one value and its STATUS out. The conversion
// codes provide the real one; a converter is shared by every worker, so Convert is const and
// keeps no state.

#include <cstddef>
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
    // The direct path of a converter that has one, for callers that convert many values:
    // write(context, value, at) writes the result of a value it takes (STATUS 0) at `at`, where
    // kDirectRoom bytes are free, and returns the result's end; nullptr for a value it leaves to
    // ConvertAppend. No write when there is no direct path. Valid while the converter lives.
    static constexpr std::size_t kDirectRoom = 80;
    struct DirectPath {
        char* (*write)(const void* context, std::string_view value, char* at) = nullptr;
        const void* context = nullptr;
        // When known, every byte but the digits 0-9 that its results may hold.
        bool bytesKnown = false;
        std::string bytes;
    };
    virtual DirectPath Direct() const { return {}; }
};
