#include "toolkit/win32/Controls.h"

#include <commctrl.h>

#include <cctype>
#include <utility>

#include "base/Exception.h"
#include "toolkit/win32/Application.h"
#include "toolkit/win32/CharMessage.h"
#include "toolkit/win32/Form.h"

namespace {

constexpr const char* kControlProperty = "QuorlinControl";

}  // namespace

TControl::TControl(TForm& form, const ControlDesc& desc, Bounds bounds)
    : initialBounds_(bounds), form_(form), desc_(desc) {}

TControl::~TControl() = default;

TControl* TControl::FromHandle(HWND window) {
    return window ? static_cast<TControl*>(GetPropA(window, kControlProperty)) : nullptr;
}

void TControl::Attach(HWND handle) {
    handle_ = handle;
    SetPropA(handle, kControlProperty, this);
}

HWND TControl::CreateWindowOf(const char* className, DWORD style, DWORD exStyle, HWND parent,
                              const std::string& text, void* createParam) {
    const Bounds& b = initialBounds_;
    HWND h = CreateWindowExA(exStyle, className, text.c_str(), style, b.left, b.top, b.width,
                             b.height, parent, reinterpret_cast<HMENU>(INT_PTR{desc_.id}),
                             GetModuleHandleA(nullptr), createParam);
    if (!h)
        throw Exception("Cannot create the window of " + std::string(desc_.name));
    return h;
}

void TControl::CreateOwnClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                              const std::string& text) {
    // The window procedure attaches this object at WM_NCCREATE.
    CreateWindowOf(className, style, exStyle, parent, text, this);
}

void TControl::CreateSystemClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                                 const std::string& text) {
    HWND h = CreateWindowOf(className, style, exStyle, parent, text, nullptr);
    Attach(h);
    SetWindowSubclass(h, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    subclassed_ = true;
}

LRESULT CALLBACK TControl::OwnClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        static_cast<TControl*>(cs->lpCreateParams)->Attach(hwnd);
    }
    TControl* control = FromHandle(hwnd);
    if (!control)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    return control->Dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK TControl::SubclassProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR refData) {
    return reinterpret_cast<TControl*>(refData)->Dispatch(msg, wParam, lParam);
}

// Every message of a toolkit window passes here: no error may leave a window procedure, so an
// error of a handler goes to the application's error display and the message ends.
LRESULT TControl::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCDESTROY) {
        HWND h = handle_;
        RemovePropA(h, kControlProperty);
        if (subclassed_)
            RemoveWindowSubclass(h, SubclassProc, 1);
        handle_ = nullptr;
        return subclassed_ ? DefSubclassProc(h, msg, wParam, lParam)
                           : DefWindowProcA(h, msg, wParam, lParam);
    }
    try {
        return WndProc(msg, wParam, lParam);
    } catch (...) {
        Application().HandleException(this);
        return 0;
    }
}

LRESULT TControl::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return subclassed_ ? DefSubclassProc(handle_, msg, wParam, lParam)
                       : DefWindowProcA(handle_, msg, wParam, lParam);
}

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY: {
            HWND child = msg == WM_COMMAND ? reinterpret_cast<HWND>(lParam)
                                           : reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
            LRESULT result = 0;
            if (TControl* c = FromHandle(child);
                c && c != this && c->Reflect(msg, wParam, lParam, result)) {
                return result;
            }
            break;
        }
        case WM_SETFOCUS:
            form_.FocusChanged(this);
            break;
        default:
            break;
    }
    return CallDefault(msg, wParam, lParam);
}

bool TControl::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT TControl::KeyboardProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CHAR: {
            // The key rules see the byte of the user's code page (a double-byte character by its
            // lead byte); a character they leave as it is goes on exactly as it came.
            const bool unicode = IsWindowUnicode(handle_) != FALSE;
            const char typed = CharMessageBytes(wParam, unicode)[0];
            char c = typed;
            // A replacement stands in for a typed character only, never for a control
            // character such as the paste of Ctrl+V.
            const char replacement = std::exchange(pendingChar_, '\0');
            if (replacement && static_cast<unsigned char>(c) >= 0x20)
                c = replacement;
            if (OnKeyPress) {
                OnKeyPress(*this, c);
                if (c == '\0')
                    return 0;
            }
            return CallDefault(msg, c == typed ? wParam : CharMessageOf(c, unicode), lParam);
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const LRESULT r = CallDefault(msg, wParam, lParam);
            if (OnKeyUp)
                OnKeyUp(*this, static_cast<TKey>(wParam));
            return r;
        }
        default:
            return TControl::WndProc(msg, wParam, lParam);
    }
}

std::string TControl::Text() const {
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void TControl::SetText(const std::string& text) {
    if (Text() == text)
        return;
    SetWindowTextA(handle_, text.c_str());
    // An edit being typed in keeps its caret after the text, where the user left off.
    if (GetFocus() == handle_ && (desc_.kind == ControlKind::Edit)) {
        SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(text.size()),
                     static_cast<LPARAM>(text.size()));
    }
}

bool TControl::Visible() const {
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    if (visible) {
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        return;
    }
    const HWND focus = GetFocus();
    const bool hadFocus = focus == handle_ || IsChild(handle_, focus);
    ShowWindow(handle_, SW_HIDE);
    // The focus does not stay in a hidden control: it goes on to the next one Tab reaches now.
    if (hadFocus)
        form_.FocusNext(true);
}

Bounds TControl::BoundsRect() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TControl::SetBounds(const Bounds& b) {
    SetWindowPos(handle_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SetTop(int top) {
    Bounds b = BoundsRect();
    b.top = top;
    SetBounds(b);
}

void TControl::SetFont(HFONT font) {
    font_ = font;
    if (handle_)
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void RegisterToolkitClasses(HINSTANCE instance) {
    for (const char* name : {kPanelClass, kLabelClass, kImageClass}) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = TControl::OwnClassProcAddress();
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        RegisterClassExA(&wc);
    }
}
