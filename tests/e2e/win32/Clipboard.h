#pragma once
// The desktop's clipboard, filled by the driver so the program can paste from it.
#include <string>

namespace e2e {

// Puts `text` on the clipboard as CF_TEXT, replacing whatever was there; false on failure.
bool PutTextOnClipboard(const std::string& text);

}  // namespace e2e
