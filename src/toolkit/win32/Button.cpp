#include "toolkit/win32/Controls.h"

#include "toolkit/Mnemonic.h"

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

bool TButton::ClickMnemonic(char letter) {
    if (MnemonicOf(Desc().text) != letter || !IsWindowVisible(Handle()) ||
        !IsWindowEnabled(Handle())) {
        return false;
    }
    Click();
    return true;
}

LRESULT TButton::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return KeyboardProc(msg, wParam, lParam);
}
