#include "win32/ErrorBox.h"

#include "win32/Input.h"
#include "win32/Screen.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

struct ChildList {
    std::vector<HWND> children;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<ChildList*>(param)->children.push_back(window);
    return TRUE;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    ChildList list;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&list));
    return list.children;
}

HWND IconControlOf(HWND box) {
    for (HWND child : ChildrenOf(box)) {
        const auto style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        if (ClassOf(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<HWND> VisibleErrorBoxes(DWORD pid) {
    std::vector<HWND> boxes;
    for (HWND window : TopLevelWindowsOf(pid, "#32770")) {
        if (IsWindowVisible(window)) {
            boxes.push_back(window);
        }
    }
    return boxes;
}

HWND WaitForErrorBox(DWORD pid) {
    HWND box = nullptr;
    WaitUntil([&] {
        const auto boxes = VisibleErrorBoxes(pid);
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr;
    });
    return box;
}

std::string ErrorBoxMessage(HWND box) {
    const HWND text = GetDlgItem(box, kMessageTextId);
    return text == nullptr ? std::string("<no message text>") : TextOf(text);
}

std::vector<int> ErrorBoxButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child : ChildrenOf(box)) {
        if (ClassOf(child) == "Button" && IsWindowVisible(child)) {
            ids.push_back(GetDlgCtrlID(child));
        }
    }
    return ids;
}

bool ShowsStopIcon(HWND box) {
    const HWND iconControl = IconControlOf(box);
    if (iconControl == nullptr) {
        return false;
    }
    const HICON stop = LoadIconA(nullptr, MAKEINTRESOURCEA(32513));  // IDI_HAND
    const RECT control = ScreenRectOf(iconControl);
    RECT left = control;
    left.right = left.left + GetSystemMetrics(SM_CXICON);
    left.bottom = left.top + GetSystemMetrics(SM_CYICON);
    // A right-to-left box (a Hebrew or Arabic desktop) draws it mirrored, from the right edge.
    RECT right = left;
    right.right = control.right;
    right.left = control.right - GetSystemMetrics(SM_CXICON);
    const bool rightToLeft = (GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    return WaitUntil([&] {
        return rightToLeft ? ScreenShowsIcon(right, stop, true) || ScreenShowsIcon(left, stop, true)
                           : ScreenShowsIcon(left, stop);
    });
}

bool PressOk(HWND box) {
    // A click, as most users close it (the keys that close it have their own scenario).
    const HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr) {
        return false;
    }
    const auto closed = [&] { return IsWindow(box) == FALSE || IsWindowVisible(box) == FALSE; };
    // On a loaded machine a click can reach the box before it takes input: click again while
    // it is still there.
    for (int attempt = 0; attempt < 5; ++attempt) {
        ClickCentre(ok);
        if (WaitUntil(closed, std::chrono::milliseconds(3000))) {
            return true;
        }
    }
    return false;
}

}  // namespace e2e
