#include "toolkit/win32/Controls.h"

// Single-line and multi-line edits, with the toolkit's key events.
void TEdit::CreateWnd(HWND parent) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
    if (Desc().tabStop)
        style |= WS_TABSTOP;
    if (!Desc().enabled)
        style |= WS_DISABLED;
    CreateSystemClass("Edit", style, WS_EX_CLIENTEDGE, parent, std::string(Desc().text));
    RemoveLengthLimit();
}

LRESULT TEdit::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return KeyboardProc(msg, wParam, lParam);
}

void TEdit::FocusedByTab() {
    SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

void TEdit::TextWritten(const std::string& text) {
    // An edit being typed in keeps its caret after the text, where the user left off.
    if (GetFocus() == Handle()) {
        SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(text.size()),
                     static_cast<LPARAM>(text.size()));
    }
}

void TMemo::CreateWnd(HWND parent) {
    // Word wrap, no scroll bars; Enter does not start a new line (no ES_WANTRETURN).
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_MULTILINE |
                        ES_AUTOVSCROLL | ES_LEFT;
    CreateSystemClass("Edit", style, WS_EX_CLIENTEDGE, parent, std::string(Desc().text));
    RemoveLengthLimit();
}

LRESULT TMemo::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Enter does not start a new line: the edit itself would insert one outside a dialog.
    if (msg == WM_CHAR && wParam == '\r')
        return 0;
    return KeyboardProc(msg, wParam, lParam);
}
