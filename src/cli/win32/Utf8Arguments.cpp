#include "cli/win32/Utf8Arguments.h"

#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <memory>

namespace {

std::string Utf8Of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return "";
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating NUL
    return utf8;
}

struct LocalFreeDeleter {
    void operator()(LPWSTR* p) const { LocalFree(p); }
};

}  // namespace

std::vector<std::string> Utf8Arguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> wide(
        CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    if (wide == nullptr) {
        return arguments;
    }
    for (int i = 0; i < count; ++i) {
        arguments.push_back(Utf8Of(wide.get()[i]));
    }
    return arguments;
}
