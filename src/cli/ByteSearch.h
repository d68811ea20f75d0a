#pragma once
// The searches the record reader is made of: the next byte that is one of two, or one given
// byte. On x86-64 (SSE2) sixteen bytes are compared at a time; elsewhere eight, in a 64-bit
// word. Both ways give the same answer; the portable one stays callable everywhere, so that the
// tests hold them against each other.

#include <cstddef>
#include <string_view>

// The first offset from pos whose byte is a or b, or data.size().
std::size_t FindEither(std::string_view data, std::size_t pos, char a, char b);
std::size_t FindEitherPortable(std::string_view data, std::size_t pos, char a, char b);
// Whether FindEither compares sixteen bytes at a time in this build.
bool WideSearchBuilt();

// The first offset from pos whose byte is c, or data.size().
std::size_t FindByte(std::string_view data, std::size_t pos, char c);
