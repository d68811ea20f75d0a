#include "toolkit/win32/Application.h"

#include <algorithm>
#include <cstring>

#include "base/Exception.h"
#include "toolkit/win32/Controls.h"
#include "toolkit/win32/Form.h"
#include "toolkit/win32/SystemLibraries.h"
#include "toolkit/win32/WindowClasses.h"

namespace {

constexpr const char* kApplicationClass = "TApplication";
TApplication* g_application = nullptr;

}  // namespace

TApplication& Application() {
    return *g_application;
}

void RouteWindowError(void* sender) {
    if (g_application)
        g_application->HandleException(sender);
}

TApplication::TApplication() {
    g_application = this;
}

TApplication::~TApplication() {
    forms_.clear();
    window_.Reset();
    if (g_application == this)
        g_application = nullptr;
}

void TApplication::Initialize() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    CommonControls().InitCommonControlsEx(&icc);
    RegisterToolkitClasses(instance);
    liveHandlesMessage_ = RegisterWindowMessageA(kLiveHandlesMessage);
    keysTakenMessage_ = RegisterWindowMessageA(kKeysTakenMessage);
    clicksTakenMessage_ = RegisterWindowMessageA(kClicksTakenMessage);
    heapInUseMessage_ = RegisterWindowMessageA(kHeapInUseMessage);

    icon_ = LoadIconA(instance, "MAINICON");
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ClassProcedure();
    wc.hInstance = instance;
    wc.hIcon = icon_;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kApplicationClass;
    RegisterClassExA(&wc);

    // A zero-size window in the middle of the screen: it is never seen, only its task-bar entry.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    HWND h =
        CreateObjectWindow(0, kApplicationClass, title_.c_str(),
                           WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x,
                           y, 0, 0, nullptr, nullptr);
    if (!h)
        throw Exception("Cannot create the application window");
    window_.Reset(h);
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_)
        SetWindowTextA(window_.Get(), title_.c_str());
}

void TApplication::FormConstructing(TForm* form) {
    if (!mainForm_)
        mainForm_ = form;
}

void TApplication::AdoptForm(std::unique_ptr<TForm> form) {
    forms_.push_back(std::move(form));
}

bool TApplication::IsMinimized() const {
    return IsIconic(window_.Get()) != FALSE;
}

void TApplication::Minimize() {
    if (IsMinimized())
        return;
    // The application's windows go with it; restore brings back the ones that were showing.
    hiddenByMinimize_.clear();
    for (const auto& form : forms_) {
        if (IsWindowVisible(form->Handle())) {
            hiddenByMinimize_.push_back(form->Handle());
            ShowWindow(form->Handle(), SW_HIDE);
        }
    }
    ShowWindow(window_.Get(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (!IsMinimized())
        return;
    ShowWindow(window_.Get(), SW_RESTORE);
    if (mainForm_ && std::find(hiddenByMinimize_.begin(), hiddenByMinimize_.end(),
                               mainForm_->Handle()) == hiddenByMinimize_.end()) {
        hiddenByMinimize_.push_back(mainForm_->Handle());
    }
    for (HWND h : hiddenByMinimize_) {
        if (IsWindow(h))
            ShowWindow(h, SW_SHOW);
    }
    hiddenByMinimize_.clear();
    if (mainForm_)
        SetActiveWindow(mainForm_->Handle());
}

HWND TApplication::ActiveFormWindow() const {
    HWND active = GetActiveWindow();
    for (const auto& form : forms_) {
        if (form->Handle() == active)
            return active;
    }
    return nullptr;
}

void TApplication::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::HandleException(void* sender) {
    RouteError(sender, std::current_exception());
}

void TApplication::RouteError(void* sender, std::exception_ptr error) {
    if (errorRoutine_) {
        errorRoutine_(sender, std::move(error));
    }
}

bool TApplication::ProcessMessage() {
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN ||
        msg.message == WM_SYSKEYUP) {
        ++keysTaken_;
    } else if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDBLCLK) {
        ++clicksTaken_;
    }
    if (SwallowReleaseOfModalKey(msg))
        return true;
    for (const auto& form : forms_) {
        if (form->Handle() && form->PreTranslate(msg))
            return true;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

// The thread's own key state: down for a key whose press the box took and whose release is
// still to come, even when that release already waits in the queue.
void TApplication::IgnoreReleasesOfKeysDown() {
    for (int key = 1; key < 256; ++key) {
        if (GetKeyState(key) < 0)
            keysHeldFromModal_.insert(static_cast<WPARAM>(key));
    }
}

// The key that closed a modal box (Enter, Space, Escape) is released after the box is gone; its
// release belongs to the box, not to the field that has the focus again. Without this, a field
// whose text does not convert would raise its error again at once, for every key that closes it.
bool TApplication::SwallowReleaseOfModalKey(const MSG& msg) {
    if (keysHeldFromModal_.empty())
        return false;
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            keysHeldFromModal_.erase(msg.wParam);
            return false;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return keysHeldFromModal_.erase(msg.wParam) > 0;
        default:
            return false;
    }
}

void TApplication::Idle() {
    if (!idleTasks_.empty()) {
        // Taken out first: a task may add others, and the loop looks at the queue again before
        // anything waits.
        std::vector<std::function<void()>> tasks;
        tasks.swap(idleTasks_);
        for (auto& task : tasks)
            task();
        return;
    }
    if (!terminated_)
        WaitMessage();
}

LRESULT TApplication::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The window's own messages while it is being made get the default handling.
    if (!window_)
        return DefaultHandling(msg, wParam, lParam);
    if (msg == keysTakenMessage_ && keysTakenMessage_ != 0)
        return static_cast<LRESULT>(keysTaken_);
    if (msg == clicksTakenMessage_ && clicksTakenMessage_ != 0)
        return static_cast<LRESULT>(clicksTaken_);
    if (msg == heapInUseMessage_ && heapInUseMessage_ != 0)
        return static_cast<LRESULT>(HeapBytesInUse());
    if (msg == liveHandlesMessage_ && liveHandlesMessage_ != 0) {
        return wParam < static_cast<WPARAM>(HandleKind::Count)
                   ? LiveHandles(static_cast<HandleKind>(wParam))
                   : -1;
    }
    // The hooks see the message first.
    TMessage message{msg, wParam, static_cast<std::intptr_t>(lParam), 0};
    if (hooks_.Offer(message))
        return static_cast<LRESULT>(message.Result);
    switch (msg) {
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MINIMIZE:
                    Minimize();
                    return 0;
                case SC_RESTORE:
                    Restore();
                    return 0;
                case SC_CLOSE:
                    if (mainForm_)
                        mainForm_->Close();
                    return 0;
                default:
                    break;
            }
            break;
        case WM_CLOSE:
            if (mainForm_)
                mainForm_->Close();
            return 0;
        case WM_SETTINGCHANGE:
            if (lParam && std::strcmp(reinterpret_cast<const char*>(lParam), "intl") == 0 &&
                onRegionalSettingsChange_) {
                onRegionalSettingsChange_();
            }
            break;
        case WM_SETFOCUS:
            // Activating the task-bar entry gives the focus to the main window.
            if (mainForm_ && IsWindowVisible(mainForm_->Handle())) {
                SetFocus(mainForm_->Handle());
                return 0;
            }
            break;
        default:
            break;
    }
    return DefaultHandling(msg, wParam, lParam);
}
