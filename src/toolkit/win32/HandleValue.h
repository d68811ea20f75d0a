#pragma once
// Converting between the desktop's handles and the 32-bit numbers the platform-free code keeps.

#include <windows.h>

#include <cstdint>

#include "base/Handle.h"

static_assert(sizeof(HANDLE) == sizeof(THandleValue), "the program is a 32-bit Windows program");

template <class H>
THandleValue ToHandleValue(H handle) {
    return static_cast<THandleValue>(reinterpret_cast<std::uintptr_t>(handle));
}

template <class H>
H FromHandleValue(THandleValue value) {
    return reinterpret_cast<H>(static_cast<std::uintptr_t>(value));
}
