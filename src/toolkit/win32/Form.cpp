#include "toolkit/win32/Form.h"

#include <algorithm>
#include <cctype>

#include "base/Exception.h"
#include "toolkit/LayoutScaling.h"
#include "toolkit/win32/Application.h"
#include "toolkit/win32/CharMessage.h"
#include "toolkit/win32/DatePicker.h"

namespace {

constexpr const char* kFontFace = "MS Sans Serif";

COLORREF ColorOf(ColorRole role) {
    switch (role) {
        case ColorRole::Black:
            return RGB(0, 0, 0);
        case ColorRole::Blue:
            return RGB(0, 0, 255);
        case ColorRole::WindowText:
        default:
            return GetSysColor(COLOR_WINDOWTEXT);
    }
}

int ScreenPixelsPerInch() {
    WindowDC dc(nullptr);
    return GetDeviceCaps(dc.Get(), LOGPIXELSY);
}

UniqueFont CreateFontOf(int height, bool bold, bool ansiCharset) {
    return UniqueFont(CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  ansiCharset ? ANSI_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  kFontFace));
}

int TextHeight(HFONT font) {
    WindowDC dc(nullptr);
    SelectedObject selected(dc.Get(), font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.Get(), &tm);
    return tm.tmHeight;
}

// Which of the key-holding controls is (or contains) this window.
TControl* OwningControl(HWND window) {
    for (HWND h = window; h; h = GetParent(h)) {
        if (TControl* c = TControl::FromHandle(h))
            return c;
    }
    return nullptr;
}

}  // namespace

ControlDesc TForm::FormControlDesc(const FormDesc& desc) {
    ControlDesc d{desc.name, ControlKind::Panel};
    d.text = desc.caption;
    d.bounds = desc.bounds;
    return d;
}

TForm::TForm(TApplication& application, const FormDesc& desc)
    : TControl(*this, FormControlDesc(desc), desc.bounds),
      TComponent(nullptr),
      application_(application),
      formDesc_(desc) {
    application.FormConstructing(this);
}

TForm::~TForm() {
    DestroyWnd();
}

// The window goes first, while the control objects still receive its children's messages.
void TForm::DestroyWnd() {
    window_.Reset();
}

void TForm::CreateWnd(HWND owner) {
    std::string className(1, 'T');
    className.append(formDesc_.name);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), className.c_str(), &wc)) {
        wc = WNDCLASSEXA{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = OwnClassProcAddress();
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = className.c_str();
        if (!RegisterClassExA(&wc))
            throw Exception("Cannot register the window class");
    }
    CreateOwnClass(className.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                   owner, std::string(formDesc_.caption));
    window_.Reset(Handle());
}

void TForm::Load() {
    const int ppi = ScreenPixelsPerInch();
    if (ppi != kDesignPixelsPerInch) {
        windowFontHeight_ = ScaleFontHeight(formDesc_.font.height, ppi);
        UniqueFont probe = CreateFontOf(windowFontHeight_, formDesc_.font.bold, false);
        const int textHeight = TextHeight(probe.Get());
        if (textHeight != formDesc_.designTextHeight && textHeight > 0) {
            scaleNum_ = textHeight;
            scaleDen_ = formDesc_.designTextHeight;
        }
    } else {
        windowFontHeight_ = formDesc_.font.height;
    }

    CreateWnd(application_.Handle());
    SetFont(MakeFont(formDesc_.font));
    for (const ControlDesc& desc : formDesc_.controls) {
        if (desc.kind == ControlKind::Component) {
            CreateComponent(desc);
        } else {
            CreateControl(desc);
        }
    }
    // Later rows of the layout lie above earlier ones.
    for (const auto& control : controls_) {
        SetWindowPos(control->Handle(), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (const auto& control : controls_)
        BindEvents(*control);
    if (!formDesc_.onCreate.empty() &&
        !std::holds_alternative<TNotifyHandler>(Handler(formDesc_.onCreate))) {
        throw Exception("The handler " + std::string(formDesc_.onCreate) +
                        " does not fit the creation event");
    }
}

HFONT TForm::MakeFont(const FontDesc& font) {
    const bool isWindowFont = &font == &formDesc_.font;
    if (font.parentFont && !isWindowFont)
        return Font();
    const int height =
        isWindowFont ? windowFontHeight_ : MulDivRound(font.height, scaleNum_, scaleDen_);
    fonts_.push_back(CreateFontOf(height, font.bold, font.ansiCharset));
    return fonts_.back().Get();
}

void TForm::CreateControl(const ControlDesc& desc) {
    const Bounds bounds = ScaleBounds(desc.bounds, scaleNum_, scaleDen_);
    std::unique_ptr<TControl> control;
    switch (desc.kind) {
        case ControlKind::Panel:
            control = std::make_unique<TPanel>(*this, desc, bounds);
            break;
        case ControlKind::Label:
            control = std::make_unique<TLabel>(*this, desc, bounds, ColorOf(desc.font.color));
            break;
        case ControlKind::Edit:
            control = std::make_unique<TEdit>(*this, desc, bounds);
            break;
        case ControlKind::Memo:
            control = std::make_unique<TMemo>(*this, desc, bounds);
            break;
        case ControlKind::Button:
            control = std::make_unique<TButton>(*this, desc, bounds);
            break;
        case ControlKind::Image:
            control = std::make_unique<TImage>(*this, desc, bounds);
            break;
        case ControlKind::DatePicker:
            // 24 May 2007 at about 16:59:19, the date the layout stores.
            control = std::make_unique<TDatePicker>(*this, desc, bounds, 39226.7078606019);
            break;
        case ControlKind::Component:
            return;
    }
    HWND parent = desc.parent.empty() ? Handle() : Control(desc.parent).Handle();
    control->CreateWnd(parent);
    control->SetFont(MakeFont(desc.font));
    if (auto* label = dynamic_cast<TLabel*>(control.get()))
        label->AutoSize();
    controls_.push_back(std::move(control));
}

void TForm::CreateComponent(const ControlDesc& desc) {
    throw Exception("Unknown component class " + std::string(desc.componentClass) + " of " +
                    std::string(desc.name));
}

void TForm::Bind(std::string_view name, TBoundHandler handler) {
    handlers_.insert_or_assign(std::string(name), std::move(handler));
}

const TBoundHandler& TForm::Handler(std::string_view name) const {
    const auto it = handlers_.find(name);
    if (it == handlers_.end()) {
        throw Exception("The layout binds the missing handler " + std::string(name));
    }
    return it->second;
}

void TForm::BindEvents(TControl& control) {
    const EventBindings& e = control.Desc().events;
    auto bind = [&](std::string_view name, auto& slot) {
        if (name.empty())
            return;
        using Slot = std::remove_reference_t<decltype(slot)>;
        const auto* handler = std::get_if<Slot>(&Handler(name));
        if (!handler) {
            throw Exception("The handler " + std::string(name) + " does not fit its event");
        }
        slot = *handler;
    };
    bind(e.onClick, control.OnClick);
    bind(e.onChange, control.OnChange);
    bind(e.onKeyDown, control.OnKeyDown);
    bind(e.onKeyPress, control.OnKeyPress);
    bind(e.onKeyUp, control.OnKeyUp);
}

void TForm::DoCreate() {
    if (formDesc_.onCreate.empty())
        return;
    try {
        std::get<TNotifyHandler>(Handler(formDesc_.onCreate))(*this);
    } catch (...) {
        application_.HandleException(this);
    }
}

TControl& TForm::Control(std::string_view name) const {
    for (const auto& c : controls_) {
        if (c->Name() == name)
            return *c;
    }
    throw Exception("No control " + std::string(name));
}

int TForm::OuterWidth() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r.right - r.left;
}

int TForm::OuterHeight() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r.bottom - r.top;
}

void TForm::SetOuterSize(int width, int height) {
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TForm::Available(std::string_view name) const {
    const HWND h = Control(name).Handle();
    return IsWindowVisible(h) && IsWindowEnabled(h);
}

void TForm::FocusNext(bool forward) {
    const auto sequence =
        TabSequence(formDesc_, [this](std::string_view n) { return Available(n); });
    if (sequence.empty())
        return;
    const TControl* current = OwningControl(GetFocus());
    auto it = std::find_if(sequence.begin(), sequence.end(),
                           [&](std::string_view n) { return current && current->Name() == n; });
    size_t index = 0;
    if (it == sequence.end()) {
        index = forward ? 0 : sequence.size() - 1;
    } else {
        const auto at = static_cast<size_t>(it - sequence.begin());
        index = forward ? (at + 1) % sequence.size() : (at + sequence.size() - 1) % sequence.size();
    }
    TControl& next = Control(sequence[index]);
    SetFocus(next.Handle());
    if (next.Desc().kind == ControlKind::Edit)
        SendMessageA(next.Handle(), EM_SETSEL, 0, -1);
}

void TForm::FocusChanged(TControl* control) {
    if (control != this)
        lastFocus_ = control->Handle();
}

bool TForm::ClickMnemonic(char letter) {
    for (const auto& c : controls_) {
        auto* button = dynamic_cast<TButton*>(c.get());
        if (button && button->Mnemonic() == letter && Available(button->Name())) {
            button->Click();
            return true;
        }
    }
    return false;
}

bool TForm::PreTranslate(MSG& msg) {
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd))
        return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            if (msg.wParam == VK_TAB && !ctrl && msg.message == WM_KEYDOWN) {
                FocusNext(GetKeyState(VK_SHIFT) >= 0);
                return true;
            }
            TControl* control = TControl::FromHandle(msg.hwnd);
            if (!control || !control->OnKeyDown)
                return false;
            RunKeyDown(*control, msg);
            return true;
        }
        case WM_SYSCHAR:
            return ClickMnemonic(
                static_cast<char>(std::toupper(static_cast<unsigned char>(msg.wParam))));
        default:
            return false;
    }
}

// A key-down rule decides on the key together with the character it types, so the key is
// translated first: the character message it makes waits in the queue, where a refusal takes it
// out again before anything has reached the field.
void TForm::RunKeyDown(TControl& control, const MSG& msg) {
    TranslateMessage(&msg);
    const UINT charMessage = msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    // Looked at in its Unicode form, which holds a double-byte character whole.
    MSG typed{};
    const bool types = PeekMessageW(&typed, msg.hwnd, charMessage, charMessage, PM_NOREMOVE) != 0;
    KeyDownArgs args{static_cast<TKey>(msg.wParam),
                     types ? CharMessageBytes(typed.wParam, true)[0] : '\0'};
    const char typedChar = args.typedChar;
    control.ReplaceNextChar('\0');
    control.OnKeyDown(control, args);
    // Keys with Alt belong to the window (Alt+F4, Alt+Space, mnemonics): the field's handler sees
    // them, but may neither refuse them nor change what they type.
    if (msg.message == WM_KEYDOWN) {
        if (args.key == 0) {
            if (types)
                PeekMessageW(&typed, msg.hwnd, charMessage, charMessage, PM_REMOVE);
            return;
        }
        if (args.typedChar != typedChar)
            control.ReplaceNextChar(args.typedChar);
    }
    DispatchMessageA(&msg);
}

void TForm::Close() {
    if (application_.MainForm() == this) {
        application_.Terminate();
    } else {
        ShowWindow(Handle(), SW_HIDE);
    }
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_SYSCOMMAND:
            // The main window's minimise goes through the application's window, whose hooks
            // see it first.
            if ((wParam & 0xFFF0) == SC_MINIMIZE && application_.MainForm() == this) {
                return SendMessageA(application_.Handle(), msg, wParam, lParam);
            }
            break;
        case WM_SETFOCUS:
            if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
                SetFocus(lastFocus_);
            } else {
                FocusNext(true);
            }
            return 0;
        default:
            break;
    }
    return TControl::WndProc(msg, wParam, lParam);
}
