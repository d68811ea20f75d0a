#pragma once
// The application object as the notification-area icon sees it.

#include "toolkit/win32/Application.h"
#include "toolkit/win32/Win32Icon.h"
#include "trayicon/TrayServices.h"

class ApplicationTrayAdapter : public TrayApplication {
  public:
    explicit ApplicationTrayAdapter(TApplication& application);

    const TIcon& Icon() const override { return icon_; }
    THandleValue Handle() const override;
    void Minimize() override { application_.Minimize(); }
    void Restore() override { application_.Restore(); }
    void HookMainWindow(const TWindowHook& hook) override { application_.HookMainWindow(hook); }
    void UnhookMainWindow(const TWindowHook& hook) override { application_.UnhookMainWindow(hook); }
    THandleValue ActiveFormHandle() const override;

  private:
    TApplication& application_;  // outlives the adapter
    Win32Icon icon_;
};
