#include "cli/ByteSearch.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

std::size_t ByteByByte(std::string_view data, std::size_t pos, char a, char b) {
    for (; pos < data.size(); ++pos) {
        if (data[pos] == a || data[pos] == b) {
            return pos;
        }
    }
    return data.size();
}

}  // namespace

std::size_t FindEitherPortable(std::string_view data, std::size_t pos, char a, char b) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::uint64_t repeatedA = kOnes * Byte(a);
    const std::uint64_t repeatedB = kOnes * Byte(b);
    const char* const bytes = data.data();
    const std::size_t size = data.size();
    if constexpr (std::endian::native == std::endian::little) {
        for (; pos + 8 <= size; pos += 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + pos, sizeof word);
            const std::uint64_t xa = word ^ repeatedA;
            const std::uint64_t xb = word ^ repeatedB;
            // A zero byte of x ^ a marks a; a borrow can only mark bytes after a true match, so
            // the lowest mark is exact.
            const std::uint64_t marks = (((xa - kOnes) & ~xa) | ((xb - kOnes) & ~xb)) & kHighs;
            if (marks != 0) {
                return pos + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
            }
        }
    }
    return ByteByByte(data, pos, a, b);
}

#if defined(__SSE2__)

bool WideSearchBuilt() {
    return true;
}

std::size_t FindEither(std::string_view data, std::size_t pos, char a, char b) {
    const char* const bytes = data.data();
    const std::size_t size = data.size();
    const __m128i repeatedA = _mm_set1_epi8(a);
    const __m128i repeatedB = _mm_set1_epi8(b);
    for (; pos + 16 <= size; pos += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + pos));
        const __m128i hits =
            _mm_or_si128(_mm_cmpeq_epi8(block, repeatedA), _mm_cmpeq_epi8(block, repeatedB));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0) {
            return pos + static_cast<std::size_t>(std::countr_zero(mask));
        }
    }
    return FindEitherPortable(data, pos, a, b);
}

#else

bool WideSearchBuilt() {
    return false;
}

std::size_t FindEither(std::string_view data, std::size_t pos, char a, char b) {
    return FindEitherPortable(data, pos, a, b);
}

#endif

std::size_t FindByte(std::string_view data, std::size_t pos, char c) {
    const void* hit = std::memchr(data.data() + pos, c, data.size() - pos);
    return hit == nullptr ? data.size()
                          : static_cast<std::size_t>(static_cast<const char*>(hit) - data.data());
}
