#include "trayicon/TrayIcon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "FakeTrayServices.h"
#include "base/Exception.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kShowHide = "show 10 0";
const std::string kShowRestore = "show 10 9";
const std::string kForegroundApp = "foreground 10";

class TrayIconTest : public ::testing::Test {
  protected:
    // The form owns every component; the services outlive it.
    TTrayIcon& MakeTray() { return *new TTrayIcon(&form, services); }

    FakeMessageWindow& WindowOf(const TTrayIcon& tray) {
        for (FakeMessageWindow* window : services.windows) {
            if (window->Handle() == tray.GetHandle()) {
                return *window;
            }
        }
        throw std::logic_error("no hidden window");
    }
    FakeTimer& TimerOf(std::size_t instance = 0) { return *services.timers.at(instance); }
    std::intptr_t Notify(TTrayIcon& tray, std::uint32_t mouseMessage) {
        return WindowOf(tray).Send(kTrayNotifyMessage, tray.NotifyIconData().uID,
                                   static_cast<std::intptr_t>(mouseMessage));
    }
    bool Shown(const TTrayIcon& tray) const {
        const TNotifyIconData& data = tray.NotifyIconData();
        return services.shown.count({data.hWnd, data.uID}) != 0;
    }

    FakeTrayServices services;
    TComponent form{nullptr};
};

TEST_F(TrayIconTest, ConstructionPreparesRecordWithoutTouchingShell) {
    TTrayIcon& tray = MakeTray();
    const TNotifyIconData& data = tray.NotifyIconData();
    EXPECT_EQ(data.cbSize, 488u);
    EXPECT_EQ(data.hWnd, tray.GetHandle());
    EXPECT_NE(data.hWnd, 0u);
    EXPECT_EQ(data.uFlags, kNifMessage | kNifIcon);
    EXPECT_EQ(data.uCallbackMessage, 0x401u);
    EXPECT_EQ(data.hIcon, FakeApplication::kIcon);
    EXPECT_EQ(data.szTip[0], '\0');

    EXPECT_FALSE(tray.Visible());
    EXPECT_TRUE(tray.Hide());
    EXPECT_EQ(tray.RestoreOn(), imDoubleClick);
    EXPECT_EQ(tray.PopupMenuOn(), imNone);
    EXPECT_EQ(tray.IconIndex(), 0);
    EXPECT_EQ(tray.GetAnimateInterval(), 1000);
    EXPECT_FALSE(tray.GetAnimate());
    EXPECT_TRUE(tray.OnAnimate);
    EXPECT_FALSE(TimerOf().Enabled());
    EXPECT_EQ(tray.Owner(), &form);
    EXPECT_THAT(services.log, IsEmpty());
}

TEST_F(TrayIconTest, ShowingAddsIconOnceAndHooksApplicationOnce) {
    TTrayIcon& tray = MakeTray();
    tray.SetHide(false);
    tray.SetVisible(true);
    EXPECT_THAT(services.log, ElementsAre("shell add", "hook add"));
    EXPECT_TRUE(Shown(tray));
    EXPECT_TRUE(tray.Hide());
    EXPECT_EQ(services.last.hIcon, FakeApplication::kIcon);

    // The shell refuses a second icon with the same window and number.
    try {
        tray.SetVisible(true);
        FAIL() << "second add accepted";
    } catch (const EOutOfResources& error) {
        EXPECT_EQ(error.Message(), "Cannot Create System Shell Notification Icon");
    }
    EXPECT_TRUE(tray.Visible());
    EXPECT_EQ(services.application.hooks.Count(), 1u);
    EXPECT_TRUE(Shown(tray));
}

TEST_F(TrayIconTest, WithdrawingRemovesIconAndHook) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    tray.SetVisible(false);
    EXPECT_FALSE(Shown(tray));
    EXPECT_FALSE(tray.Hide());
    EXPECT_EQ(services.application.hooks.Count(), 0u);
    // Minimising no longer hides the task-bar entry.
    services.log.clear();
    EXPECT_FALSE(services.application.SysCommand(kScMinimize));
    EXPECT_THAT(services.log, IsEmpty());
}

TEST_F(TrayIconTest, RemovingMissingIconIsRefusedAndVisibleStaysFalse) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    services.refuseAll = true;
    EXPECT_THROW(tray.SetVisible(false), EOutOfResources);
    EXPECT_EQ(services.application.hooks.Count(), 1u);  // the hook stays on a refusal
    services.refuseAll = false;

    TTrayIcon& never = MakeTray();
    try {
        never.SetVisible(false);
        FAIL() << "removal of a missing icon accepted";
    } catch (const EOutOfResources& error) {
        EXPECT_EQ(error.Message(), "Cannot Remove System Shell Notification Icon");
    }
    EXPECT_FALSE(never.Visible());
    EXPECT_TRUE(never.Hide());
}

TEST_F(TrayIconTest, SessionEndRemovesIconWhateverItsWParam) {
    for (std::uintptr_t ending : {0u, 1u}) {
        TTrayIcon& tray = MakeTray();
        const std::size_t hooksBefore = services.application.hooks.Count();
        tray.SetVisible(true);
        services.log.clear();
        EXPECT_EQ(WindowOf(tray).Send(kWmEndSession, ending), 0);
        EXPECT_THAT(services.log, ElementsAre("shell delete")) << ending;
        EXPECT_FALSE(Shown(tray));
        EXPECT_TRUE(tray.Visible());
        EXPECT_TRUE(tray.Hide());
        EXPECT_EQ(services.application.hooks.Count(), hooksBefore + 1);
        EXPECT_THROW(tray.SetVisible(false), EOutOfResources);  // the icon is already gone
    }
}

TEST_F(TrayIconTest, AfterSessionEndShowingAgainAddsSecondHookEntry) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    WindowOf(tray).Send(kWmEndSession, 0);
    tray.SetVisible(true);
    EXPECT_TRUE(Shown(tray));
    EXPECT_EQ(services.application.hooks.Count(), 2u);
}

TEST_F(TrayIconTest, QueryEndSessionIsAnsweredOneAndOtherMessagesZero) {
    TTrayIcon& tray = MakeTray();
    EXPECT_EQ(WindowOf(tray).Send(kWmQueryEndSession), 1);
    EXPECT_EQ(WindowOf(tray).Send(0x000F /* paint */), 0);
    EXPECT_EQ(Notify(tray, 0x020A /* wheel: not a notification the icon knows */), 0);
    EXPECT_THAT(services.log, IsEmpty());
}

TEST_F(TrayIconTest, HintOfSixtyThreeCharactersIsShown) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    services.log.clear();
    const std::string hint(63, 'h');
    tray.SetHint(hint);
    EXPECT_EQ(tray.Hint(), hint);
    EXPECT_THAT(services.log, ElementsAre("shell modify"));
    EXPECT_EQ(std::string(services.last.szTip), hint);
    EXPECT_EQ(services.last.uFlags, kNifMessage | kNifIcon | kNifTip);

    // The same hint again sends nothing.
    services.log.clear();
    tray.SetHint(hint);
    EXPECT_THAT(services.log, IsEmpty());
}

TEST_F(TrayIconTest, HintOfSixtyFourCharactersIsIgnored) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    tray.SetHint("old");
    services.log.clear();
    tray.SetHint(std::string(64, 'h'));
    tray.SetHint(std::string(1000, 'h'));
    EXPECT_EQ(tray.Hint(), "old");
    EXPECT_STREQ(tray.NotifyIconData().szTip, "old");
    EXPECT_THAT(services.log, IsEmpty());
}

TEST_F(TrayIconTest, ClearingHintClearsOnlyTipFlag) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    tray.SetHint("Quorlin");
    services.log.clear();
    tray.SetHint("");
    EXPECT_THAT(services.log, ElementsAre("shell modify"));
    EXPECT_EQ(services.last.uFlags, kNifMessage | kNifIcon);
    EXPECT_EQ(services.last.szTip[0], '\0');
    EXPECT_EQ(services.last.hIcon, FakeApplication::kIcon);
    EXPECT_EQ(services.last.uCallbackMessage, kTrayNotifyMessage);
}

TEST_F(TrayIconTest, HintWhileHiddenGoesOutWithTheNextAdd) {
    TTrayIcon& tray = MakeTray();
    tray.SetHint("tip");
    EXPECT_THAT(services.log, IsEmpty());
    tray.SetVisible(true);
    EXPECT_STREQ(services.last.szTip, "tip");
    EXPECT_EQ(services.last.uFlags, kNifMessage | kNifIcon | kNifTip);
}

TEST_F(TrayIconTest, AnimationStepsThroughImagesFromIconIndexAndWraps) {
    TTrayIcon& tray = MakeTray();
    tray.SetIcons(new FakeImageList(&form, 3));
    tray.SetVisible(true);
    tray.SetIconIndex(1);
    tray.SetAnimate(true);
    EXPECT_TRUE(tray.GetAnimate());
    EXPECT_TRUE(TimerOf().Enabled());
    EXPECT_EQ(TimerOf().Interval(), 1000);

    std::vector<THandleValue> shown;
    for (int tick = 0; tick < 5; ++tick) {
        services.log.clear();
        TimerOf().Tick();
        // Each step refreshes the icon twice: once in SetIconIndex, once after it.
        EXPECT_THAT(services.log, ElementsAre("shell modify", "shell modify"));
        shown.push_back(services.last.hIcon);
    }
    const THandleValue first = FakeImageList::kFirstImage;
    EXPECT_THAT(shown, ElementsAre(first + 2, first, first + 1, first + 2, first));

    tray.SetAnimate(false);
    EXPECT_FALSE(TimerOf().Enabled());
}

TEST_F(TrayIconTest, IndexOutsideListShowsNoPictureAndAnimationRestartsAtZero) {
    TTrayIcon& tray = MakeTray();
    tray.SetIcons(new FakeImageList(&form, 3));
    tray.SetIconIndex(7);
    EXPECT_EQ(tray.NotifyIconData().hIcon, 0u);
    tray.SetIconIndex(-1);
    EXPECT_EQ(tray.NotifyIconData().hIcon, 0u);
    tray.SetAnimate(true);
    TimerOf().Tick();
    EXPECT_EQ(tray.IconIndex(), 0);
    EXPECT_EQ(tray.NotifyIconData().hIcon, FakeImageList::kFirstImage);
}

TEST_F(TrayIconTest, EmptyImageListKeepsIndexAtZero) {
    TTrayIcon& tray = MakeTray();
    tray.SetIcons(new FakeImageList(&form, 0));
    tray.SetAnimate(true);
    TimerOf().Tick();
    TimerOf().Tick();
    EXPECT_EQ(tray.IconIndex(), 0);
    EXPECT_EQ(tray.NotifyIconData().hIcon, 0u);
}

TEST_F(TrayIconTest, AnimateWithoutImagesAtRunTimeIsIgnored) {
    TTrayIcon& tray = MakeTray();
    tray.SetAnimate(true);
    EXPECT_FALSE(tray.GetAnimate());
    EXPECT_FALSE(TimerOf().Enabled());
}

TEST_F(TrayIconTest, AnimateReadFromLayoutStartsTimerWhenLoadedWithImages) {
    TTrayIcon& tray = MakeTray();
    tray.BeginLoading();
    tray.ReadProperty("IconIndex", "2");
    tray.ReadProperty("AnimateInterval", "250");
    tray.ReadProperty("Animate", "true");
    EXPECT_TRUE(tray.GetAnimate());  // kept while loading, although Icons is not set yet
    EXPECT_FALSE(TimerOf().Enabled());
    tray.SetIcons(new FakeImageList(&form, 3));  // references are filled in last
    tray.Loaded();
    EXPECT_FALSE(tray.IsLoading());
    EXPECT_TRUE(TimerOf().Enabled());
    EXPECT_EQ(TimerOf().Interval(), 250);
    EXPECT_EQ(tray.NotifyIconData().hIcon, FakeImageList::kFirstImage + 2);
}

TEST_F(TrayIconTest, LoadedWithoutImagesDropsAnimateAndShowsApplicationIcon) {
    TTrayIcon& tray = MakeTray();
    tray.BeginLoading();
    tray.ReadProperty("Animate", "true");
    tray.Loaded();
    EXPECT_FALSE(tray.GetAnimate());
    EXPECT_FALSE(TimerOf().Enabled());
    EXPECT_EQ(tray.NotifyIconData().hIcon, FakeApplication::kIcon);
}

TEST_F(TrayIconTest, MainWindowLayoutShowsApplicationIconWithoutTip) {
    TTrayIcon& tray = MakeTray();
    tray.BeginLoading();
    tray.ReadProperty("Visible", "True");
    tray.ReadProperty("Hide", "True");
    tray.ReadProperty("RestoreOn", "imDoubleClick");
    tray.ReadProperty("PopupMenuOn", "imNone");
    tray.Loaded();
    EXPECT_THAT(services.log, ElementsAre("shell add", "hook add", "shell modify"));
    EXPECT_TRUE(Shown(tray));
    EXPECT_EQ(services.last.hIcon, FakeApplication::kIcon);
    EXPECT_EQ(services.last.uFlags, kNifMessage | kNifIcon);
}

TEST_F(TrayIconTest, LayoutErrorsAreReported) {
    TTrayIcon& tray = MakeTray();
    tray.BeginLoading();
    EXPECT_THROW(tray.ReadProperty("Visibel", "true"), Exception);
    EXPECT_THROW(tray.ReadProperty("Visible", "yes"), Exception);
    EXPECT_THROW(tray.ReadProperty("RestoreOn", "imTripleClick"), Exception);
    EXPECT_THROW(tray.ReadProperty("IconIndex", "1x"), Exception);
    EXPECT_THROW(tray.ReadProperty("IconIndex", ""), Exception);
    EXPECT_THROW(tray.ReadProperty("AnimateInterval", "99999999999"), Exception);
    EXPECT_FALSE(tray.Visible());
    EXPECT_EQ(tray.IconIndex(), 0);
    EXPECT_EQ(tray.GetAnimateInterval(), 1000);
    tray.ReadProperty("IconIndex", "-3");
    EXPECT_EQ(tray.IconIndex(), -3);
}

// --- Gestures ---------------------------------------------------------------------------------

struct ButtonMessages {
    const char* name;
    std::uint32_t down, up, doubleClick;
};
const ButtonMessages kButtons[] = {
    {"left", kWmLButtonDown, kWmLButtonUp, kWmLButtonDblClk},
    {"right", kWmRButtonDown, kWmRButtonUp, kWmRButtonDblClk},
    {"middle", kWmMButtonDown, kWmMButtonUp, kWmMButtonDblClk},
};

// How often a double click (press, release, double click, release, as the shell reports it)
// with the left, right and middle button triggers each gesture.
struct GestureCase {
    TTrayIconMessage gesture;
    bool withOnClick;
    int left, right, middle;
};

void PrintTo(const GestureCase& c, std::ostream* os) {
    *os << "gesture " << static_cast<int>(c.gesture) << (c.withOnClick ? " with OnClick" : "")
        << ": left " << c.left << ", right " << c.right << ", middle " << c.middle;
}
const GestureCase kGestureCases[] = {
    {imClick, false, 0, 0, 0},
    {imClick, true, 2, 0, 0},
    {imDoubleClick, false, 1, 1, 1},
    {imMouseDown, false, 1, 1, 1},
    {imMouseUp, false, 2, 2, 2},
    {imLeftClickUp, false, 2, 0, 0},
    {imLeftDoubleClick, false, 1, 0, 0},
    {imRightClickUp, false, 0, 2, 0},
    {imRightDoubleClick, false, 0, 1, 0},
    {imNone, true, 0, 0, 0},
};

class TrayGestureTest : public TrayIconTest, public ::testing::WithParamInterface<GestureCase> {
  protected:
    void DoubleClick(TTrayIcon& tray, const ButtonMessages& button) {
        for (std::uint32_t message : {button.down, button.up, button.doubleClick, button.up}) {
            Notify(tray, message);
        }
    }
    static int Expected(const GestureCase& c, int buttonIndex) {
        const int counts[] = {c.left, c.right, c.middle};
        return counts[buttonIndex];
    }
};

TEST_P(TrayGestureTest, RestoreOnGesture) {
    const GestureCase& c = GetParam();
    TTrayIcon& tray = MakeTray();
    tray.SetRestoreOn(c.gesture);
    if (c.withOnClick) {
        tray.OnClick = [](TObject*) {};
    }
    for (int b = 0; b < 3; ++b) {
        services.log.clear();
        DoubleClick(tray, kButtons[b]);
        const auto restores = static_cast<std::size_t>(Expected(c, b));
        EXPECT_EQ(services.Count("app restore"), restores) << kButtons[b].name;
        EXPECT_EQ(services.Count(kShowRestore), restores) << kButtons[b].name;
        EXPECT_EQ(services.Count(kForegroundApp), restores) << kButtons[b].name;
    }
}

TEST_P(TrayGestureTest, PopupMenuOnGesture) {
    const GestureCase& c = GetParam();
    TTrayIcon& tray = MakeTray();
    tray.SetRestoreOn(imNone);
    tray.SetPopupMenuOn(c.gesture);
    tray.SetPopupMenu(new FakePopupMenu(&form, services.log));
    if (c.withOnClick) {
        tray.OnClick = [](TObject*) {};
    }
    for (int b = 0; b < 3; ++b) {
        services.log.clear();
        DoubleClick(tray, kButtons[b]);
        EXPECT_EQ(services.Count("popup 40,7"), static_cast<std::size_t>(Expected(c, b)))
            << kButtons[b].name;
        EXPECT_EQ(services.Count("app restore"), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(AllGestures, TrayGestureTest, ::testing::ValuesIn(kGestureCases));

TEST_F(TrayIconTest, LeftClickUpRestoresAfterOnMouseUp) {
    TTrayIcon& tray = MakeTray();
    tray.SetRestoreOn(imLeftClickUp);
    tray.OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        services.log.push_back("OnMouseUp");
    };
    Notify(tray, kWmLButtonUp);
    EXPECT_THAT(services.log, ElementsAre("key 16", "key 17", "key 18", "cursor", "OnMouseUp",
                                          "app restore", kShowRestore, kForegroundApp));
}

TEST_F(TrayIconTest, ClickRestoresThenRaisesOnClickThenMouseUp) {
    TTrayIcon& tray = MakeTray();
    tray.SetRestoreOn(imClick);
    tray.OnClick = [this](TObject* sender) {
        services.log.push_back(sender != nullptr ? "OnClick" : "OnClick without sender");
    };
    tray.OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) {
        services.log.push_back("OnMouseUp");
    };
    Notify(tray, kWmLButtonUp);
    EXPECT_THAT(services.log, ElementsAre("key 16", "key 17", "key 18", "cursor", "app restore",
                                          kShowRestore, kForegroundApp, "OnClick", "OnMouseUp"));
}

TEST_F(TrayIconTest, RightClickUpRestoresThenPopsUpMenuAtPointer) {
    TTrayIcon& tray = MakeTray();
    tray.SetRestoreOn(imRightClickUp);
    tray.SetPopupMenuOn(imRightClickUp);
    tray.SetPopupMenu(new FakePopupMenu(&form, services.log));
    services.application.activeForm = 77;
    services.cursor = {-5, 1200};
    Notify(tray, kWmRButtonUp);
    EXPECT_THAT(services.log,
                ElementsAre("key 16", "key 17", "key 18", "cursor", "app restore", kShowRestore,
                            kForegroundApp, "cursor", "foreground 77", "popup -5,1200"));
}

TEST_F(TrayIconTest, MenuGestureWithoutMenuDoesNothing) {
    TTrayIcon& tray = MakeTray();
    tray.SetRestoreOn(imNone);
    tray.SetPopupMenuOn(imLeftDoubleClick);
    services.application.activeForm = 77;
    Notify(tray, kWmLButtonDblClk);
    EXPECT_THAT(services.log, IsEmpty());
}

TEST_F(TrayIconTest, DoubleClickReadsNeitherKeysNorPointer) {
    TTrayIcon& tray = MakeTray();
    int doubleClicks = 0;
    tray.OnDblClick = [&](TObject*) { ++doubleClicks; };
    Notify(tray, kWmMButtonDblClk);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_THAT(services.log, ElementsAre("app restore", kShowRestore, kForegroundApp));
}

TEST_F(TrayIconTest, MouseMoveWithoutHandlerReadsNothing) {
    TTrayIcon& tray = MakeTray();
    Notify(tray, kWmMouseMove);
    EXPECT_THAT(services.log, IsEmpty());

    TShiftState seenShift;
    int seenX = 0;
    int seenY = 0;
    tray.OnMouseMove = [&](TObject* sender, TShiftState shift, int x, int y) {
        EXPECT_EQ(sender, &tray);
        seenShift = shift;
        seenX = x;
        seenY = y;
    };
    services.keysDown = {kVkMenuKey};
    Notify(tray, kWmMouseMove);
    EXPECT_THAT(services.log, ElementsAre("key 16", "key 17", "key 18", "cursor"));
    EXPECT_EQ(seenShift, TShiftState({ssAlt}));
    EXPECT_EQ(seenX, 40);
    EXPECT_EQ(seenY, 7);
}

TEST_F(TrayIconTest, MouseEventsCarryButtonShiftAndPointer) {
    struct Case {
        std::uint32_t message;
        TMouseButton button;
        std::uint8_t buttonBit;
    };
    const Case cases[] = {{kWmLButtonDown, mbLeft, 1u << 3},
                          {kWmRButtonDown, mbRight, 1u << 4},
                          {kWmMButtonDown, mbMiddle, 1u << 5}};
    TTrayIcon& tray = MakeTray();
    TMouseButton seenButton = mbLeft;
    TShiftState seenShift;
    tray.OnMouseDown = [&](TObject*, TMouseButton button, TShiftState shift, int, int) {
        seenButton = button;
        seenShift = shift;
    };
    // Shift is bit 0, alt bit 1 and ctrl bit 2.
    services.keysDown = {kVkShiftKey, kVkControlKey};
    for (const Case& c : cases) {
        Notify(tray, c.message);
        EXPECT_EQ(seenButton, c.button);
        EXPECT_EQ(seenShift.Bits(), (1u << 0) | (1u << 2) | c.buttonBit);
    }
}

// --- The application hook ---------------------------------------------------------------------

TEST_F(TrayIconTest, MinimiseCommandHidesTaskBarEntry) {
    TTrayIcon& tray = MakeTray();
    tray.OnMinimize = [this](TObject*) { services.log.push_back("OnMinimize"); };
    tray.SetVisible(true);
    services.log.clear();
    EXPECT_FALSE(services.application.SysCommand(kScMinimize));
    EXPECT_THAT(services.log, ElementsAre("app minimize", kShowHide, "OnMinimize"));
}

TEST_F(TrayIconTest, RestoreCommandBringsTaskBarEntryBack) {
    TTrayIcon& tray = MakeTray();
    tray.OnRestore = [this](TObject*) { services.log.push_back("OnRestore"); };
    tray.SetVisible(true);
    services.log.clear();
    EXPECT_FALSE(services.application.SysCommand(kScRestore));
    EXPECT_THAT(services.log,
                ElementsAre("app restore", kShowRestore, kForegroundApp, "OnRestore"));
}

TEST_F(TrayIconTest, CommandsDifferingInLowBitsAreNotRecognised) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    services.log.clear();
    EXPECT_FALSE(services.application.SysCommand(kScMinimize | 2));
    EXPECT_FALSE(services.application.SysCommand(kScRestore | 0xF));
    TMessage other{0x0010 /* close */, kScMinimize, 0, 0};
    EXPECT_FALSE(tray.ApplicationHookProc(other));
    EXPECT_THAT(services.log, IsEmpty());
}

// --- Instances, design mode, destruction -----------------------------------------------------

TEST_F(TrayIconTest, TwoInstancesShowTwoIconsWithTheirOwnHooks) {
    TTrayIcon& first = MakeTray();
    TTrayIcon& second = MakeTray();
    first.SetVisible(true);
    second.SetVisible(true);
    EXPECT_NE(first.NotifyIconData().uID, second.NotifyIconData().uID);
    EXPECT_EQ(services.shown.size(), 2u);
    EXPECT_EQ(services.application.hooks.Count(), 2u);
    services.log.clear();
    services.application.SysCommand(kScMinimize);
    EXPECT_EQ(services.Count("app minimize"), 2u);

    second.SetVisible(false);
    EXPECT_EQ(services.application.hooks.Count(), 1u);
    EXPECT_TRUE(Shown(first));
}

TEST_F(TrayIconTest, DesignModeNeverCallsShell) {
    form.SetDesigning(true);
    {
        TTrayIcon& tray = MakeTray();
        EXPECT_TRUE(tray.IsDesigning());
        EXPECT_EQ(tray.GetHandle(), 0u);
        EXPECT_THAT(services.windows, IsEmpty());
        tray.SetVisible(true);
        EXPECT_TRUE(tray.Visible());
        tray.SetHint("tip");
        tray.SetIcons(new FakeImageList(&form, 2));
        tray.SetAnimate(true);
        EXPECT_TRUE(tray.GetAnimate());
        EXPECT_FALSE(TimerOf().Enabled());
        tray.SetIconIndex(1);
        tray.EndSession();
        tray.SetVisible(false);
        delete &tray;
    }
    EXPECT_THAT(services.log, IsEmpty());
    EXPECT_EQ(services.application.hooks.Count(), 0u);
}

TEST_F(TrayIconTest, DestructionRemovesIconWindowAndEveryHookEntry) {
    TTrayIcon& tray = MakeTray();
    tray.SetVisible(true);
    WindowOf(tray).Send(kWmEndSession, 1);
    tray.SetVisible(true);  // a second entry of the hook
    services.log.clear();
    delete &tray;
    EXPECT_THAT(services.log,
                ElementsAre("shell delete", "window destroyed", "hook remove", "hook remove"));
    EXPECT_TRUE(services.shown.empty());
    EXPECT_EQ(services.application.hooks.Count(), 0u);
    EXPECT_EQ(form.ComponentCount(), 0u);
}

TEST_F(TrayIconTest, DestructionOfHiddenIconStillAsksShellAndLeavesHooksAlone) {
    TTrayIcon& tray = MakeTray();
    delete &tray;
    EXPECT_THAT(services.log, ElementsAre("shell delete", "window destroyed"));
}

TEST_F(TrayIconTest, FormDestructionFreesTrayIcon) {
    {
        TComponent window(nullptr);
        auto* tray = new TTrayIcon(&window, services);
        tray->SetVisible(true);
    }
    EXPECT_TRUE(services.shown.empty());
    EXPECT_EQ(services.application.hooks.Count(), 0u);
}

TEST_F(TrayIconTest, RemovedImageListStopsAnimationSteps) {
    TTrayIcon& tray = MakeTray();
    auto* images = new FakeImageList(&form, 3);
    tray.SetIcons(images);
    tray.SetVisible(true);
    tray.SetAnimate(true);
    TimerOf().Tick();
    delete images;
    EXPECT_EQ(tray.Icons(), nullptr);
    services.log.clear();
    TimerOf().Tick();
    EXPECT_THAT(services.log, IsEmpty());
    EXPECT_EQ(tray.IconIndex(), 1);
}

TEST_F(TrayIconTest, RemovedPopupMenuIsForgotten) {
    TTrayIcon& tray = MakeTray();
    auto* menu = new FakePopupMenu(&form, services.log);
    auto* images = new FakeImageList(&form, 1);
    tray.SetPopupMenu(menu);
    tray.SetIcons(images);
    delete menu;
    EXPECT_EQ(tray.PopupMenu(), nullptr);
    EXPECT_EQ(tray.Icons(), images);
    tray.SetPopupMenuOn(imDoubleClick);
    Notify(tray, kWmLButtonDblClk);
    EXPECT_EQ(services.Count("cursor"), 0u);
}

TEST_F(TrayIconTest, WritingOnAnimateDoesNotChangeWhatTheTimerDoes) {
    TTrayIcon& tray = MakeTray();
    tray.SetIcons(new FakeImageList(&form, 2));
    tray.SetAnimate(true);
    bool replacementCalled = false;
    tray.OnAnimate = [&](TObject*) { replacementCalled = true; };
    TimerOf().Tick();
    EXPECT_FALSE(replacementCalled);
    EXPECT_EQ(tray.IconIndex(), 1);
}

TEST_F(TrayIconTest, DefaultIconReplacesImage) {
    TTrayIcon& tray = MakeTray();
    tray.SetIcons(new FakeImageList(&form, 2));
    tray.SetIconIndex(1);
    tray.SetVisible(true);
    services.log.clear();
    tray.SetDefaultIcon();
    EXPECT_THAT(services.log, ElementsAre("shell modify"));
    EXPECT_EQ(services.last.hIcon, FakeApplication::kIcon);
}

// --- Virtual slots ----------------------------------------------------------------------------

class RecordingTray : public TTrayIcon {
  public:
    RecordingTray(TComponent* owner, TrayServices& services, CallLog& log)
        : TTrayIcon(owner, services), log_(log) {}
    void Update() override { log_.push_back("derived Update"); }
    void Restore() override { log_.push_back("derived Restore"); }
    void Minimize() override { log_.push_back("derived Minimize"); }
    void ShowMenu() override { log_.push_back("derived ShowMenu"); }
    void SetIconIndex(int index) override {
        log_.push_back("derived SetIconIndex " + std::to_string(index));
    }
    void DoDblClick() override { log_.push_back("derived DoDblClick"); }
    void DoMouseUp(TMouseButton, TShiftState, int, int) override {
        log_.push_back("derived DoMouseUp");
    }
    void DoOnAnimate(TObject*) override { log_.push_back("derived DoOnAnimate"); }

  private:
    CallLog& log_;
};

TEST_F(TrayIconTest, InternalCallsGoThroughVirtualSlots) {
    auto& tray = *new RecordingTray(&form, services, services.log);
    tray.SetIcons(new FakeImageList(&form, 2));
    tray.SetRestoreOn(imRightClickUp);
    tray.SetPopupMenuOn(imRightClickUp);
    tray.SetVisible(true);
    services.log.clear();

    tray.SetHint("tip");
    tray.SetDefaultIcon();
    tray.Loaded();
    tray.BeginLoading();
    tray.ReadProperty("IconIndex", "1");
    services.application.SysCommand(kScMinimize);
    services.application.SysCommand(kScRestore);
    Notify(tray, kWmLButtonDblClk);
    Notify(tray, kWmRButtonUp);
    tray.SetAnimate(true);
    TimerOf().Tick();
    EXPECT_THAT(
        services.log,
        ElementsAre("derived Update", "derived Update", "derived Update", "derived SetIconIndex 1",
                    "derived Minimize", "derived Restore", "derived DoDblClick", "key 16", "key 17",
                    "key 18", "cursor", "derived DoMouseUp", "derived Restore", "derived ShowMenu",
                    "derived DoOnAnimate"));
}

TEST_F(TrayIconTest, BaseAnimationStepCallsOverriddenSetIconIndexAndUpdate) {
    struct StepTray : TTrayIcon {
        StepTray(TComponent* owner, TrayServices& services, CallLog& log)
            : TTrayIcon(owner, services), log_(log) {}
        void SetIconIndex(int index) override {
            log_.push_back("SetIconIndex " + std::to_string(index));
        }
        void Update() override { log_.push_back("Update"); }
        CallLog& log_;
    };
    auto& tray = *new StepTray(&form, services, services.log);
    tray.SetIcons(new FakeImageList(&form, 3));
    tray.DoOnAnimate(&tray);
    EXPECT_THAT(services.log, ElementsAre("SetIconIndex 1", "Update"));
}

}  // namespace
