#pragma once
// The searches the record reader is made of. Bytes are compared many at a time: sixteen with
// SSE2 (always there on x86-64), eight in a 64-bit word elsewhere (the 32-bit build). Both ways
// give the same answer; the portable one stays callable everywhere, so that the tests hold them
// against each other.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Up to three bytes looked for at once (repeat one to look for fewer).
struct Needles {
    char a;
    char b;
    char c;
};

// The needles ready for comparing: where sixteen bytes are compared at once, each needle spread
// over a block once, not at every block.
struct PreparedNeedles {
    explicit PreparedNeedles(Needles needles)
        : bytes(needles)
#if defined(__SSE2__)
          ,
          a(_mm_set1_epi8(needles.a)),
          b(_mm_set1_epi8(needles.b)),
          c(_mm_set1_epi8(needles.c))
#endif
    {
    }

    Needles bytes;
#if defined(__SSE2__)
    __m128i a;
    __m128i b;
    __m128i c;
#endif
};

// Bit i set when byte i of the 16 at p is one of the needles: eight bytes a word, each byte
// tested exactly (no borrow crosses bytes), the marks gathered into bits by one multiplication.
inline std::uint32_t BlockMaskPortable(const char* p, Needles needles) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7Fu;
    constexpr std::uint64_t kGather = 0x0102040810204080u;
    std::uint32_t mask = 0;
    for (unsigned half = 0; half < 2; ++half) {
        std::uint64_t word;
        std::memcpy(&word, p + 8 * half, sizeof word);
        if constexpr (std::endian::native == std::endian::big) {
            word = __builtin_bswap64(word);
        }
        std::uint64_t found = 0;
        for (const char needle : {needles.a, needles.b, needles.c}) {
            const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(needle));
            // The high bit of each byte that is zero in x.
            found |= ~(((x & kLows) + kLows) | x | kLows);
        }
        mask |= static_cast<std::uint32_t>(((found >> 7) * kGather) >> 56) << (8 * half);
    }
    return mask;
}
inline std::uint32_t BlockMaskPortable(const char* p, const PreparedNeedles& needles) {
    return BlockMaskPortable(p, needles.bytes);
}

#if defined(__SSE2__)
inline constexpr bool kWideSearchBuilt = true;

inline std::uint32_t BlockMask(const char* p, const PreparedNeedles& needles) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hits = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(block, needles.a), _mm_cmpeq_epi8(block, needles.b)),
        _mm_cmpeq_epi8(block, needles.c));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(hits));
}
#else
inline constexpr bool kWideSearchBuilt = false;

inline std::uint32_t BlockMask(const char* p, const PreparedNeedles& needles) {
    return BlockMaskPortable(p, needles.bytes);
}
#endif
inline std::uint32_t BlockMask(const char* p, Needles needles) {
    return BlockMask(p, PreparedNeedles(needles));
}

// The mask of the last bytes of data, from pos, fewer than a block: read one at a time, as no
// block may be read past the end.
inline std::uint32_t TailMask(std::string_view data, std::size_t pos, Needles needles) {
    std::uint32_t mask = 0;
    for (std::size_t i = pos; i < data.size(); ++i) {
        const char c = data[i];
        if (c == needles.a || c == needles.b || c == needles.c) {
            mask |= std::uint32_t{1} << (i - pos);
        }
    }
    return mask;
}

// Walks the needles of data in order, one block compare per sixteen bytes however many
// needles a block holds.
template <std::uint32_t (*Mask)(const char*, const PreparedNeedles&) = BlockMask>
class NeedleFinder {
  public:
    NeedleFinder(std::string_view data, Needles needles) : data_(data), needles_(needles) {}

    // The first needle at or after pos, or data.size().
    std::size_t Next(std::size_t pos) {
        if (pos >= blockStart_ && pos < blockEnd_) {
            const std::uint32_t rest = mask_ >> (pos - blockStart_);
            if (rest != 0) {
                return pos + static_cast<std::size_t>(std::countr_zero(rest));
            }
            pos = blockEnd_;
        }
        const std::size_t size = data_.size();
        while (pos < size) {
            Load(pos);
            if (mask_ != 0) {
                return pos + static_cast<std::size_t>(std::countr_zero(mask_));
            }
            pos = blockEnd_;
        }
        return size;
    }

  private:
    void Load(std::size_t pos) {
        blockStart_ = pos;
        if (data_.size() - pos >= 16) {
            blockEnd_ = pos + 16;
            mask_ = Mask(data_.data() + pos, needles_);
            return;
        }
        blockEnd_ = data_.size();
        mask_ = TailMask(data_, pos, needles_.bytes);
    }

    std::string_view data_;
    PreparedNeedles needles_;
    std::size_t blockStart_ = 0;
    std::size_t blockEnd_ = 0;
    std::uint32_t mask_ = 0;
};

// Walks the needles of data forward one at a time, like NeedleFinder, for a loop that keeps it in
// a local variable: its state then stays in registers.
template <std::uint32_t (*Mask)(const char*, const PreparedNeedles&) = BlockMask>
class NeedleWalk {
  public:
    NeedleWalk(std::string_view data, const PreparedNeedles& needles, std::size_t pos)
        : data_(data), needles_(needles) {
        Seek(pos);
    }

    // The next needle, or data.size() when there is none.
    std::size_t Next() {
        while (mask_ == 0) {
            base_ += 16;
            if (base_ >= data_.size()) {
                return data_.size();
            }
            Load();
        }
        const auto bit = static_cast<std::size_t>(std::countr_zero(mask_));
        mask_ &= mask_ - 1;
        return base_ + bit;
    }
    // Goes on from pos, at or after the last needle given.
    void Seek(std::size_t pos) {
        base_ = pos;
        if (pos < data_.size()) {
            Load();
        } else {
            mask_ = 0;
        }
    }

  private:
    void Load() {
        if (data_.size() - base_ >= 16) {
            mask_ = Mask(data_.data() + base_, needles_);
            return;
        }
        mask_ = TailMask(data_, base_, needles_.bytes);
    }

    std::string_view data_;
    const PreparedNeedles& needles_;
    std::size_t base_ = 0;    // the block's first byte
    std::uint32_t mask_ = 0;  // the needles of the block not given yet
};

// The first offset from pos whose byte is a or b, or data.size().
inline std::size_t FindEither(std::string_view data, std::size_t pos, char a, char b) {
    return NeedleFinder<>(data, Needles{a, b, b}).Next(pos);
}

// The first offset from pos whose byte is c, or data.size().
inline std::size_t FindByte(std::string_view data, std::size_t pos, char c) {
    const void* hit = std::memchr(data.data() + pos, c, data.size() - pos);
    return hit == nullptr ? data.size()
                          : static_cast<std::size_t>(static_cast<const char*>(hit) - data.data());
}
