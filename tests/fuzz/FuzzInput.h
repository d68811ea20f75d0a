#pragma once
// The fuzzer's bytes read from the front as the choices of one run: numbers, picks from a table,
// short texts and the rest as a text. An exhausted input reads as zeros and empty texts, so every
// input is a valid run, and a seed is easy to write by hand: each choice is its bytes in order.

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const noexcept { return at_ == size_; }

    std::uint8_t Byte() noexcept { return at_ < size_ ? data_[at_++] : 0; }

    bool Bool() noexcept { return (Byte() & 1u) != 0; }

    // A number in lowest..highest from as many bytes as the span needs, most significant first.
    template <class T>
    T Range(T lowest, T highest) noexcept {
        const std::uint64_t span =
            static_cast<std::uint64_t>(highest) - static_cast<std::uint64_t>(lowest);
        std::uint64_t value = 0;
        for (std::uint64_t left = span; left != 0; left >>= 8) {
            value = (value << 8) | Byte();
        }
        const std::uint64_t offset = span == UINT64_MAX ? value : value % (span + 1);
        return static_cast<T>(static_cast<std::uint64_t>(lowest) + offset);
    }

    // One entry of a table, by one byte.
    template <class T, std::size_t N>
    const T& Pick(const T (&table)[N]) noexcept {
        return table[Byte() % N];
    }

    // A length byte (taken modulo maxLength + 1), then that many bytes.
    std::string Text(std::size_t maxLength) {
        std::size_t length = Byte() % (maxLength + 1);
        if (length > size_ - at_) {
            length = size_ - at_;
        }
        std::string text(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return text;
    }

    std::string Rest() {
        std::string text(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
        at_ = size_;
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};
