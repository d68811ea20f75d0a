// While nothing happens, the program does nothing: over ten seconds of idle it uses no more CPU
// time than a program with one window and one message loop, under the same desktop.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "win32/ProgramTest.h"
#include "win32/Wait.h"

namespace e2e {
namespace {

constexpr DWORD kIdleMilliseconds = 10000;
// The desktop counts CPU time in ticks of its clock; one tick either way is no difference.
constexpr double kTickMilliseconds = 16.0;

double CpuMilliseconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

// CPU time the process spends over the idle span, once it has settled.
double IdleCpu(HANDLE process) {
    WaitForInputIdle(process, 10000);
    Sleep(1000);
    const double before = CpuMilliseconds(process);
    Sleep(kIdleMilliseconds);
    return CpuMilliseconds(process) - before;
}

using Idle = ProgramTest;

TEST_F(Idle, UsesNoMoreCpuThanAnEmptyWindow) {
    const double program = IdleCpu(this->program().Process());

    const char* minimal = std::getenv("QC_E2E_MINIMAL");
    ASSERT_NE(minimal, nullptr) << "QC_E2E_MINIMAL does not name the minimal window program";
    std::string command = std::string("\"") + minimal + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
    const double anchor = IdleCpu(pi.hProcess);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);

    std::printf("idle CPU over %lu ms: program %.1f ms, minimal window %.1f ms\n",
                kIdleMilliseconds, program, anchor);
    EXPECT_GE(program, 0.0);
    EXPECT_LE(program, anchor + kTickMilliseconds)
        << "the program worked while idle: " << program << " ms against " << anchor << " ms";
}

}  // namespace
}  // namespace e2e
