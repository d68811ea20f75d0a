#pragma once
// The mask of a masked decimal code: runs of positions (# spaces or the & character, * stars,
// % zeros) and literal characters, which a formatted number is justified into.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "codes/CodeReader.h"
#include "codes/ConversionCode.h"

// One character of the mask, or a run of positions that shows fill where no character lands.
struct MaskPart {
    CodeCharacter character;  // the literal, or the run's fill
    unsigned char width = 0;  // 0 for a literal, else 1..99 positions
};

class DecimalMask {
  public:
    static constexpr unsigned kWidestRun = 99;

    bool Empty() const { return parts_.empty(); }
    std::size_t Positions() const { return positions_; }

    // Writes the formatted text justified into the mask. A text wider than the mask is cut to
    // it in universe (true is returned), and kept whole around it in pick.
    bool Apply(std::string_view formatted, bool right, Dialect dialect, Encoding encoding,
               std::string& out) const;

    // Whether ICONV input drops the character: a literal, or a fill other than 0.
    bool Drops(std::string_view character) const;

    // Appends a part while the mask is parsed.
    void Add(MaskPart part);

  private:
    std::vector<MaskPart> parts_;
    std::size_t positions_ = 0;
    // What ICONV drops: one-byte characters by value, longer ones listed.
    std::array<bool, 256> dropsByte_{};
    std::vector<CodeCharacter> dropsLonger_;
};

// Parses the mask at the reader's cursor (#, * or %, or in pick also & or () up to the end of the
// code.
bool ParseDecimalMask(CodeReader& reader, Dialect dialect, DecimalMask& mask, CodeError& error);
