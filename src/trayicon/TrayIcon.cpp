#include "trayicon/TrayIcon.h"

#include <algorithm>
#include <cstring>

#include "base/Exception.h"

namespace {
// Longest hint plus one: the shell shows tips of fewer than 64 characters.
constexpr std::size_t kHintLimit = 64;
constexpr int kDefaultAnimateInterval = 1000;
}  // namespace

TTrayIcon::TTrayIcon(TComponent* owner, TrayServices& services)
    : TComponent(owner), services_(services) {
    iconCopy_ = services_.CreateIcon();
    timer_ = services_.CreateTimer();
    iconIndex_ = 0;
    iconCopy_->Assign(services_.Application().Icon());
    restoreOn_ = imDoubleClick;
    OnAnimate = [this](TObject* sender) { DoOnAnimate(sender); };
    popupMenuOn_ = imNone;
    visible_ = false;
    hide_ = true;

    timer_->SetEnabled(false);
    // The timer keeps this handler for good: a later write of OnAnimate does not reach it.
    timer_->SetOnTimer(OnAnimate);
    timer_->SetInterval(kDefaultAnimateInterval);

    if (!IsDesigning()) {
        data_ = TNotifyIconData{};
        data_.cbSize = kNotifyIconDataSize;
        window_ = services_.CreateMessageWindow([this](TMessage& message) { DoMessage(message); });
        data_.hWnd = window_->Handle();
        // The instance's address identifies its icon. On a 64-bit test build only the low half
        // fits; the shell keys icons by window and number, and every instance has its own
        // window, so the icon stays unique even then.
        data_.uID = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(this));
        data_.hIcon = iconCopy_->Handle();
        data_.uFlags = kNifMessage | kNifIcon;
        data_.uCallbackMessage = kTrayNotifyMessage;
        hook_ = TWindowHook::Bind<&TTrayIcon::ApplicationHookProc>(this);
        // Within the constructor this is our own Update whatever the final class: as Visible
        // is still false it only takes the picture's handle into the record.
        Update();
    }
}

TTrayIcon::~TTrayIcon() {
    if (!IsDesigning()) {
        services_.ShellNotifyIcon(nimDelete, data_);
        window_.reset();
    }
    iconCopy_.reset();
    timer_.reset();
    // The application must never call into a component that is gone.
    for (; hookEntries_ > 0; --hookEntries_) {
        services_.Application().UnhookMainWindow(hook_);
    }
}

void TTrayIcon::RaiseShellError(int stringId) {
    throw EOutOfResources(services_.ResourceString(stringId));
}

void TTrayIcon::SetVisible(bool value) {
    visible_ = value;
    if (IsDesigning()) {
        return;
    }
    if (value) {
        if (!services_.ShellNotifyIcon(nimAdd, data_)) {
            RaiseShellError(kSCannotCreateIcon);
        }
        SetHide(true);
        services_.Application().HookMainWindow(hook_);
        ++hookEntries_;
    } else {
        if (!services_.ShellNotifyIcon(nimDelete, data_)) {
            RaiseShellError(kSCannotRemoveIcon);
        }
        SetHide(false);
        services_.Application().UnhookMainWindow(hook_);
        if (hookEntries_ > 0) {
            --hookEntries_;
        }
    }
}

void TTrayIcon::SetHint(std::string_view value) {
    if (value == hint_ || value.size() >= kHintLimit) {
        return;
    }
    hint_ = value;
    std::memset(data_.szTip, 0, sizeof data_.szTip);
    std::memcpy(data_.szTip, value.data(), std::min(value.size(), sizeof data_.szTip - 1));
    if (!value.empty()) {
        data_.uFlags |= kNifTip;
    } else {
        data_.uFlags &= ~kNifTip;
    }
    Update();
}

int TTrayIcon::GetAnimateInterval() const {
    return timer_->Interval();
}

void TTrayIcon::SetAnimateInterval(int value) {
    timer_->SetInterval(value);
}

void TTrayIcon::SetAnimate(bool value) {
    if (icons_ != nullptr || IsLoading()) {
        animate_ = value;
    }
    if (icons_ != nullptr && !IsDesigning()) {
        timer_->SetEnabled(value);
    }
}

void TTrayIcon::SetIconIndex(int index) {
    iconIndex_ = index;
    if (icons_ != nullptr) {
        FetchImage(index);
    }
    Update();
}

THandleValue TTrayIcon::GetHandle() const noexcept {
    return window_ != nullptr ? window_->Handle() : 0;
}

void TTrayIcon::FetchImage(int index) {
    // The list is only ever asked for images it has; any other index leaves no picture.
    if (index >= 0 && index < icons_->Count()) {
        icons_->GetIcon(index, *iconCopy_);
    } else {
        iconCopy_->Clear();
    }
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    if (icons_ == nullptr) {
        animate_ = false;
        iconCopy_->Assign(services_.Application().Icon());
    } else {
        timer_->SetEnabled(animate_);
        FetchImage(iconIndex_);
    }
    Update();
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove) {
        if (component == icons_) {
            icons_ = nullptr;
        } else if (component == popupMenu_) {
            popupMenu_ = nullptr;
        }
    }
}

void TTrayIcon::Update() {
    if (IsDesigning()) {
        return;
    }
    data_.hIcon = iconCopy_->Handle();
    if (visible_) {
        services_.ShellNotifyIcon(nimModify, data_);
    }
}

void TTrayIcon::DoOnAnimate(TObject* /*sender*/) {
    // Without an image list (it was removed while the timer ran) there is nothing to step
    // through: the tick is skipped.
    if (icons_ == nullptr) {
        return;
    }
    const int count = icons_->Count();
    if (iconIndex_ < count - 1) {
        ++iconIndex_;
    } else {
        iconIndex_ = 0;
    }
    SetIconIndex(iconIndex_);
    Update();
}

void TTrayIcon::SetDefaultIcon() {
    iconCopy_->Assign(services_.Application().Icon());
    Update();
}

void TTrayIcon::EndSession() {
    // No hidden window exists in design mode, but the shell is never asked there in any case.
    if (IsDesigning()) {
        return;
    }
    services_.ShellNotifyIcon(nimDelete, data_);
}

TShiftState TTrayIcon::ShiftState() {
    TShiftState shift;
    if (services_.GetKeyState(kVkShiftKey) < 0) {
        shift.Include(ssShift);
    }
    if (services_.GetKeyState(kVkControlKey) < 0) {
        shift.Include(ssCtrl);
    }
    if (services_.GetKeyState(kVkMenuKey) < 0) {
        shift.Include(ssAlt);
    }
    return shift;
}

void TTrayIcon::ShowMenu() {
    // Without a menu there is nothing to pop up, so nothing else is done either.
    if (popupMenu_ == nullptr) {
        return;
    }
    const TPoint at = services_.GetCursorPos();
    const THandleValue active = services_.Application().ActiveFormHandle();
    if (active != 0) {
        // Without this the menu would not close when the user clicks elsewhere.
        services_.SetForegroundWindow(active);
    }
    popupMenu_->Popup(at.X, at.Y);
}

bool TTrayIcon::ApplicationHookProc(TMessage& message) {
    if (message.Msg == kWmSysCommand) {
        // Compared as a whole: a command with other low bits is left to the application.
        if (message.WParam == kScMinimize) {
            Minimize();
        }
        if (message.WParam == kScRestore) {
            Restore();
        }
    }
    return false;
}

void TTrayIcon::Minimize() {
    TrayApplication& application = services_.Application();
    application.Minimize();
    services_.ShowWindow(application.Handle(), kSwHide);
    if (OnMinimize) {
        OnMinimize(this);
    }
}

void TTrayIcon::Restore() {
    TrayApplication& application = services_.Application();
    application.Restore();
    services_.ShowWindow(application.Handle(), kSwRestore);
    services_.SetForegroundWindow(application.Handle());
    if (OnRestore) {
        OnRestore(this);
    }
}
