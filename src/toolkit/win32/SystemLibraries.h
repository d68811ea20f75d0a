#pragma once
// The common controls and the shell, bound when first needed rather than when the program is
// loaded: the shell's library and what it pulls in are read only once the notification icon is
// shown, after the window is up. The libraries stay loaded to the program's end.

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

struct TCommonControls {
    BOOL(WINAPI* InitCommonControlsEx)(const INITCOMMONCONTROLSEX*);
};

// The common controls' functions; raises Exception when the desktop has no such library.
const TCommonControls& CommonControls();

using TShellNotifyIcon = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
// Shell_NotifyIconA; raises Exception when the desktop has no shell.
TShellNotifyIcon ShellNotifyIconFunction();
