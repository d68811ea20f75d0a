#pragma once
// The application object: its hidden top-level window that carries the task-bar entry and owns
// the main window, its title, minimise and restore of the whole application, the main-window
// hook list, and the message loop's building blocks.

#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "toolkit/WindowHook.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/WindowObject.h"

class TControl;
class TForm;

class TApplication : private TWindowObject {
  public:
    TApplication();
    ~TApplication();

    // Registers the window classes and creates the application's window.
    void Initialize();
    // Run when the desktop announces that the user's regional settings changed.
    void SetOnRegionalSettingsChange(std::function<void()> handler) {
        onRegionalSettingsChange_ = std::move(handler);
    }

    HWND Handle() const { return window_.Get(); }
    HICON Icon() const { return icon_; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // The first form created through the application becomes its main window. The form's
    // constructor takes the reference and assigns it before anything else, so its creation
    // handler can reach the form through it; a failed construction sets it back to null.
    template <typename Form, typename... Args>
    Form& CreateForm(Form*& reference, Args&&... args) {
        try {
            auto form = std::make_unique<Form>(*this, reference, std::forward<Args>(args)...);
            Form& result = *form;
            AdoptForm(std::move(form));
            return result;
        } catch (...) {
            reference = nullptr;
            throw;
        }
    }
    TForm* MainForm() const { return mainForm_; }
    // The first form whose construction begins becomes the main window.
    void FormConstructing(TForm* form);

    void Minimize();
    void Restore();
    bool IsMinimized() const;

    // Hooks see every message of the application's window first, in the order added; removal
    // takes out the first equal entry.
    void HookMainWindow(const TWindowHook& hook) { hooks_.Add(hook); }
    void UnhookMainWindow(const TWindowHook& hook) { hooks_.Remove(hook); }

    // One pass of the loop: takes a message, dispatches it; false when the queue was empty.
    bool ProcessMessage();
    // Keys held down now (closing a modal box) have their next release ignored.
    void IgnoreReleasesOfKeysDown();
    // Idle processing: the tasks waiting for the queue to empty, or else a wait for the next
    // message.
    void Idle();
    // Runs `task` once, the next time the queue is empty (the first time, once the main window
    // is shown and painted). An error it raises goes where the loop's errors go.
    void WhenIdle(std::function<void()> task) { idleTasks_.push_back(std::move(task)); }
    bool Terminated() const { return terminated_; }
    void Terminate();

    // The error routine for errors that escape a handler: set by the program.
    using ErrorRoutine = std::function<void(void* sender, std::exception_ptr error)>;
    void SetErrorRoutine(ErrorRoutine routine) { errorRoutine_ = std::move(routine); }
    // Passes the exception being handled to the error routine. Call only inside a catch block.
    void HandleException(void* sender);
    // Passes an error caught elsewhere to the error routine.
    void RouteError(void* sender, std::exception_ptr error);

    // The window that has the focus among the application's windows, or null.
    HWND ActiveFormWindow() const;

  private:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void AdoptForm(std::unique_ptr<TForm> form);
    bool SwallowReleaseOfModalKey(const MSG& msg);

    UniqueWindow window_;
    HICON icon_ = nullptr;  // a shared resource icon, not destroyed
    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;  // one of forms_
    TWindowHookList hooks_;
    std::vector<HWND> hiddenByMinimize_;  // the application's windows, not owned
    std::set<WPARAM> keysHeldFromModal_;
    bool terminated_ = false;
    ErrorRoutine errorRoutine_;
    std::function<void()> onRegionalSettingsChange_;
    std::vector<std::function<void()>> idleTasks_;
    UINT liveHandlesMessage_ = 0;
    UINT keysTakenMessage_ = 0;
    UINT heapInUseMessage_ = 0;
    unsigned long keysTaken_ = 0;
    UINT clicksTakenMessage_ = 0;
    unsigned long clicksTaken_ = 0;
};

// The process's one application object.
TApplication& Application();
