#include "toolkit/win32/Controls.h"

#include <cctype>

// A push button; its caption may mark a mnemonic letter with "&".
void TButton::CreateWnd(HWND parent) {
    CreateSystemClass("Button",
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON, 0,
                      parent, std::string(Desc().text));
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
    if (OnClick)
        OnClick(*this);
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
