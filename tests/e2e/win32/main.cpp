// The end-to-end driver: each TEST starts the real program and works it through real input.
// scripts/e2e.sh runs every scenario in its own Wine prefix on a private virtual display.
#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv) {
    // Screen coordinates must be the real pixels at every screen density.
    SetProcessDPIAware();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
