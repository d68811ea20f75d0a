#include "toolkit/win32/CharMessage.h"

std::string CharMessageBytes(WPARAM wParam, bool unicodeWindow) {
    if (!unicodeWindow) {
        return std::string(1, static_cast<char>(static_cast<unsigned char>(wParam & 0xFF)));
    }
    const auto unit = static_cast<wchar_t>(wParam & 0xFFFF);
    char bytes[2] = {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, &unit, 1, bytes, sizeof bytes, nullptr, nullptr);
    return length > 0 ? std::string(bytes, static_cast<size_t>(length)) : std::string("?");
}

WPARAM CharMessageOf(char c, bool unicodeWindow) {
    if (!unicodeWindow) {
        return static_cast<WPARAM>(static_cast<unsigned char>(c));
    }
    wchar_t unit = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &c, 1, &unit, 1) != 1) {
        return static_cast<WPARAM>(static_cast<unsigned char>(c));
    }
    return static_cast<WPARAM>(unit);
}
