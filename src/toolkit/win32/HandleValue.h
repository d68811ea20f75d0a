#pragma once
// Converting between the desktop's window and icon handles and the 32-bit numbers the
// platform-free code keeps. Window and icon handles have 32 significant bits on 32-bit and 64-bit
// Windows alike (that is how the two kinds of program share them); a 64-bit build widens the
// number back with its sign, as the platform's own LongToHandle does.

#include <windows.h>

#include <concepts>
#include <cstdint>

#include "base/Handle.h"

// Only these kinds of handle keep to 32 bits; kernel object handles and pointers need not.
template <class H>
concept ThirtyTwoBitHandle = std::same_as<H, HWND> || std::same_as<H, HICON>;

template <ThirtyTwoBitHandle H>
THandleValue ToHandleValue(H handle) {
    return static_cast<THandleValue>(reinterpret_cast<std::uintptr_t>(handle));
}

template <ThirtyTwoBitHandle H>
H FromHandleValue(THandleValue value) {
    const auto extended = static_cast<std::intptr_t>(static_cast<std::int32_t>(value));
    return reinterpret_cast<H>(extended);
}
