#pragma once
// G[m]dn: the value split at the delimiter d, m fields skipped and the next n kept, joined by d.
// Both dialects; it sees every byte of a piece, never fails, and converts the same way in both
// directions.

#include <cstddef>
#include <string>
#include <string_view>

#include "codes/CodeReader.h"

struct GroupCode {
    std::size_t skip = 0;
    std::size_t take = 1;
    CodeCharacter delimiter;  // used as written

    // A whole piece, spaces included.
    int Oconv(std::string_view piece, std::string& out) const;
    int Iconv(std::string_view piece, std::string& out) const { return Oconv(piece, out); }
};

// Parses what follows G.
bool ParseGroupCode(CodeReader& reader, GroupCode& code, CodeError& error);
