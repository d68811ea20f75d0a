#pragma once
// Key codes as the toolkit's key events give them (the desktop's virtual-key numbering).

#include <cstdint>

using TKey = std::uint16_t;

inline constexpr TKey kVkBack = 0x08;
inline constexpr TKey kVkTab = 0x09;
inline constexpr TKey kVkReturn = 0x0D;
inline constexpr TKey kVkShift = 0x10;
inline constexpr TKey kVkControl = 0x11;
inline constexpr TKey kVkMenu = 0x12;
inline constexpr TKey kVkSpace = 0x20;
inline constexpr TKey kVkEnd = 0x23;
inline constexpr TKey kVkHome = 0x24;
inline constexpr TKey kVkLeft = 0x25;
inline constexpr TKey kVkUp = 0x26;
inline constexpr TKey kVkRight = 0x27;
inline constexpr TKey kVkDown = 0x28;
inline constexpr TKey kVkDelete = 0x2E;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' are 0x41..0x5A, as their characters.
inline constexpr TKey kVk0 = 0x30;
inline constexpr TKey kVk9 = 0x39;
inline constexpr TKey kVkA = 0x41;
inline constexpr TKey kVkZ = 0x5A;

// A key going down, as its field's key-down rule sees it: the key and the character it types
// (0 when it types none). The rule refuses the key by setting key to 0 (it then neither types nor
// edits), or changes the character it types by setting typedChar.
struct KeyDownArgs {
    TKey key;
    char typedChar = 0;
};

// What a key rule decides about a key: refuse it (it has no effect at all), let it act, or let it
// act with the character it types replaced by `replacement`.
enum class KeyVerdictKind { kvRefuse, kvPass, kvReplace };
struct KeyVerdict {
    KeyVerdictKind kind = KeyVerdictKind::kvRefuse;
    char replacement = 0;  // for kvReplace only

    bool operator==(const KeyVerdict&) const = default;
};

// A verdict applied to a key going down, and to a typed character (a key-press event, where the
// character 0 means refused).
void ApplyKeyVerdict(const KeyVerdict& verdict, KeyDownArgs& key);
void ApplyKeyVerdict(const KeyVerdict& verdict, char& typed);
