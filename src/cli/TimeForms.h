#pragma once
// A time of day as `quorlin time` reads and shows it: seconds past midnight and H:MM:SS. From
// 86400 on the hours keep counting (elapsed time), as the window's time panel shows them.

#include <cstdint>
#include <string>
#include <string_view>

// Seconds ("62864", optionally signed) or "H:MM" / "H:MM:SS" (minutes and seconds 0 to 59), within
// the 32-bit range. Raises EConvertError naming the text.
std::int32_t ReadTime(std::string_view text);

// "17:27:44"; "25:01:01" past a day; "-1:01:40" before midnight.
std::string TimeText(std::int32_t seconds);
