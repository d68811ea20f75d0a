#pragma once
// A result of known greatest length written straight into the end of a string, which grows once
// per value instead of once per character: what keeps bulk date and time output fast. Writing
// past the length reserved is impossible (the excess is dropped), so a wrong bound can cut a
// result but never touch memory outside the string.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class DirectText {
  public:
    DirectText(std::string& out, std::size_t mostLength) : out_(out), start_(out.size()) {
        out_.resize(start_ + mostLength);
        next_ = out_.data() + start_;
        end_ = next_ + mostLength;
    }
    ~DirectText() { out_.resize(Length()); }
    DirectText(const DirectText&) = delete;
    DirectText& operator=(const DirectText&) = delete;

    void Put(char c) {
        if (next_ != end_) {
            *next_++ = c;
        }
    }
    void Put(std::string_view text) {
        for (const char c : text) {
            Put(c);
        }
    }
    // The decimal digits of value, zero-padded to at least minWidth.
    void PutDecimal(std::uint64_t value, std::size_t minWidth = 1);

    // The string's length so far, and a step back to an earlier length.
    std::size_t Length() const { return static_cast<std::size_t>(next_ - out_.data()); }
    void CutTo(std::size_t length) {
        if (length >= start_ && length < Length()) {
            next_ = out_.data() + length;
        }
    }

  private:
    std::string& out_;
    std::size_t start_;
    char* next_ = nullptr;
    char* end_ = nullptr;
};
