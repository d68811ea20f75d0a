// A window's bindings are checked when its layout is loaded: a control without a member, a member
// without a control, a kind that differs, and an event bound to a handler that is missing or of
// another event's shape are errors then, never a silent no-op.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "base/Exception.h"
#include "toolkit/ControlSlots.h"
#include "toolkit/HandlerTable.h"

namespace {

constexpr std::array kRows{
    ControlDesc{"Panel1", ControlKind::Panel},
    ControlDesc{"Edit1", ControlKind::Edit, "Panel1"},
    ControlDesc{"TrayIcon1", ControlKind::Component},
};
const FormDesc kForm{"Form", "", {}, {}, 16, "", kRows};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}

TEST(ControlSlots, EveryControlHasOneMemberOfItsKind) {
    const TSlotSpec matching[] = {{"Edit1", ControlKind::Edit}, {"Panel1", ControlKind::Panel}};
    EXPECT_EQ(ErrorOf([&] { CheckControlSlots(kForm, matching); }), "no error");

    const TSlotSpec missing[] = {{"Panel1", ControlKind::Panel}};
    EXPECT_EQ(ErrorOf([&] { CheckControlSlots(kForm, missing); }),
              "The window holds no member for Edit1");

    const TSlotSpec stray[] = {
        {"Panel1", ControlKind::Panel}, {"Edit1", ControlKind::Edit}, {"Edit2", ControlKind::Edit}};
    EXPECT_EQ(ErrorOf([&] { CheckControlSlots(kForm, stray); }), "The layout has no control Edit2");

    const TSlotSpec twice[] = {
        {"Panel1", ControlKind::Panel}, {"Edit1", ControlKind::Edit}, {"Edit1", ControlKind::Edit}};
    EXPECT_EQ(ErrorOf([&] { CheckControlSlots(kForm, twice); }), "The window holds Edit1 twice");

    const TSlotSpec wrongKind[] = {{"Panel1", ControlKind::Panel}, {"Edit1", ControlKind::Label}};
    EXPECT_EQ(ErrorOf([&] { CheckControlSlots(kForm, wrongKind); }),
              "The layout makes Edit1 a edit, but its member holds a label");
}

TEST(ControlSlots, IdentifiersFollowTheRowsFromTheFirstId) {
    EXPECT_EQ(ControlIdOf(kForm, "Panel1"), kFirstControlId);
    EXPECT_EQ(ControlIdOf(kForm, "Edit1"), kFirstControlId + 1);
    EXPECT_EQ(ControlIdOf(kForm, "Nothing"), 0);
}

using Click = std::function<void(int)>;
using Key = std::function<void(int, char&)>;

TEST(HandlerTable, FindsAHandlerByNameAndShape) {
    THandlerTable<Click, Key> table;
    int clicked = 0;
    table.Register("ButtonClick", Click([&](int sender) { clicked = sender; }));
    table.Register("EditKeyPress", Key([](int, char& key) { key = 'x'; }));

    table.Find<Click>("ButtonClick")(7);
    EXPECT_EQ(clicked, 7);
    char key = 'a';
    table.Find<Key>("EditKeyPress")(0, key);
    EXPECT_EQ(key, 'x');
}

TEST(HandlerTable, AMissingOrUnfitHandlerIsAnErrorNamingIt) {
    THandlerTable<Click, Key> table;
    table.Register("ButtonClick", Click([](int) {}));
    EXPECT_EQ(ErrorOf([&] { table.Find<Click>("OtherClick"); }),
              "The layout binds the missing handler OtherClick");
    EXPECT_EQ(ErrorOf([&] { table.Find<Key>("ButtonClick"); }),
              "The handler ButtonClick does not fit its event");
}

}  // namespace
