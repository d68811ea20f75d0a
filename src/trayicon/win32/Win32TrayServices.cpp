#include "trayicon/win32/Win32TrayServices.h"

#include <shellapi.h>

#include <cstddef>
#include <cstring>
#include <utility>

#include "toolkit/win32/HandleValue.h"
#include "toolkit/win32/SystemLibraries.h"
#include "toolkit/win32/Win32Icon.h"
#include "toolkit/win32/Win32Timer.h"

// The record goes to the shell in the form the platform-free record describes, the one that ends
// before guidItem: the platform's record is longer (it has grown since), and the size field tells
// the shell which form it gets. That form is 488 bytes on 32-bit Windows and longer on 64-bit
// Windows, whose handles are wider.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V2_SIZE == kNotifyIconDataSize);
static_assert(sizeof(NOTIFYICONDATAA::szTip) == sizeof(TNotifyIconData::szTip));
static_assert(sizeof(NOTIFYICONDATAA::szInfo) == sizeof(TNotifyIconData::szInfo));
static_assert(sizeof(NOTIFYICONDATAA::szInfoTitle) == sizeof(TNotifyIconData::szInfoTitle));
static_assert(NIM_ADD == nimAdd && NIM_MODIFY == nimModify && NIM_DELETE == nimDelete);
static_assert(NIF_MESSAGE == kNifMessage && NIF_ICON == kNifIcon && NIF_TIP == kNifTip);
static_assert(SW_HIDE == kSwHide && SW_RESTORE == kSwRestore);
static_assert(VK_SHIFT == kVkShiftKey && VK_CONTROL == kVkControlKey && VK_MENU == kVkMenuKey);

namespace {

bool CallShell(TNotifyIconOperation operation, const TNotifyIconData& data) {
    NOTIFYICONDATAA record{};
    // The shell's size of the form the caller chose (the only one it builds).
    record.cbSize = data.cbSize == kNotifyIconDataSize ? static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE)
                                                       : data.cbSize;
    record.hWnd = FromHandleValue<HWND>(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = FromHandleValue<HICON>(data.hIcon);
    std::memcpy(record.szTip, data.szTip, sizeof record.szTip);
    record.dwState = data.dwState;
    record.dwStateMask = data.dwStateMask;
    std::memcpy(record.szInfo, data.szInfo, sizeof record.szInfo);
    record.uTimeout = data.uTimeoutOrVersion;
    std::memcpy(record.szInfoTitle, data.szInfoTitle, sizeof record.szInfoTitle);
    record.dwInfoFlags = data.dwInfoFlags;
    return ShellNotifyIconFunction()(static_cast<DWORD>(operation), &record) != FALSE;
}

}  // namespace

Win32TrayServices::Win32TrayServices(TrayApplication& application, HINSTANCE instance)
    : application_(application), instance_(instance), shell_(CallShell) {}

bool Win32TrayServices::ShellNotifyIcon(TNotifyIconOperation operation,
                                        const TNotifyIconData& data) {
    return shell_.Call(operation, data);
}

std::unique_ptr<TMessageWindow> Win32TrayServices::CreateMessageWindow(TMessageHandler handler) {
    return std::make_unique<Win32MessageWindow>(instance_, Win32MessageWindow::Kind::TopLevel,
                                                std::move(handler));
}

std::int16_t Win32TrayServices::GetKeyState(std::int32_t virtualKey) {
    return ::GetKeyState(virtualKey);
}

TPoint Win32TrayServices::GetCursorPos() {
    POINT point{};
    if (::GetCursorPos(&point) == FALSE) {
        return {};
    }
    return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

void Win32TrayServices::ShowWindow(THandleValue window, int command) {
    ::ShowWindow(FromHandleValue<HWND>(window), command);
}

void Win32TrayServices::SetForegroundWindow(THandleValue window) {
    ::SetForegroundWindow(FromHandleValue<HWND>(window));
}

std::unique_ptr<TIcon> Win32TrayServices::CreateIcon() {
    return std::make_unique<Win32Icon>();
}

std::unique_ptr<TTimer> Win32TrayServices::CreateTimer() {
    return std::make_unique<Win32Timer>(instance_);
}

std::string Win32TrayServices::ResourceString(int id) {
    char text[256];
    const int length = LoadStringA(instance_, static_cast<UINT>(id), text, sizeof text);
    if (length <= 0) {
        return DefaultTrayIconText(id);
    }
    return std::string(text, static_cast<std::size_t>(length));
}
