#include "toolkit/win32/FocusNavigation.h"

#include <algorithm>
#include <cctype>

#include "toolkit/LayoutScaling.h"
#include "toolkit/win32/CharMessage.h"
#include "toolkit/win32/Form.h"

namespace {

// Which control is (or contains) this window.
TControl* OwningControl(HWND window) {
    for (HWND h = window; h; h = GetParent(h)) {
        if (TControl* c = TControl::ControlOf(h))
            return c;
    }
    return nullptr;
}

bool Available(const TControl* control) {
    return control && IsWindowVisible(control->Handle()) && IsWindowEnabled(control->Handle());
}

}  // namespace

void TFocusNavigator::FocusNext(bool forward) {
    const auto sequence = TabSequence(
        form_.Layout(), [this](std::string_view n) { return Available(form_.FindControl(n)); });
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
    TControl& next = form_.Control(sequence[index]);
    SetFocus(next.Handle());
    next.FocusedByTab();
}

void TFocusNavigator::FocusChanged(TControl& control) {
    if (&control != &form_)
        lastFocus_ = control.Handle();
}

void TFocusNavigator::RestoreFocus() {
    if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
    } else {
        FocusNext(true);
    }
}

bool TFocusNavigator::ClickMnemonic(char letter) {
    for (TControl* control : form_.Controls()) {
        if (control->ClickMnemonic(letter))
            return true;
    }
    return false;
}

bool TFocusNavigator::PreTranslate(MSG& msg) {
    if (msg.hwnd != form_.Handle() && !IsChild(form_.Handle(), msg.hwnd))
        return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            if (msg.wParam == VK_TAB && !ctrl && msg.message == WM_KEYDOWN) {
                FocusNext(GetKeyState(VK_SHIFT) >= 0);
                return true;
            }
            TControl* control = TControl::ControlOf(msg.hwnd);
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
void TFocusNavigator::RunKeyDown(TControl& control, const MSG& msg) {
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
