#include "toolkit/Component.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

using Log = std::vector<std::string>;

class Probe : public TComponent {
  public:
    Probe(TComponent* owner, std::string name, Log& log)
        : TComponent(owner), log_(log), tag_(name) {
        SetName(std::move(name));
    }
    ~Probe() override { log_.push_back("free " + tag_); }
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (component != this) {
            // A new component is announced before anyone could name it.
            log_.push_back(operation == opInsert ? tag_ + " hears an insertion"
                                                 : tag_ + " hears removal of " + component->Name());
        }
    }

  private:
    Log& log_;
    std::string tag_;
};

TEST(ComponentTest, OwnerFreesComponentsLastInsertedFirst) {
    Log log;
    {
        TComponent owner(nullptr);
        new Probe(&owner, "a", log);
        new Probe(&owner, "b", log);
        new Probe(&owner, "c", log);
        EXPECT_EQ(owner.ComponentCount(), 3u);
        log.clear();
    }
    // The ones still alive hear of each removal, so none keeps a reference to a freed one.
    EXPECT_THAT(log, ElementsAre("b hears removal of c", "a hears removal of c", "free c",
                                 "a hears removal of b", "free b", "free a"));
}

TEST(ComponentTest, SiblingsHearInsertionAndRemoval) {
    Log log;
    TComponent owner(nullptr);
    auto* a = new Probe(&owner, "a", log);
    new Probe(&owner, "b", log);
    EXPECT_THAT(log, ElementsAre("a hears an insertion"));
    log.clear();
    delete a;
    EXPECT_THAT(log, ElementsAre("free a", "b hears removal of a"));
    EXPECT_EQ(owner.ComponentCount(), 1u);
    EXPECT_EQ(owner.FindComponent("a"), nullptr);
    EXPECT_EQ(owner.FindComponent("b"), owner.Component(0));
}

TEST(ComponentTest, DesignModeIsInheritedFromOwner) {
    Log log;
    TComponent owner(nullptr);
    auto* before = new Probe(&owner, "before", log);
    owner.SetDesigning(true);
    auto* after = new Probe(&owner, "after", log);
    EXPECT_TRUE(before->IsDesigning());
    EXPECT_TRUE(after->IsDesigning());
    owner.SetDesigning(false);
    EXPECT_FALSE(after->IsDesigning());
}

TEST(ComponentTest, LoadedEndsLoading) {
    TComponent component(nullptr);
    EXPECT_FALSE(component.IsLoading());
    component.BeginLoading();
    EXPECT_TRUE(component.IsLoading());
    component.Loaded();
    EXPECT_FALSE(component.IsLoading());
}

}  // namespace
