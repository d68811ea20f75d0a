#pragma once
// TTrayIcon: one icon in the desktop's notification area, tied to the application as a whole.
// It turns the shell's mouse notifications into events, restores the application and pops up
// a menu on a chosen gesture each, hides the application's task-bar entry while it is
// minimised, can animate the icon from an image list, and removes the icon at session end and
// when it is destroyed.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/Message.h"
#include "toolkit/Component.h"
#include "toolkit/Events.h"
#include "toolkit/Icon.h"
#include "toolkit/ImageList.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Timer.h"
#include "toolkit/WindowHook.h"
#include "trayicon/NotifyIconData.h"
#include "trayicon/TrayServices.h"

// The gestures among which RestoreOn and PopupMenuOn choose.
enum TTrayIconMessage : std::uint8_t {
    imClick = 0,
    imDoubleClick = 1,
    imMouseDown = 2,
    imMouseUp = 3,
    imLeftClickUp = 4,
    imLeftDoubleClick = 5,
    imRightClickUp = 6,
    imRightDoubleClick = 7,
    imNone = 8,
};
static_assert(sizeof(TTrayIconMessage) == 1);

// The shell's notification message to the hidden window.
inline constexpr std::uint32_t kTrayNotifyMessage = kWmUser + 1;

class TTrayIcon : public TComponent {
  public:
    // services must outlive the component.
    TTrayIcon(TComponent* owner, TrayServices& services);
    ~TTrayIcon() override;

    // Published properties, in the order a layout description writes them.
    bool Visible() const noexcept { return visible_; }
    virtual void SetVisible(bool value);
    const std::string& Hint() const noexcept { return hint_; }
    void SetHint(std::string_view value);
    TPopupMenu* PopupMenu() const noexcept { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* value) noexcept { popupMenu_ = value; }
    bool Hide() const noexcept { return hide_; }
    void SetHide(bool value) noexcept { hide_ = value; }
    TTrayIconMessage RestoreOn() const noexcept { return restoreOn_; }
    void SetRestoreOn(TTrayIconMessage value) noexcept { restoreOn_ = value; }
    TTrayIconMessage PopupMenuOn() const noexcept { return popupMenuOn_; }
    void SetPopupMenuOn(TTrayIconMessage value) noexcept { popupMenuOn_ = value; }
    TImageList* Icons() const noexcept { return icons_; }
    void SetIcons(TImageList* value) noexcept { icons_ = value; }
    int IconIndex() const noexcept { return iconIndex_; }
    virtual void SetIconIndex(int index);
    int GetAnimateInterval() const;
    void SetAnimateInterval(int value);
    bool GetAnimate() const noexcept { return animate_; }
    void SetAnimate(bool value);
    // The hidden window's handle; zero in design mode.
    THandleValue GetHandle() const noexcept;

    // Writes the published property name from its layout text (for a layout loader, between
    // BeginLoading and Loaded). An unknown name or a value that does not fit raises Exception.
    // Icons and PopupMenu are references: the loader sets them once the whole layout is read.
    void ReadProperty(std::string_view name, std::string_view value);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

    // Every message of the hidden window.
    virtual void DoMessage(TMessage& message);
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // One animation step (the timer's tick).
    virtual void DoOnAnimate(TObject* sender);
    virtual void Minimize();
    virtual void Restore();
    // Hands the current picture (and, while shown, the record) to the shell.
    virtual void Update();
    virtual void ShowMenu();
    virtual void SetDefaultIcon();

    void EndSession();
    TShiftState ShiftState();
    // The application's main-window hook while the icon is shown; never handles the message.
    bool ApplicationHookProc(TMessage& message);

    // The record handed to the shell (for inspection).
    const TNotifyIconData& NotifyIconData() const noexcept { return data_; }
    // The picture that is shown.
    const TIcon& IconCopy() const noexcept { return *iconCopy_; }

    // Events. OnMouseEnter, OnMouseExit, OnCreate, OnDestroy, OnActivate and OnDeactivate are
    // kept for layouts that set them and are never raised; OnAnimate holds the animation step
    // from construction, and writing it changes nothing the timer does.
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TMouseMoveEvent OnMouseMove;
    TMouseMoveEvent OnMouseExit;
    TMouseMoveEvent OnMouseEnter;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;  // not published; code may set it
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnAnimate;
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

  private:
    void FetchImage(int index);
    void MouseNotification(std::intptr_t mouseMessage);
    [[noreturn]] void RaiseShellError(int stringId);

    TrayServices& services_;
    TNotifyIconData data_{};
    std::unique_ptr<TIcon> iconCopy_;
    TImageList* icons_ = nullptr;      // not owned
    TPopupMenu* popupMenu_ = nullptr;  // not owned
    std::unique_ptr<TTimer> timer_;
    std::unique_ptr<TMessageWindow> window_;
    std::string hint_;
    int iconIndex_ = 0;
    bool visible_ = false;
    bool hide_ = true;
    bool animate_ = false;
    TTrayIconMessage restoreOn_ = imDoubleClick;
    TTrayIconMessage popupMenuOn_ = imNone;
    TWindowHook hook_;
    // Entries of hook_ in the application's list; a destroyed component takes them all out.
    int hookEntries_ = 0;
};
