#include "trayicon/DeferredShell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The shell's side: each call as "add 7" (the operation and the record's icon), answered yes
// unless the test says otherwise.
struct RecordingShell {
    std::vector<std::string> calls;
    bool answer = true;
    TDeferredShell::Shell Bind() {
        return [this](TNotifyIconOperation operation, const TNotifyIconData& data) {
            static const char* const kNames[] = {"add ", "modify ", "delete "};
            calls.push_back(kNames[operation] + std::to_string(data.hIcon));
            return answer;
        };
    }
};

TNotifyIconData Icon(std::uint32_t icon) {
    TNotifyIconData data{};
    data.cbSize = kNotifyIconDataSize;
    data.hIcon = icon;
    return data;
}

TEST(DeferredShell, HoldsOneAddOfTheIconAsItStandsWhenReleased) {
    RecordingShell shell;
    TDeferredShell deferred(shell.Bind());
    EXPECT_TRUE(deferred.Call(nimAdd, Icon(1)));
    EXPECT_TRUE(deferred.Call(nimModify, Icon(2)));
    EXPECT_FALSE(deferred.Call(nimAdd, Icon(3)));  // a second add is refused, as the shell does
    EXPECT_TRUE(shell.calls.empty()) << "the shell was asked before the window was up";

    EXPECT_TRUE(deferred.Release());
    EXPECT_EQ(shell.calls, std::vector<std::string>{"add 2"});
    deferred.Call(nimModify, Icon(4));
    deferred.Call(nimDelete, Icon(4));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"add 2", "modify 4", "delete 4"}));
}

TEST(DeferredShell, ADeleteWhileHeldTakesTheAddBack) {
    RecordingShell shell;
    TDeferredShell deferred(shell.Bind());
    EXPECT_FALSE(deferred.Call(nimDelete, Icon(1)));  // nothing shown: nothing to remove
    EXPECT_FALSE(deferred.Call(nimModify, Icon(1)));
    deferred.Call(nimAdd, Icon(1));
    EXPECT_TRUE(deferred.Call(nimDelete, Icon(1)));
    EXPECT_TRUE(deferred.Release());
    EXPECT_TRUE(shell.calls.empty());
}

TEST(DeferredShell, AReleasedAddTheShellRefusesIsReported) {
    RecordingShell shell;
    shell.answer = false;
    TDeferredShell deferred(shell.Bind());
    deferred.Call(nimAdd, Icon(1));
    EXPECT_FALSE(deferred.Release());
    EXPECT_TRUE(deferred.Released());
}

}  // namespace
