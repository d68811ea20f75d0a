#include "win32/WindowQuery.h"

namespace e2e {

namespace {

constexpr UINT kAnswerTimeoutMs = 2000;

struct DescendantSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<DescendantSearch*>(param);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct TopLevelSearch {
    DWORD pid;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid &&
        (search->className == nullptr || ClassOf(window) == search->className)) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                             &length)) {
        return "<no answer>";
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied)) {
        return "<no answer>";
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, static_cast<int>(sizeof name));
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0U);
}

HWND FindDescendant(HWND ancestor, int id) {
    DescendantSearch search{id, nullptr};
    EnumChildWindows(ancestor, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> TopLevelWindowsOf(DWORD pid, const char* className) {
    TopLevelSearch search{pid, className, {}};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT RectInClientOf(HWND window, HWND ancestor) {
    RECT r = ScreenRectOf(window);
    MapWindowPoints(HWND_DESKTOP, ancestor, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace e2e
