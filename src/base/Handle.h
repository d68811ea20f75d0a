#pragma once
// A window or icon handle as the 32-bit desktop passes it: a plain number, zero for none.
// Platform-free code only stores and compares handles; the win32 layer converts them.

#include <cstdint>

using THandleValue = std::uint32_t;
