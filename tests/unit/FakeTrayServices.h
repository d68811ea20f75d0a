#pragma once
// A recording stand-in for the desktop and the application: every call the tray icon makes is
// written to one log, in order, so tests can check both what happened and when.

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/ImageList.h"
#include "toolkit/PopupMenu.h"
#include "trayicon/TrayServices.h"

using CallLog = std::vector<std::string>;

class FakeIcon : public TIcon {
  public:
    explicit FakeIcon(THandleValue handle = 0) : handle_(handle) {}
    void Assign(const TIcon& source) override { handle_ = source.Handle(); }
    void Clear() override { handle_ = 0; }
    THandleValue Handle() const override { return handle_; }
    void Set(THandleValue handle) { handle_ = handle; }

  private:
    THandleValue handle_;
};

class FakeTimer : public TTimer {
  public:
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool value) override { enabled_ = value; }
    int Interval() const override { return interval_; }
    void SetInterval(int value) override { interval_ = value; }
    void SetOnTimer(TNotifyEvent handler) override { handler_ = std::move(handler); }
    // What the message loop does when the interval has passed.
    void Tick() {
        if (enabled_ && handler_) {
            handler_(this);
        }
    }

  private:
    bool enabled_ = true;  // a real timer starts enabled: the component must switch it off
    int interval_ = 0;
    TNotifyEvent handler_;
};

// Image i has the icon handle kFirstImage + i.
class FakeImageList : public TImageList {
  public:
    static constexpr THandleValue kFirstImage = 200;
    FakeImageList(TComponent* owner, int count) : TImageList(owner), count_(count) {}
    int Count() const override { return count_; }
    void GetIcon(int index, TIcon& icon) const override {
        // A list only ever hands out its own images; the component must not ask for others.
        if (index < 0 || index >= count_) {
            throw std::out_of_range("image index");
        }
        static_cast<FakeIcon&>(icon).Set(kFirstImage + static_cast<THandleValue>(index));
    }

  private:
    int count_;
};

class FakePopupMenu : public TPopupMenu {
  public:
    FakePopupMenu(TComponent* owner, CallLog& log) : TPopupMenu(owner), log_(log) {}
    void Popup(int x, int y) override {
        log_.push_back("popup " + std::to_string(x) + "," + std::to_string(y));
    }

  private:
    CallLog& log_;
};

class FakeMessageWindow : public TMessageWindow {
  public:
    FakeMessageWindow(THandleValue handle, TMessageHandler handler, CallLog& log)
        : handle_(handle), handler_(std::move(handler)), log_(log) {}
    ~FakeMessageWindow() override { log_.push_back("window destroyed"); }
    THandleValue Handle() const override { return handle_; }
    // Delivers one message as the window procedure would and gives its result.
    std::intptr_t Send(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
        TMessage message{msg, wParam, lParam, 0};
        handler_(message);
        return message.Result;
    }

  private:
    THandleValue handle_;
    TMessageHandler handler_;
    CallLog& log_;
};

class FakeApplication : public TrayApplication {
  public:
    static constexpr THandleValue kWindow = 10;
    static constexpr THandleValue kIcon = 100;

    explicit FakeApplication(CallLog& log) : log_(log) {}
    const TIcon& Icon() const override { return icon_; }
    THandleValue Handle() const override { return kWindow; }
    void Minimize() override { log_.push_back("app minimize"); }
    void Restore() override { log_.push_back("app restore"); }
    void HookMainWindow(const TWindowHook& hook) override {
        log_.push_back("hook add");
        hooks.Add(hook);
    }
    void UnhookMainWindow(const TWindowHook& hook) override {
        log_.push_back("hook remove");
        hooks.Remove(hook);
    }
    THandleValue ActiveFormHandle() const override { return activeForm; }

    // A system command reaching the application's window.
    bool SysCommand(std::uintptr_t command) {
        TMessage message{kWmSysCommand, command, 0, 0};
        return hooks.Offer(message);
    }

    TWindowHookList hooks;
    THandleValue activeForm = 0;

  private:
    CallLog& log_;
    FakeIcon icon_{kIcon};
};

class FakeTrayServices : public TrayServices {
  public:
    FakeTrayServices() : application(log) {}

    TrayApplication& Application() override { return application; }

    bool ShellNotifyIcon(TNotifyIconOperation operation, const TNotifyIconData& data) override {
        static const char* const kNames[] = {"add", "modify", "delete"};
        log.push_back(std::string("shell ") + kNames[operation]);
        last = data;
        const auto key = std::make_pair(data.hWnd, data.uID);
        // As the shell does: one icon per window and number.
        switch (operation) {
            case nimAdd:
                return !refuseAll && shown.insert(key).second;
            case nimModify:
                return shown.count(key) != 0;
            case nimDelete:
                return !refuseAll && shown.erase(key) != 0;
        }
        return false;
    }

    std::unique_ptr<TMessageWindow> CreateMessageWindow(TMessageHandler handler) override {
        auto window = std::make_unique<FakeMessageWindow>(nextWindow++, std::move(handler), log);
        windows.push_back(window.get());
        return window;
    }

    std::int16_t GetKeyState(std::int32_t virtualKey) override {
        log.push_back("key " + std::to_string(virtualKey));
        return keysDown.count(virtualKey) != 0 ? std::int16_t{-128} : std::int16_t{1};
    }
    TPoint GetCursorPos() override {
        log.push_back("cursor");
        return cursor;
    }
    void ShowWindow(THandleValue window, int command) override {
        log.push_back("show " + std::to_string(window) + " " + std::to_string(command));
    }
    void SetForegroundWindow(THandleValue window) override {
        log.push_back("foreground " + std::to_string(window));
    }
    std::unique_ptr<TIcon> CreateIcon() override { return std::make_unique<FakeIcon>(); }
    std::unique_ptr<TTimer> CreateTimer() override {
        auto timer = std::make_unique<FakeTimer>();
        timers.push_back(timer.get());
        return timer;
    }

    std::size_t Count(const std::string& entry) const {
        return static_cast<std::size_t>(std::count(log.begin(), log.end(), entry));
    }

    CallLog log;
    FakeApplication application;
    std::set<std::pair<THandleValue, THandleValue>> shown;
    TNotifyIconData last{};
    bool refuseAll = false;
    std::set<std::int32_t> keysDown;
    TPoint cursor{40, 7};
    THandleValue nextWindow = 500;
    std::vector<FakeMessageWindow*> windows;  // not owned
    std::vector<FakeTimer*> timers;           // not owned
};
