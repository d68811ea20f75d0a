#include "win32/Input.h"

#include <vector>

#include "win32/Wait.h"

namespace e2e {

namespace {

// Joins the driver's input state to the program's thread while it lives, so SetFocus may name
// a window of that thread.
class ThreadInputLink {
  public:
    explicit ThreadInputLink(DWORD otherThread)
        : own_(GetCurrentThreadId()),
          other_(otherThread),
          linked_(AttachThreadInput(own_, other_, TRUE) != FALSE) {}
    ~ThreadInputLink() {
        if (linked_) {
            AttachThreadInput(own_, other_, FALSE);
        }
    }
    ThreadInputLink(const ThreadInputLink&) = delete;
    ThreadInputLink& operator=(const ThreadInputLink&) = delete;

  private:
    DWORD own_;
    DWORD other_;
    bool linked_;
};

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0U;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

HWND FocusedWindowOf(HWND anyWindowOfThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool FocusControl(HWND control) {
    const HWND top = GetAncestor(control, GA_ROOT);
    // Asked again while it does not hold: a program that is still starting may move the focus
    // itself when its window is activated.
    return WaitUntil([&] {
        if (GetForegroundWindow() != top) {
            SetForegroundWindow(top);
        }
        if (FocusedWindowOf(control) != control) {
            ThreadInputLink link(GetWindowThreadProcessId(control, nullptr));
            SetFocus(control);
        }
        return GetForegroundWindow() == top && FocusedWindowOf(control) == control;
    });
}

void PressKey(WORD virtualKey, int times) {
    for (int i = 0; i < times; ++i) {
        Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
    }
}

int KeyMessagesOf(const std::string& text) {
    int count = 0;
    for (const char c : text)
        count += (HIBYTE(VkKeyScanA(c)) & 1) != 0 ? 4 : 2;
    return count;
}

void TypeText(const std::string& text) {
    for (const char c : text) {
        const SHORT scan = VkKeyScanA(c);
        const auto key = static_cast<WORD>(LOBYTE(scan));
        if ((HIBYTE(scan) & 1) != 0) {
            Send({KeyInput(VK_SHIFT, false), KeyInput(key, false), KeyInput(key, true),
                  KeyInput(VK_SHIFT, true)});
        } else {
            Send({KeyInput(key, false), KeyInput(key, true)});
        }
    }
}

void PressChord(WORD modifier, WORD key) {
    Send({KeyInput(modifier, false), KeyInput(key, false), KeyInput(key, true),
          KeyInput(modifier, true)});
}

void TypeCharacter(wchar_t character) {
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = static_cast<WORD>(character);
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    Send({down, up});
}

void ClickCentre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int x = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = (x * 65535 + screenWidth / 2) / (screenWidth - 1);
    move.mi.dy = (y * 65535 + screenHeight / 2) / (screenHeight - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    INPUT up = move;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    Send({move, down, up});
}

}  // namespace e2e
