// Times a windowed program from process start until its finished window is up: a visible
// top-level window of the process exists and the process has gone idle (WaitForInputIdle), its
// start-up work and first paints done. Prints the milliseconds, or a reason on failure.
//   startup_timer.exe PROGRAM.exe
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD pid;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window)) {
        RECT r{};
        GetWindowRect(window, &r);
        if (r.right - r.left > 0 && r.bottom - r.top > 0) {
            search->found = true;
            return FALSE;
        }
    }
    return TRUE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_timer PROGRAM.exe\n");
        return 64;
    }
    std::string command = std::string("\"") + argv[1] + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    if (WaitForInputIdle(pi.hProcess, 20000) != 0) {
        std::fprintf(stderr, "%s never went idle\n", argv[1]);
        TerminateProcess(pi.hProcess, 1);
        return 1;
    }
    Search search{pi.dwProcessId, false};
    for (int i = 0; i < 20000 && !search.found; ++i) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(1);
    }
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    // Idle again once the window is known to be up, so its first paints are counted too.
    WaitForInputIdle(pi.hProcess, 20000);
    QueryPerformanceCounter(&end);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!search.found) {
        std::fprintf(stderr, "%s showed no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", Milliseconds(start, end));
    return 0;
}
