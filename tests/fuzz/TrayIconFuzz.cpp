// TTrayIcon over the recording fake services, fed random sequences of property writes (directly
// and as layout texts), shell notifications, session messages, system commands to the
// application, timer ticks, image lists and menus coming and going, events assigned and cleared,
// refusals of the shell and the component's own destruction. A model of the icon's rules is kept
// beside it and compared after every step: Visible, Hide and the shown icon; one hook entry per
// successful show, one taken out per successful withdrawal, none left after destruction; a timer
// that runs only when started with an image list and a tick that is harmless without one; the
// restores, menus and events each gesture gives; the record's tip, flags and picture; and in
// design mode never a word to the shell.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "FakeTrayServices.h"
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/Exception.h"
#include "trayicon/TrayIcon.h"

namespace {

// What the rules say the component is like now.
struct Model {
    bool visible = false;
    bool hide = true;
    int hooks = 0;
    bool iconShown = false;
    bool timer = false;
    bool animate = false;
    bool loading = false;
    int index = 0;
    THandleValue picture = FakeApplication::kIcon;
    std::string hint;
    TTrayIconMessage restoreOn = imDoubleClick;
    TTrayIconMessage popupMenuOn = imNone;
};

// What the events saw last.
struct Seen {
    int clicks = 0;
    int doubleClicks = 0;
    int downs = 0;
    int ups = 0;
    int moves = 0;
    int minimizes = 0;
    int restores = 0;
    TMouseButton button = mbLeft;
    TShiftState shift;
    TPoint at;
};

class Harness {
  public:
    Harness(FuzzInput& input) : input_(input) {
        if (input_.Bool()) {
            form_.SetDesigning(true);
        }
        Create();
    }
    ~Harness() {
        // The form frees the component and the lists and menus it owns; no hook may stay.
        form_.DestroyComponents();
        FuzzCheck(services_.application.hooks.Count() == 0,
                  "no hook of a destroyed component stays");
    }

    void Step();

  private:
    void Create() {
        tray_ = new TTrayIcon(&form_, services_);  // owned by the form
        timer_ = services_.timers.back();
        model_ = Model{};
        icons_ = nullptr;
        menu_ = nullptr;
        Check(-1);
    }

    bool Designing() const { return form_.IsDesigning(); }
    bool IconInShell() const {
        const TNotifyIconData& data = tray_->NotifyIconData();
        return services_.shown.count({data.hWnd, data.uID}) != 0;
    }
    int ListCount() const { return icons_ != nullptr ? icons_->Count() : 0; }
    THandleValue ImageAt(int index) const {
        return index >= 0 && index < ListCount()
                   ? FakeImageList::kFirstImage + static_cast<THandleValue>(index)
                   : 0;
    }

    // step: the operation just done, -1 for the creation.
    void Check(int step);
    void Visible(bool value, const std::optional<std::string>& layoutText);
    void Hint(const std::string& value);
    void IconIndex(int index, const std::optional<std::string>& layoutText);
    void Animate(bool value, const std::optional<std::string>& layoutText);
    void Loaded();
    void Tick();
    void Notify(std::intptr_t mouseMessage);
    void SessionMessage();
    void SysCommand();
    void ReadProperty();
    void AssignEvents();
    void Destroy();

    FuzzInput& input_;
    FakeTrayServices services_;
    TComponent form_{nullptr};
    TTrayIcon* tray_ = nullptr;           // owned by the form
    FakeTimer* timer_ = nullptr;          // owned by the component
    FakeImageList* icons_ = nullptr;      // owned by the form; what the component was given
    FakePopupMenu* menu_ = nullptr;       // owned by the form; what the component was given
    FakeImageList* spareList_ = nullptr;  // owned by the form
    FakePopupMenu* spareMenu_ = nullptr;  // owned by the form
    Model model_;
    Seen seen_;
};

void Harness::Check(int step) {
    const TTrayIcon& tray = *tray_;
    const auto at = [step] { return "after step " + std::to_string(step); };
    FuzzCheck(tray.Visible() == model_.visible, "Visible holds the last value written", at);
    FuzzCheck(tray.Hide() == model_.hide, "Hide follows each successful write of Visible", at);
    FuzzCheck(services_.application.hooks.Count() == static_cast<std::size_t>(model_.hooks),
              "one hook entry per successful show, one less per successful withdrawal", [&] {
                  return at() + ": " + std::to_string(services_.application.hooks.Count()) +
                         " entries, " + std::to_string(model_.hooks) + " expected";
              });
    FuzzCheck(timer_->Enabled() == model_.timer,
              "the timer runs only when started with an image list", at);
    FuzzCheck(tray.GetAnimate() == model_.animate, "Animate changes only with an image list", at);
    FuzzCheck(tray.IconIndex() == model_.index, "IconIndex steps through the list", at);
    FuzzCheck(tray.IconCopy().Handle() == model_.picture, "the icon shows the chosen picture", [&] {
        return at() + ": " + std::to_string(tray.IconCopy().Handle()) + " instead of " +
               std::to_string(model_.picture);
    });
    FuzzCheck(tray.Hint() == model_.hint, "Hint takes only new hints under 64 characters", at);
    FuzzCheck(tray.RestoreOn() == model_.restoreOn && tray.PopupMenuOn() == model_.popupMenuOn,
              "the gestures hold what was written", at);
    if (Designing()) {
        FuzzCheck(services_.Count("shell add") + services_.Count("shell modify") +
                          services_.Count("shell delete") ==
                      0,
                  "in design mode the shell is never called", at);
        FuzzCheck(tray.GetHandle() == 0, "in design mode there is no hidden window", at);
        return;
    }
    const TNotifyIconData& data = tray.NotifyIconData();
    FuzzCheck(IconInShell() == model_.iconShown, "the icon is in the shell exactly while shown",
              at);
    FuzzCheck(data.cbSize == 488 && data.uCallbackMessage == 0x401 && data.hWnd != 0 &&
                  data.hWnd == tray.GetHandle(),
              "the record names the hidden window and its message", at);
    FuzzCheck(data.hIcon == tray.IconCopy().Handle(), "the record holds the shown picture", at);
    FuzzCheck((data.uFlags & ~kNifTip) == (kNifMessage | kNifIcon) &&
                  ((data.uFlags & kNifTip) != 0) == !model_.hint.empty(),
              "the record's flags: message and icon, and the tip while there is a hint", at);
    FuzzCheck(std::memchr(data.szTip, 0, sizeof data.szTip) != nullptr &&
                  std::string(data.szTip) == model_.hint.substr(0, model_.hint.find('\0')),
              "the tip is the hint, up to a NUL in it",
              [&] { return at() + ": " + Escaped(data.szTip) + " for " + Escaped(model_.hint); });
}

void Harness::Visible(bool value, const std::optional<std::string>& layoutText) {
    const bool refused = !Designing() && (services_.refuseAll || model_.iconShown == value);
    try {
        if (layoutText) {
            tray_->ReadProperty("Visible", *layoutText);
        } else {
            tray_->SetVisible(value);
        }
        FuzzCheck(!refused, "the shell's refusal is reported");
    } catch (const EOutOfResources& error) {
        FuzzCheck(refused, "only a refusal of the shell raises");
        FuzzCheck(error.Message() == (value ? "Cannot Create System Shell Notification Icon"
                                            : "Cannot Remove System Shell Notification Icon"),
                  "a refusal says which way it failed", [&] { return Escaped(error.Message()); });
    }
    model_.visible = value;
    if (Designing() || refused) {
        return;
    }
    model_.hide = value;
    model_.iconShown = value;
    if (value) {
        ++model_.hooks;
    } else if (model_.hooks > 0) {
        --model_.hooks;
    }
}

void Harness::Hint(const std::string& value) {
    tray_->SetHint(value);
    if (value.size() < 64) {
        model_.hint = value;
    }
}

void Harness::IconIndex(int index, const std::optional<std::string>& layoutText) {
    if (layoutText) {
        tray_->ReadProperty("IconIndex", *layoutText);
    } else {
        tray_->SetIconIndex(index);
    }
    model_.index = index;
    if (icons_ != nullptr) {
        model_.picture = ImageAt(index);
    }
}

void Harness::Animate(bool value, const std::optional<std::string>& layoutText) {
    if (layoutText) {
        tray_->ReadProperty("Animate", *layoutText);
    } else {
        tray_->SetAnimate(value);
    }
    if (icons_ != nullptr || model_.loading) {
        model_.animate = value;
    }
    if (icons_ != nullptr && !Designing()) {
        model_.timer = value;
    }
}

void Harness::Loaded() {
    tray_->Loaded();
    model_.loading = false;
    if (icons_ == nullptr) {
        model_.animate = false;
        model_.picture = FakeApplication::kIcon;
    } else {
        model_.timer = model_.animate;
        model_.picture = ImageAt(model_.index);
    }
}

void Harness::Tick() {
    const std::size_t logged = services_.log.size();
    timer_->Tick();
    if (!model_.timer) {
        FuzzCheck(services_.log.size() == logged, "a stopped timer does nothing");
        return;
    }
    if (icons_ == nullptr) {
        // The list went away while the timer ran: the tick is skipped.
        FuzzCheck(services_.log.size() == logged, "a tick without an image list does nothing");
        return;
    }
    model_.index = model_.index < ListCount() - 1 ? model_.index + 1 : 0;
    model_.picture = ImageAt(model_.index);
}

void Harness::Notify(std::intptr_t mouseMessage) {
    const Seen before = seen_;
    const std::size_t restores = services_.Count("app restore");
    const std::size_t logged = services_.log.size();
    std::size_t popups = 0;
    for (const std::string& entry : services_.log) {
        popups += entry.starts_with("popup ") ? 1 : 0;
    }
    TMessage message{kTrayNotifyMessage, tray_->NotifyIconData().uID, mouseMessage, 0};
    tray_->DoMessage(message);
    FuzzCheck(message.Result == 0, "a notification is answered with 0");

    const auto count = [&](TTrayIconMessage chosen, bool onClick) {
        const auto is = [chosen](TTrayIconMessage gesture) { return chosen == gesture ? 1 : 0; };
        switch (mouseMessage) {
            case kWmLButtonDown:
            case kWmRButtonDown:
            case kWmMButtonDown:
                return is(imMouseDown);
            case kWmLButtonUp:
                return (onClick ? is(imClick) : 0) + is(imMouseUp) + is(imLeftClickUp);
            case kWmRButtonUp:
                return is(imMouseUp) + is(imRightClickUp);
            case kWmMButtonUp:
                return is(imMouseUp);
            case kWmLButtonDblClk:
                return is(imDoubleClick) + is(imLeftDoubleClick);
            case kWmRButtonDblClk:
                return is(imDoubleClick) + is(imRightDoubleClick);
            case kWmMButtonDblClk:
                return is(imDoubleClick);
            default:
                return 0;
        }
    };
    const bool onClick = static_cast<bool>(tray_->OnClick);
    const auto what = [mouseMessage] { return "notification " + std::to_string(mouseMessage); };
    FuzzCheck(services_.Count("app restore") - restores ==
                  static_cast<std::size_t>(count(model_.restoreOn, onClick)),
              "each gesture restores as RestoreOn says", what);
    std::size_t popupsAfter = 0;
    for (const std::string& entry : services_.log) {
        popupsAfter += entry.starts_with("popup ") ? 1 : 0;
    }
    const int menus = menu_ != nullptr ? count(model_.popupMenuOn, onClick) : 0;
    FuzzCheck(popupsAfter - popups == static_cast<std::size_t>(menus),
              "each gesture pops up the menu as PopupMenuOn says", what);

    const bool down = mouseMessage == kWmLButtonDown || mouseMessage == kWmRButtonDown ||
                      mouseMessage == kWmMButtonDown;
    const bool up = mouseMessage == kWmLButtonUp || mouseMessage == kWmRButtonUp ||
                    mouseMessage == kWmMButtonUp;
    const bool doubleClick = mouseMessage == kWmLButtonDblClk || mouseMessage == kWmRButtonDblClk ||
                             mouseMessage == kWmMButtonDblClk;
    FuzzCheck(seen_.downs - before.downs == (down && tray_->OnMouseDown ? 1 : 0) &&
                  seen_.ups - before.ups == (up && tray_->OnMouseUp ? 1 : 0) &&
                  seen_.doubleClicks - before.doubleClicks ==
                      (doubleClick && tray_->OnDblClick ? 1 : 0) &&
                  seen_.clicks - before.clicks == (mouseMessage == kWmLButtonUp && onClick ? 1 : 0),
              "each gesture raises its event once", what);
    if (mouseMessage == kWmMouseMove && !tray_->OnMouseMove) {
        FuzzCheck(services_.log.size() == logged,
                  "a move with no handler reads neither keys nor pointer", what);
    }
    if ((down || up) && (tray_->OnMouseDown || tray_->OnMouseUp) &&
        seen_.downs + seen_.ups != before.downs + before.ups) {
        const int button = static_cast<int>(mouseMessage - kWmLButtonDown) / 3;
        const TShiftFlag flags[] = {ssLeft, ssRight, ssMiddle};
        TShiftState expected{flags[button]};
        if (services_.keysDown.count(kVkShiftKey) != 0) {
            expected.Include(ssShift);
        }
        if (services_.keysDown.count(kVkControlKey) != 0) {
            expected.Include(ssCtrl);
        }
        if (services_.keysDown.count(kVkMenuKey) != 0) {
            expected.Include(ssAlt);
        }
        FuzzCheck(seen_.button == static_cast<TMouseButton>(button) && seen_.shift == expected &&
                      seen_.at.X == services_.cursor.X && seen_.at.Y == services_.cursor.Y,
                  "a button event names its button, the keys down and the pointer", what);
    }
}

void Harness::SessionMessage() {
    const std::uint32_t messages[] = {kWmQueryEndSession, kWmEndSession, kWmSysCommand,
                                      input_.Range<std::uint32_t>(0, 0xFFFF)};
    const std::uint32_t msg = input_.Pick(messages);
    TMessage message{msg, input_.Range<std::uintptr_t>(0, 2), 0, 0};
    tray_->DoMessage(message);
    FuzzCheck(message.Result == (msg == kWmQueryEndSession ? 1 : 0),
              "the session may end; nothing else is answered",
              [msg] { return std::to_string(msg); });
    if (msg == kWmEndSession && !Designing() && !services_.refuseAll) {
        model_.iconShown = false;  // gone, while Visible and the hook stay
    }
}

void Harness::SysCommand() {
    const std::uintptr_t commands[] = {kScMinimize, kScRestore, kScMinimize | 1, kScRestore | 2,
                                       input_.Range<std::uintptr_t>(0, 0xFFFF)};
    const std::uintptr_t command = input_.Pick(commands);
    const std::size_t minimizes = services_.Count("app minimize");
    const std::size_t restores = services_.Count("app restore");
    FuzzCheck(!services_.application.SysCommand(command), "the hook never handles a command");
    const auto hooks = static_cast<std::size_t>(model_.hooks);
    FuzzCheck(services_.Count("app minimize") - minimizes == (command == kScMinimize ? hooks : 0) &&
                  services_.Count("app restore") - restores == (command == kScRestore ? hooks : 0),
              "each hook entry minimises or restores on exactly those commands",
              [command] { return std::to_string(command); });
}

void Harness::ReadProperty() {
    static constexpr const char* kNames[] = {"Visible",         "Hint",        "Hide",
                                             "RestoreOn",       "PopupMenuOn", "IconIndex",
                                             "AnimateInterval", "Animate",     "Icons"};
    static constexpr const char* kValues[] = {"true",
                                              "false",
                                              "True",
                                              "FALSE",
                                              "yes",
                                              "",
                                              "imDoubleClick",
                                              "imNone",
                                              "imClick",
                                              "imRightClickUp",
                                              "imBogus",
                                              "2",
                                              "-1",
                                              "250",
                                              "12x",
                                              "99999999999",
                                              "imMouseDown",
                                              "imLeftDoubleClick"};
    const std::string name = input_.Pick(kNames);
    const std::string value = input_.Bool() ? std::string(input_.Pick(kValues)) : input_.Text(8);
    const auto what = [&] { return "layout " + name + " = " + Escaped(value); };
    const auto lower = [](std::string text) {
        for (char& c : text) {
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return text;
    };
    const bool isBool = lower(value) == "true" || lower(value) == "false";
    // A number as the layout writes it: an optional minus and digits, within int.
    std::optional<int> number;
    if (!value.empty() && value.size() <= 12 &&
        value.find_first_not_of("0123456789", value[0] == '-' ? 1 : 0) == std::string::npos &&
        value != "-") {
        const long long wide = std::stoll(value);
        if (wide >= INT32_MIN && wide <= INT32_MAX) {
            number = static_cast<int>(wide);
        }
    }
    static constexpr const char* kGestures[] = {
        "imClick",           "imDoubleClick",  "imMouseDown",        "imMouseUp", "imLeftClickUp",
        "imLeftDoubleClick", "imRightClickUp", "imRightDoubleClick", "imNone"};
    std::optional<TTrayIconMessage> gesture;
    for (std::size_t i = 0; i < std::size(kGestures); ++i) {
        if (value == kGestures[i]) {
            gesture = static_cast<TTrayIconMessage>(i);
        }
    }
    const bool valid = name == "Hint" ||
                       ((name == "Visible" || name == "Hide" || name == "Animate") && isBool) ||
                       ((name == "RestoreOn" || name == "PopupMenuOn") && gesture) ||
                       ((name == "IconIndex" || name == "AnimateInterval") && number);
    if (!valid) {
        try {
            tray_->ReadProperty(name, value);
        } catch (const Exception& error) {
            const std::string expected = name == "Icons"
                                             ? "Property Icons does not exist"
                                             : "Invalid value '" + value + "' for property " + name;
            FuzzCheck(error.Message() == expected, "a bad layout text is refused by name",
                      [&] { return what() + ": " + error.Message(); });
            return;
        }
        FuzzFail("a bad layout text is refused", what());
    }
    const bool on = lower(value) == "true";
    if (name == "Visible") {
        Visible(on, value);
    } else if (name == "Animate") {
        Animate(on, value);
    } else if (name == "IconIndex") {
        IconIndex(*number, value);
    } else {
        tray_->ReadProperty(name, value);
        if (name == "Hint" && value.size() < 64) {
            model_.hint = value;
        } else if (name == "Hide") {
            model_.hide = on;
        } else if (name == "AnimateInterval") {
            FuzzCheck(tray_->GetAnimateInterval() == *number, "AnimateInterval takes the number",
                      what);
        } else if (name == "RestoreOn") {
            model_.restoreOn = *gesture;
        } else if (name == "PopupMenuOn") {
            model_.popupMenuOn = *gesture;
        }
    }
}

void Harness::AssignEvents() {
    const std::uint8_t which = input_.Byte();
    const bool set = (which & 0x80) != 0;
    switch (which % 7) {
        case 0:
            tray_->OnClick = set ? TNotifyEvent([this](TObject*) { ++seen_.clicks; }) : nullptr;
            break;
        case 1:
            tray_->OnDblClick =
                set ? TNotifyEvent([this](TObject*) { ++seen_.doubleClicks; }) : nullptr;
            break;
        case 2:
            tray_->OnMouseDown = set ? TMouseEvent([this](TObject*, TMouseButton button,
                                                          TShiftState shift, int x, int y) {
                ++seen_.downs;
                seen_.button = button;
                seen_.shift = shift;
                seen_.at = {x, y};
            })
                                     : nullptr;
            break;
        case 3:
            tray_->OnMouseUp = set ? TMouseEvent([this](TObject*, TMouseButton button,
                                                        TShiftState shift, int x, int y) {
                ++seen_.ups;
                seen_.button = button;
                seen_.shift = shift;
                seen_.at = {x, y};
            })
                                   : nullptr;
            break;
        case 4:
            tray_->OnMouseMove =
                set ? TMouseMoveEvent([this](TObject*, TShiftState, int, int) { ++seen_.moves; })
                    : nullptr;
            break;
        case 5:
            tray_->OnMinimize =
                set ? TNotifyEvent([this](TObject*) { ++seen_.minimizes; }) : nullptr;
            break;
        default:
            tray_->OnRestore = set ? TNotifyEvent([this](TObject*) { ++seen_.restores; }) : nullptr;
            break;
    }
}

void Harness::Destroy() {
    const TNotifyIconData data = tray_->NotifyIconData();
    const std::size_t destroyed = services_.Count("window destroyed");
    delete tray_;
    FuzzCheck(services_.application.hooks.Count() == 0, "no hook of a destroyed component stays");
    if (!Designing()) {
        FuzzCheck(services_.shown.count({data.hWnd, data.uID}) == 0 || services_.refuseAll,
                  "destruction removes the icon");
        FuzzCheck(services_.Count("window destroyed") == destroyed + 1,
                  "destruction destroys the hidden window");
    }
    Create();
}

void Harness::Step() {
    const std::uint8_t op = input_.Byte();
    const int step = op % 20;
    switch (op % 20) {
        case 0:
        case 1:
            Visible(input_.Bool(), std::nullopt);
            break;
        case 2:
            services_.refuseAll = !services_.refuseAll;
            break;
        case 3:
        case 4:
        case 5: {
            const std::intptr_t mouse = input_.Byte() < 240
                                            ? kWmMouseMove + input_.Range<std::intptr_t>(0, 9)
                                            : input_.Range<std::intptr_t>(0, 0xFFFF);
            Notify(mouse);
            break;
        }
        case 6:
            SessionMessage();
            break;
        case 7:
            SysCommand();
            break;
        case 8:
            Hint(input_.Bool() ? std::string(input_.Byte() % 70, 'h') : input_.Text(12));
            break;
        case 9: {
            const std::uint8_t gesture = input_.Byte();
            const auto value =
                static_cast<TTrayIconMessage>(gesture % 10 == 9 ? gesture : gesture % 9);
            if (input_.Bool()) {
                tray_->SetRestoreOn(value);
                model_.restoreOn = value;
            } else {
                tray_->SetPopupMenuOn(value);
                model_.popupMenuOn = value;
            }
            break;
        }
        case 10: {
            // An image list comes, the component is given none, or the given one goes.
            const std::uint8_t choice = input_.Byte() % 3;
            if (choice == 0) {
                spareList_ = new FakeImageList(&form_, input_.Range(0, 4));  // owned by the form
                tray_->SetIcons(spareList_);
                icons_ = spareList_;
            } else if (choice == 1) {
                tray_->SetIcons(nullptr);
                icons_ = nullptr;
            } else if (spareList_ != nullptr) {
                if (icons_ == spareList_) {
                    icons_ = nullptr;
                }
                delete spareList_;
                spareList_ = nullptr;
                FuzzCheck(tray_->Icons() == icons_, "a removed image list is forgotten");
            }
            break;
        }
        case 11:
            IconIndex(input_.Range(-3, 6), std::nullopt);
            break;
        case 12:
            Animate(input_.Bool(), std::nullopt);
            break;
        case 13:
            Tick();
            break;
        case 14:
            if (input_.Bool()) {
                tray_->BeginLoading();
                model_.loading = true;
            } else {
                Loaded();
            }
            break;
        case 15:
            ReadProperty();
            break;
        case 16: {
            const std::uint8_t choice = input_.Byte() % 3;
            if (choice == 0) {
                spareMenu_ = new FakePopupMenu(&form_, services_.log);  // owned by the form
                tray_->SetPopupMenu(spareMenu_);
                menu_ = spareMenu_;
            } else if (choice == 1) {
                tray_->SetPopupMenu(nullptr);
                menu_ = nullptr;
            } else if (spareMenu_ != nullptr) {
                if (menu_ == spareMenu_) {
                    menu_ = nullptr;
                }
                delete spareMenu_;
                spareMenu_ = nullptr;
                FuzzCheck(tray_->PopupMenu() == menu_, "a removed menu is forgotten");
            }
            break;
        }
        case 17:
            AssignEvents();
            break;
        case 18: {
            const std::uint8_t choice = input_.Byte();
            if (choice < 64) {
                const std::int32_t keys[] = {kVkShiftKey, kVkControlKey, kVkMenuKey};
                const std::int32_t key = keys[choice % 3];
                if (!services_.keysDown.erase(key)) {
                    services_.keysDown.insert(key);
                }
            } else if (choice < 128) {
                services_.cursor = {input_.Range(-2000, 2000), input_.Range(-2000, 2000)};
            } else if (choice < 192) {
                tray_->SetDefaultIcon();
                model_.picture = FakeApplication::kIcon;
            } else {
                const int interval = input_.Range(-10, 100000);
                tray_->SetAnimateInterval(interval);
                FuzzCheck(tray_->GetAnimateInterval() == interval,
                          "AnimateInterval is the timer's interval");
            }
            break;
        }
        default:
            Destroy();
            break;
    }
    Check(step);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    Harness harness(input);
    for (int steps = 0; steps < 64 && !input.Empty(); ++steps) {
        harness.Step();
    }
    return 0;
}
