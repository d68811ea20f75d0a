#pragma once
// The outputs of one conversion call, packed in one buffer: each output's bytes followed by a NUL,
// its offset, length and STATUS in arrays of their own, so a caller can read them all at once.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ResultArena {
  public:
    void Clear() noexcept;
    void Reserve(std::size_t count);
    void Append(std::string_view output, int status);

    std::size_t Count() const noexcept { return lengths_.size(); }
    const char* Data() const noexcept { return data_.data(); }
    const std::size_t* Offsets() const noexcept { return offsets_.data(); }
    const std::size_t* Lengths() const noexcept { return lengths_.data(); }
    const unsigned char* Statuses() const noexcept { return statuses_.data(); }

  private:
    std::string data_;
    std::vector<std::size_t> offsets_;
    std::vector<std::size_t> lengths_;
    std::vector<unsigned char> statuses_;
};
