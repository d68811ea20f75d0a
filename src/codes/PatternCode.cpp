#include "codes/PatternCode.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "codes/TextCharacters.h"
#include "codes/ValueText.h"

namespace {

// Room for short values on the stack; longer ones take the heap.
template <typename T>
class ScratchArray {
  public:
    explicit ScratchArray(std::size_t size) {
        if (size > kLocal) {
            heap_.resize(size);
            data_ = heap_.data();
        }
    }
    ScratchArray(const ScratchArray&) = delete;
    ScratchArray& operator=(const ScratchArray&) = delete;

    T& operator[](std::size_t i) { return data_[i]; }
    T* Data() { return data_; }

  private:
    static constexpr std::size_t kLocal = 128;
    T local_[kLocal];
    std::vector<T> heap_;
    T* data_ = local_;
};

// The value's characters: where each starts (and where the value ends), and whether each is in
// a class.
class PieceCharacters {
  public:
    PieceCharacters(std::string_view piece, Encoding encoding)
        : piece_(piece), count_(CountTextCharacters(piece, encoding)), starts_(count_ + 1) {
        std::size_t pos = 0;
        for (std::size_t i = 0; i < count_; ++i) {
            starts_[i] = pos;
            pos += TextCharLength(piece, pos, encoding);
        }
        starts_[count_] = piece.size();
    }

    std::size_t Count() const { return count_; }
    std::size_t Start(std::size_t i) { return starts_[i]; }

    bool InClass(std::size_t i, PatternClass what) {
        const std::size_t start = starts_[i];
        // Letters, digits and printable characters are ASCII: one byte below 0x80.
        const bool single = starts_[i + 1] - start == 1;
        const char c = piece_[start];
        switch (what) {
            case PatternClass::Digit:
                return single && IsAsciiDigit(c);
            case PatternClass::Letter:
                return single && IsAsciiLetter(c);
            case PatternClass::LetterOrDigit:
                return single && (IsAsciiDigit(c) || IsAsciiLetter(c));
            case PatternClass::Printable:
                return single && c >= 0x20 && c <= 0x7E;
            default:
                return true;
        }
    }

  private:
    std::string_view piece_;
    std::size_t count_;
    ScratchArray<std::size_t> starts_;
};

// Matches a piece against templates. It follows the positions (in characters) where the
// elements so far can end, element by element: the template matches when the end of the piece
// is among them after the last. Each element costs one pass over the piece, so no pattern can
// take long on any value.
class TemplateMatcher {
  public:
    TemplateMatcher(const PatternCode& code, std::string_view piece)
        : code_(code),
          piece_(piece),
          characters_(piece, code.encoding),
          count_(characters_.Count()),
          reachedA_(count_ + 1),
          reachedB_(count_ + 1),
          runs_(count_ + 1) {}

    // Whether the whole piece matches the template whose elements are [first, end).
    bool Matches(std::size_t first, std::size_t end) {
        unsigned char* reached = reachedA_.Data();
        unsigned char* next = reachedB_.Data();
        std::fill(reached, reached + count_ + 1, 0);
        reached[0] = 1;
        for (std::size_t e = first; e < end; ++e) {
            std::fill(next, next + count_ + 1, 0);
            if (!Step(code_.elements[e], reached, next)) {
                return false;
            }
            std::swap(reached, next);
        }
        return reached[count_] != 0;
    }

  private:
    // Marks in next where the element can end, starting where reached says; false for nowhere.
    bool Step(const PatternElement& element, const unsigned char* reached, unsigned char* next) {
        bool any = false;
        const std::size_t count = count_;
        if (element.what == PatternClass::Literal) {
            const char* literal = code_.literals.data() + element.literalStart;
            for (std::size_t i = 0; i <= count && element.count <= count - i; ++i) {
                const std::size_t start = characters_.Start(i);
                if (reached[i] != 0 &&
                    characters_.Start(i + element.count) - start == element.literalLength &&
                    std::memcmp(piece_.data() + start, literal, element.literalLength) == 0) {
                    next[i + element.count] = 1;
                    any = true;
                }
            }
        } else if (element.count == 0) {
            for (std::size_t i = 0; i <= count; ++i) {
                const bool carried =
                    i > 0 && next[i - 1] != 0 && characters_.InClass(i - 1, element.what);
                next[i] = (reached[i] != 0 || carried) ? 1 : 0;
                any = any || next[i] != 0;
            }
        } else {
            // runs_[i]: how many characters of the class follow from i on.
            runs_[count] = 0;
            for (std::size_t i = count; i-- > 0;) {
                runs_[i] = characters_.InClass(i, element.what) ? runs_[i + 1] + 1 : 0;
            }
            for (std::size_t i = 0; i < count && element.count <= count - i; ++i) {
                if (reached[i] != 0 && runs_[i] >= element.count) {
                    next[i + element.count] = 1;
                    any = true;
                }
            }
        }
        return any;
    }

    const PatternCode& code_;
    std::string_view piece_;
    PieceCharacters characters_;
    std::size_t count_;
    ScratchArray<unsigned char> reachedA_;
    ScratchArray<unsigned char> reachedB_;
    ScratchArray<std::size_t> runs_;
};

}  // namespace

int PatternCode::Oconv(std::string_view piece, std::string& out) const {
    if (piece.empty()) {
        return kStatusConverted;  // "", as every code gives for an empty value
    }
    TemplateMatcher matcher(*this, piece);
    bool matched = false;
    std::size_t first = 0;
    for (const std::size_t end : templateEnds) {
        if (matcher.Matches(first, end)) {
            matched = true;
            break;
        }
        first = end;
    }
    if (matched != matchGivesEmpty) {
        out.append(piece);
    }
    return kStatusConverted;
}
