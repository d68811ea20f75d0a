#include "win32/Program.h"

#include <cstdlib>

#include "ui/Form1Layout.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {

namespace {

// The class of the main window: "T" and the layout's form name, as the program registers it.
std::string MainWindowClass() {
    return "T" + std::string(Form1Layout().name);
}

}  // namespace

Program::Program(WORD showWindow) {
    const char* exe = std::getenv("QC_E2E_EXE");
    if (exe == nullptr || *exe == '\0') {
        failure_ = "QC_E2E_EXE does not name the program file";
        return;
    }
    if (GetFileAttributesA(exe) == INVALID_FILE_ATTRIBUTES) {
        failure_ = std::string("the program file ") + exe + " does not exist";
        return;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindow;
    std::string commandLine = std::string("\"") + exe + "\"";
    if (!CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        failure_ = std::string("cannot start ") + exe + ", error " + std::to_string(GetLastError());
        info_ = {};
    }
}

Program::~Program() {
    if (info_.hProcess != nullptr) {
        if (Running()) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool Program::Running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForWindows() {
    if (!Started()) {
        return false;
    }
    return WaitUntil(
        [&] {
            const auto mains = TopLevelWindowsOf(Pid(), MainWindowClass().c_str());
            const auto applications = TopLevelWindowsOf(Pid(), "TApplication");
            main_ = mains.empty() ? nullptr : mains.front();
            application_ = applications.empty() ? nullptr : applications.front();
            return main_ != nullptr && application_ != nullptr;
        },
        kLongWait);
}

bool Program::WaitUntilShown() {
    return WaitForWindows() && WaitUntil([&] { return IsWindowVisible(main_) != FALSE; });
}

HWND Program::Control(std::string_view name) const {
    const int id = ControlIdOf(Form1Layout(), name);
    return main_ == nullptr || id == 0 ? nullptr : FindDescendant(main_, id);
}

}  // namespace e2e
