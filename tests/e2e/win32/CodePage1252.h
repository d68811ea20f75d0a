#pragma once
// Characters that type differently in UTF-16 and in the program's code page: those of the Western
// code page 1252 above U+00FF, at codes 80 to 9F, with the character panel's forms of each.

namespace e2e {

// The characters of the Western code page 1252 above U+00FF, at codes 80 to 9F.
struct CodePageCharacter {
    wchar_t character;
    const char* ascii;
    const char* dec;
    const char* hex;
    const char* binary;
};
inline constexpr CodePageCharacter kCp1252High[] = {
    {L'\u2026', "\x85", "133", "85", " 1000 0101"},  // horizontal ellipsis
    {L'\u20AC', "\x80", "128", "80", " 1000 0000"},  // euro sign
    {L'\u0160', "\x8A", "138", "8a", " 1000 1010"},  // S with caron
    {L'\u0152', "\x8C", "140", "8c", " 1000 1100"},  // OE ligature
    {L'\u0178', "\x9F", "159", "9f", " 1001 1111"},  // Y with diaeresis
    {L'\u2122', "\x99", "153", "99", " 1001 1001"},  // trade mark sign
};

}  // namespace e2e
