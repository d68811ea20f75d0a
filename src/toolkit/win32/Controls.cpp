#include "toolkit/win32/Controls.h"

#include <commctrl.h>

#include <utility>

#include "base/Exception.h"
#include "toolkit/win32/CharMessage.h"
#include "toolkit/win32/Form.h"

TControl::TControl(TForm& form, const ControlDesc& desc, Bounds bounds)
    : initialBounds_(bounds), form_(form), desc_(desc) {}

// The window is the parent's: it goes with the form's window, before the control objects.
TControl::~TControl() = default;

TControl* TControl::ControlOf(HWND window) {
    TWindowObject* object = FromHandle(window);
    return object ? object->AsControl() : nullptr;
}

void TControl::CheckCreated(HWND window) const {
    if (!window)
        throw Exception("Cannot create the window of " + std::string(desc_.name));
}

void TControl::CreateOwnClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                              const std::string& text) {
    const Bounds& b = initialBounds_;
    CheckCreated(CreateObjectWindow(exStyle, className, text.c_str(), style, b.left, b.top, b.width,
                                    b.height, parent, reinterpret_cast<HMENU>(INT_PTR{desc_.id})));
}

void TControl::CreateSystemClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                                 const std::string& text) {
    const Bounds& b = initialBounds_;
    CheckCreated(CreateSubclassedWindow(exStyle, className, text.c_str(), style, b.left, b.top,
                                        b.width, b.height, parent,
                                        reinterpret_cast<HMENU>(INT_PTR{desc_.id})));
}

bool TControl::ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = reinterpret_cast<HWND>(lParam);
    if (msg == WM_NOTIFY) {
        child = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    } else if (msg == WM_DRAWITEM) {
        child = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
    }
    TControl* c = ControlOf(child);
    return c && c != this && c->Reflect(msg, wParam, lParam, result);
}

LRESULT TControl::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC: {
            LRESULT result = 0;
            if (ReflectToChild(msg, wParam, lParam, result))
                return result;
            break;
        }
        case WM_SETFOCUS:
            form_.FocusChanged(this);
            break;
        default:
            break;
    }
    return DefaultHandling(msg, wParam, lParam);
}

bool TControl::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT TControl::KeyboardProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CHAR: {
            // The key rules see the byte of the user's code page (a double-byte character by its
            // lead byte); a character they leave as it is goes on exactly as it came.
            const bool unicode = IsWindowUnicode(Handle()) != FALSE;
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
            return DefaultHandling(msg, c == typed ? wParam : CharMessageOf(c, unicode), lParam);
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const LRESULT r = DefaultHandling(msg, wParam, lParam);
            if (OnKeyUp)
                OnKeyUp(*this, static_cast<TKey>(wParam));
            return r;
        }
        default:
            return TControl::HandleMessage(msg, wParam, lParam);
    }
}

void TControl::RemoveLengthLimit() {
    SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);
}

std::string TControl::Text() const {
    const int length = GetWindowTextLengthA(Handle());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(Handle(), text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

void TControl::SetText(const std::string& text) {
    if (Text() == text)
        return;
    SetWindowTextA(Handle(), text.c_str());
    TextWritten(text);
}

bool TControl::Visible() const {
    return (GetWindowLongA(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    if (visible) {
        form_.CreatePendingChildren(*this);
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        return;
    }
    const HWND focus = GetFocus();
    const bool hadFocus = focus == Handle() || IsChild(Handle(), focus);
    ShowWindow(Handle(), SW_HIDE);
    // The focus does not stay in a hidden control: it goes on to the next one Tab reaches now.
    if (hadFocus)
        form_.FocusNext(true);
}

Bounds TControl::BoundsRect() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(Handle()), reinterpret_cast<POINT*>(&r), 2);
    return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TControl::SetBounds(const Bounds& b) {
    SetWindowPos(Handle(), nullptr, b.left, b.top, b.width, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SetTop(int top) {
    Bounds b = BoundsRect();
    b.top = top;
    SetBounds(b);
}

void TControl::SetFont(HFONT font) {
    font_ = font;
    if (Handle())
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}
