#pragma once
// A converter for the tests of `convert`, independent of the conversion codes: a number N becomes
// "<N>", "bad" fails with STATUS 1 (the input handed back), "odd" converts with STATUS 3, and
// "comma" becomes a text that CSV must quote.

#include <string>
#include <string_view>

#include "cli/ValueConverter.h"

class FakeValueConverter : public ValueConverter {
  public:
    int Convert(std::string_view value, std::string& out) const override {
        if (value == "bad") {
            out.assign(value);
            return kBadInput;
        }
        if (value == "odd") {
            out = "ODD";
            return kSuspect;
        }
        if (value == "comma") {
            out = "a,\"b\"";
            return kConverted;
        }
        out = "<";
        out.append(value);
        out += '>';
        return kConverted;
    }
};
