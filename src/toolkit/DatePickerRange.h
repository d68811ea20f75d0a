#pragma once
// The days the date picker can show, decided here rather than by the control, so every desktop
// agrees: the control on some desktops silently keeps its old value for a day outside its range.

#include <cstdint>

// 14 September 1752, the first day of the Gregorian calendar in the English-speaking world.
inline constexpr std::int64_t kFirstPickerDay = -53797;
// 31 December 9999.
inline constexpr std::int64_t kLastPickerDay = 2958465;

inline constexpr bool PickerCanShowDay(std::int64_t pcDaySerial) {
    return pcDaySerial >= kFirstPickerDay && pcDaySerial <= kLastPickerDay;
}
