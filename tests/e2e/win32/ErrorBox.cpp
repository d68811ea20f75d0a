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

std::vector<std::string> ErrorBoxButtons(HWND box) {
    std::vector<std::string> texts;
    for (HWND child : ChildrenOf(box)) {
        if (ClassOf(child) == "Button" && IsWindowVisible(child)) {
            texts.push_back(TextOf(child));
        }
    }
    return texts;
}

bool ShowsStopIcon(HWND box) {
    const HWND iconControl = IconControlOf(box);
    if (iconControl == nullptr) {
        return false;
    }
    const HICON stop = LoadIconA(nullptr, MAKEINTRESOURCEA(32513));  // IDI_HAND
    RECT area = ScreenRectOf(iconControl);
    area.right = area.left + GetSystemMetrics(SM_CXICON);
    area.bottom = area.top + GetSystemMetrics(SM_CYICON);
    return WaitUntil([&] { return ScreenShowsIcon(area, stop); });
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
