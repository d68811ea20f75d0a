#pragma once
// The outputs of one conversion call, packed in one buffer: each output's bytes followed by a NUL,
// its offset, length and STATUS in arrays of their own, so a caller can read them all at once.

#include <cstddef>
#include <string>
#include <vector>

class ResultArena {
  public:
    void Clear() noexcept;
    void Reserve(std::size_t count);
    // Appends the output that write(buffer) appends to the buffer, and the STATUS it returns.
    template <typename Write>
    void AppendWritten(Write&& write) {
        const std::size_t begin = data_.size();
        const int status = write(data_);
        Record(begin, status);
    }

    // Whether text lies in the arena's buffer, which the next conversion overwrites.
    bool Holds(const char* text) const noexcept;

    std::size_t Count() const noexcept { return lengths_.size(); }
    const char* Data() const noexcept { return data_.data(); }
    const std::size_t* Offsets() const noexcept { return offsets_.data(); }
    const std::size_t* Lengths() const noexcept { return lengths_.data(); }
    const unsigned char* Statuses() const noexcept { return statuses_.data(); }

  private:
    // Notes the output written since begin, and ends it with a NUL.
    void Record(std::size_t begin, int status);

    std::string data_;
    std::vector<std::size_t> offsets_;
    std::vector<std::size_t> lengths_;
    std::vector<unsigned char> statuses_;
};
