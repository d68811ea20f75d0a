#include "toolkit/WindowHook.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

struct Listener {
    std::vector<std::string>* log;
    std::string name;
    bool handles = false;
    bool Hook(TMessage& message) {
        log->push_back(name + " " + std::to_string(message.Msg));
        return handles;
    }
    bool Other(TMessage&) { return false; }
};

TEST(WindowHookTest, HooksAreEqualOnlyForSameMethodOfSameObject) {
    std::vector<std::string> log;
    Listener a{&log, "a"};
    Listener b{&log, "b"};
    EXPECT_EQ(TWindowHook::Bind<&Listener::Hook>(&a), TWindowHook::Bind<&Listener::Hook>(&a));
    EXPECT_NE(TWindowHook::Bind<&Listener::Hook>(&a), TWindowHook::Bind<&Listener::Hook>(&b));
    EXPECT_NE(TWindowHook::Bind<&Listener::Hook>(&a), TWindowHook::Bind<&Listener::Other>(&a));
    EXPECT_FALSE(TWindowHook().Assigned());
}

TEST(WindowHookTest, ListOffersInOrderAndStopsAtHandler) {
    std::vector<std::string> log;
    Listener a{&log, "a"};
    Listener b{&log, "b", true};
    Listener c{&log, "c"};
    TWindowHookList list;
    list.Add(TWindowHook::Bind<&Listener::Hook>(&a));
    list.Add(TWindowHook::Bind<&Listener::Hook>(&b));
    list.Add(TWindowHook::Bind<&Listener::Hook>(&c));
    TMessage message{7, 0, 0, 0};
    EXPECT_TRUE(list.Offer(message));
    EXPECT_THAT(log, ElementsAre("a 7", "b 7"));
}

TEST(WindowHookTest, RemoveTakesOutFirstEqualEntryOnly) {
    std::vector<std::string> log;
    Listener a{&log, "a"};
    Listener b{&log, "b"};
    TWindowHookList list;
    list.Add(TWindowHook::Bind<&Listener::Hook>(&a));
    list.Add(TWindowHook::Bind<&Listener::Hook>(&b));
    list.Add(TWindowHook::Bind<&Listener::Hook>(&a));
    list.Remove(TWindowHook::Bind<&Listener::Hook>(&a));
    list.Remove(TWindowHook::Bind<&Listener::Other>(&b));  // not in the list: nothing
    TMessage message{1, 0, 0, 0};
    list.Offer(message);
    EXPECT_THAT(log, ElementsAre("b 1", "a 1"));
}

}  // namespace
