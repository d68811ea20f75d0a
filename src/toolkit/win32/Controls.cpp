#include "toolkit/win32/Controls.h"

#include <commctrl.h>

#include <cctype>
#include <utility>

#include "toolkit/Exception.h"
#include "toolkit/win32/Application.h"
#include "toolkit/win32/Form.h"

namespace {

constexpr const char* kControlProperty = "QuorlinControl";
constexpr const char* kPanelClass = "TPanel";
constexpr const char* kLabelClass = "TLabel";
constexpr const char* kImageClass = "TImage";

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
    if (!h) throw Exception("Cannot create the window of " + std::string(desc_.name));
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
    if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
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
        if (subclassed_) RemoveWindowSubclass(h, SubclassProc, 1);
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
            if (TControl* c = FromHandle(child); c && c != this &&
                                                 c->Reflect(msg, wParam, lParam, result)) {
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

bool TControl::Reflect(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TControl::KeyboardProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CHAR: {
            char c = static_cast<char>(wParam);
            // A replacement stands in for a typed character only, never for a control
            // character such as the paste of Ctrl+V.
            const char replacement = std::exchange(pendingChar_, '\0');
            if (replacement && static_cast<unsigned char>(c) >= 0x20) c = replacement;
            if (OnKeyPress) {
                OnKeyPress(*this, c);
                if (c == '\0') return 0;
            }
            return CallDefault(msg, static_cast<WPARAM>(static_cast<unsigned char>(c)), lParam);
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            const LRESULT r = CallDefault(msg, wParam, lParam);
            if (OnKeyUp) OnKeyUp(*this, static_cast<TKey>(wParam));
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
    if (Text() == text) return;
    SetWindowTextA(handle_, text.c_str());
    // An edit being typed in keeps its caret after the text, where the user left off.
    if (GetFocus() == handle_ && (desc_.kind == ControlKind::Edit)) {
        SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(text.size()),
                     static_cast<LPARAM>(text.size()));
    }
}

bool TControl::Visible() const { return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0; }

void TControl::SetVisible(bool visible) {
    if (visible) {
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    } else {
        if (IsChild(handle_, GetFocus())) form_.FocusNext(true);
        ShowWindow(handle_, SW_HIDE);
    }
}

Bounds TControl::BoundsRect() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
    return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TControl::SetBounds(const Bounds& b) {
    SetWindowPos(handle_, nullptr, b.left, b.top, b.width, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SetTop(int top) {
    Bounds b = BoundsRect();
    b.top = top;
    SetBounds(b);
}

void TControl::SetFont(HFONT font) {
    font_ = font;
    if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// ---- TPanel ---------------------------------------------------------------------------------

void TPanel::CreateWnd(HWND parent) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Desc().visible) style |= WS_VISIBLE;
    CreateOwnClass(kPanelClass, style, WS_EX_CONTROLPARENT, parent, std::string(Desc().text));
}

void TPanel::Paint(HDC dc) {
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (Desc().bevel != Bevel::None) {
        DrawEdge(dc, &r, Desc().bevel == Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                 BF_RECT);
    }
    const std::string caption = Text();
    if (!caption.empty()) {
        SelectedObject font(dc, Font() ? Font() : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

LRESULT TPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            Paint(dc);
            EndPaint(Handle(), &ps);
            return 0;
        }
        case WM_SETTEXT: {
            const LRESULT r = CallDefault(msg, wParam, lParam);
            InvalidateRect(Handle(), nullptr, TRUE);
            return r;
        }
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(Handle());
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_) return 0;
            pressed_ = false;
            ReleaseCapture();
            RECT r{};
            GetClientRect(Handle(), &r);
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&r, p) && OnClick) OnClick(*this);
            return 0;
        }
        case WM_CANCELMODE:
        case WM_CAPTURECHANGED:
            pressed_ = false;
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        default:
            break;
    }
    return TControl::WndProc(msg, wParam, lParam);
}

// ---- TLabel ---------------------------------------------------------------------------------

TLabel::TLabel(TForm& form, const ControlDesc& desc, Bounds bounds, COLORREF color)
    : TControl(form, desc, bounds), color_(color) {}

void TLabel::CreateWnd(HWND parent) {
    CreateOwnClass(kLabelClass, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent,
                   std::string(Desc().text));
}

void TLabel::AutoSize() {
    WindowDC dc(Handle());
    SelectedObject font(dc.Get(), Font());
    const std::string text = Text();
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_LEFT);
    Bounds b = BoundsRect();
    b.width = r.right - r.left;
    b.height = r.bottom - r.top;
    SetBounds(b);
}

LRESULT TLabel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            RECT r{};
            GetClientRect(Handle(), &r);
            // Labels lie on button-face panels: drawing that colour is how they look see-through.
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            SelectedObject font(dc, Font());
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, color_);
            const std::string text = Text();
            DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT);
            EndPaint(Handle(), &ps);
            return 0;
        }
        default:
            return TControl::WndProc(msg, wParam, lParam);
    }
}

// ---- TEdit, TMemo ---------------------------------------------------------------------------

void TEdit::CreateWnd(HWND parent) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
    if (Desc().tabStop) style |= WS_TABSTOP;
    if (!Desc().enabled) style |= WS_DISABLED;
    CreateSystemClass("Edit", style, WS_EX_CLIENTEDGE, parent, std::string(Desc().text));
}

LRESULT TEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return KeyboardProc(msg, wParam, lParam);
}

void TMemo::CreateWnd(HWND parent) {
    // Word wrap, no scroll bars; Enter does not start a new line (no ES_WANTRETURN).
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE |
                        ES_AUTOVSCROLL | ES_LEFT;
    CreateSystemClass("Edit", style, WS_EX_CLIENTEDGE, parent, std::string(Desc().text));
}

LRESULT TMemo::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Enter does not start a new line: the edit itself would insert one outside a dialog.
    if (msg == WM_CHAR && wParam == '\r') return 0;
    return KeyboardProc(msg, wParam, lParam);
}

// ---- TButton --------------------------------------------------------------------------------

void TButton::CreateWnd(HWND parent) {
    CreateSystemClass("Button", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON,
                      0, parent, std::string(Desc().text));
}

bool TButton::Reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        Click();
        result = 0;
        return true;
    }
    return false;
}

void TButton::Click() {
    if (OnClick) OnClick(*this);
}

char TButton::Mnemonic() const {
    const std::string_view text = Desc().text;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] == '&') {
                ++i;
                continue;
            }
            return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
        }
    }
    return 0;
}

LRESULT TButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return KeyboardProc(msg, wParam, lParam);
}

// ---- TImage ---------------------------------------------------------------------------------

TImage::TImage(TForm& form, const ControlDesc& desc, Bounds bounds)
    : TControl(form, desc, bounds),
      bitmap_(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                              std::string(desc.text).c_str(), IMAGE_BITMAP, 0,
                                              0, LR_CREATEDIBSECTION))) {}

void TImage::CreateWnd(HWND parent) {
    CreateOwnClass(kImageClass, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, parent, "");
}

LRESULT TImage::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            RECT r{};
            GetClientRect(Handle(), &r);
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            if (bitmap_) {
                BITMAP bm{};
                GetObjectA(bitmap_.Get(), sizeof bm, &bm);
                HDC memory = CreateCompatibleDC(dc);
                {
                    SelectedObject picture(memory, bitmap_.Get());
                    SetStretchBltMode(dc, HALFTONE);
                    StretchBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, bm.bmWidth,
                               bm.bmHeight, SRCCOPY);
                }
                DeleteDC(memory);
            }
            EndPaint(Handle(), &ps);
            return 0;
        }
        default:
            return TControl::WndProc(msg, wParam, lParam);
    }
}

// ---- classes --------------------------------------------------------------------------------

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
