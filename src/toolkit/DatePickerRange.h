#pragma once
// The days the date picker can show, decided here rather than by the control, so every desktop
// agrees: the control on some desktops silently keeps its old value for a day outside its range.

#include <cstdint>

// 14 September 1752, the first day of the Gregorian calendar in the English-speaking world.
inline constexpr std::int64_t kFirstPickerDay = -53797;
// 30 December 9999: the picker always carries a time of day, and some desktops' controls end at
// the first moment of 31 December 9999, so that last day cannot be shown with any time but
// midnight.
inline constexpr std::int64_t kLastPickerDay = 2958464;

inline constexpr bool PickerCanShowDay(std::int64_t pcDaySerial) {
    return pcDaySerial >= kFirstPickerDay && pcDaySerial <= kLastPickerDay;
}
