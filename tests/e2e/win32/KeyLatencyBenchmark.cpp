// Not a test but a measure, run only by scripts/bench-keys.sh: the time from a key press to the
// last text its handler writes, over a thousand keys in each panel, as the median. Each key
// changes what that last field shows (a digit added, then taken away again), so the measure ends
// when the program has done all the key's work.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "win32/Input.h"
#include "win32/ProgramTest.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

constexpr int kKeys = 1000;

double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

struct PanelKeys {
    const char* panel;
    const char* field;     // typed into
    const char* start;     // its text before the keys
    const char* last;      // the field the key's handler writes last
    const char* withFive;  // what that field shows with a 5 added to `start`
    const char* without;   // and with `start` alone
};

class Benchmark : public ProgramTest, public ::testing::WithParamInterface<PanelKeys> {};

TEST_P(Benchmark, KeyToLastTextWritten) {
    const PanelKeys& p = GetParam();
    ASSERT_NO_FATAL_FAILURE(Replace(p.field, p.start));
    ASSERT_TRUE(Shows(p.last, p.without));
    const HWND last = Control(p.last);
    std::vector<double> micros;
    micros.reserve(kKeys);
    for (int i = 0; i < kKeys; ++i) {
        const bool add = i % 2 == 0;
        const std::string expected = add ? p.withFive : p.without;
        const double start = Now();
        PressKey(add ? WORD{'5'} : WORD{VK_BACK});
        const double deadline = start + 2e6;
        while (TextOf(last) != expected && Now() < deadline) {
        }
        ASSERT_EQ(TextOf(last), expected) << "key " << i;
        micros.push_back(Now() - start);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("key latency %-10s median %7.0f us   90%% %7.0f us   (%d keys)\n", p.panel,
                micros[micros.size() / 2], micros[micros.size() * 9 / 10], kKeys);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, Benchmark,
    ::testing::Values(PanelKeys{"calendar", "PickDate", "2000", "SysDate", "44842", "26837"},
                      PanelKeys{"time", "PTime", "100", "Sec", "45", "40"},
                      PanelKeys{"character", "editDec", "6", "editBinary", "100 0001", "110"}),
    [](const auto& panelInfo) { return std::string(panelInfo.param.panel); });

}  // namespace
}  // namespace e2e
