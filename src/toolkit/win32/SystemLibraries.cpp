#include "toolkit/win32/SystemLibraries.h"

#include <string>

#include "base/Exception.h"

namespace {

// Loaded for the rest of the program, which keeps calling into it: never freed.
HMODULE Library(const char* name) {
    HMODULE module = LoadLibraryA(name);
    if (!module)
        throw Exception(std::string("Cannot load ") + name);
    return module;
}

template <class Function>
void Bind(HMODULE module, const char* name, Function& function) {
    const FARPROC found = GetProcAddress(module, name);
    if (!found)
        throw Exception(std::string("The system has no ") + name);
    // Through the generic function type, as the desktop hands out every function.
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

TCommonControls LoadCommonControls() {
    const HMODULE module = Library("comctl32.dll");
    TCommonControls functions{};
    Bind(module, "InitCommonControlsEx", functions.InitCommonControlsEx);
    return functions;
}

}  // namespace

const TCommonControls& CommonControls() {
    static const TCommonControls functions = LoadCommonControls();
    return functions;
}

TShellNotifyIcon ShellNotifyIconFunction() {
    static const TShellNotifyIcon function = [] {
        TShellNotifyIcon bound = nullptr;
        Bind(Library("shell32.dll"), "Shell_NotifyIconA", bound);
        return bound;
    }();
    return function;
}
