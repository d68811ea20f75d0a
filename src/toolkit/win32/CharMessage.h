#pragma once
// The character of a WM_CHAR message as the program's texts hold it: bytes of the user's ANSI code
// page. A window whose procedure is Unicode (a peek at the queue in its Unicode form too) gets the
// character as a UTF-16 unit, an ANSI window as its byte; the program's key rules always see the
// byte.

#include <windows.h>

#include <string>

// The character's bytes in the ANSI code page: one byte, two for a double-byte character, or a
// question mark for a character the code page cannot hold.
std::string CharMessageBytes(WPARAM wParam, bool unicodeWindow);
// The WM_CHAR parameter that types the byte `c` into such a window.
WPARAM CharMessageOf(char c, bool unicodeWindow);
