#pragma once
// The shell's notify-icon record in its 488-byte ANSI form, as the 32-bit desktop lays it out.
// Handles are held as 32-bit numbers so the record has the desktop's exact layout on every
// build, including the 64-bit test bench; the win32 layer copies it field by field into the
// platform's own record.

#include <cstddef>
#include <cstdint>

struct TNotifyIconData {
    std::uint32_t cbSize;
    std::uint32_t hWnd;
    std::uint32_t uID;
    std::uint32_t uFlags;
    std::uint32_t uCallbackMessage;
    std::uint32_t hIcon;
    char szTip[128];
    std::uint32_t dwState;
    std::uint32_t dwStateMask;
    char szInfo[256];
    std::uint32_t uTimeoutOrVersion;
    char szInfoTitle[64];
    std::uint32_t dwInfoFlags;
};

inline constexpr std::uint32_t kNotifyIconDataSize = 488;
static_assert(sizeof(TNotifyIconData) == kNotifyIconDataSize);
static_assert(offsetof(TNotifyIconData, szTip) == 24);
static_assert(offsetof(TNotifyIconData, szInfo) == 160);
static_assert(offsetof(TNotifyIconData, dwInfoFlags) == 484);

inline constexpr std::uint32_t kNifMessage = 1;
inline constexpr std::uint32_t kNifIcon = 2;
inline constexpr std::uint32_t kNifTip = 4;

enum TNotifyIconOperation : std::uint32_t { nimAdd = 0, nimModify = 1, nimDelete = 2 };
