#include "toolkit/win32/Controls.h"

// A panel: a bevelled box that holds controls, can show a caption and be clicked.
void TPanel::CreateWnd(HWND parent) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Desc().visible)
        style |= WS_VISIBLE;
    CreateOwnClass(kPanelClass, style, WS_EX_CONTROLPARENT, parent, std::string(Desc().text));
}

void TPanel::Paint(HDC dc, const RECT& client) {
    RECT r = client;
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

LRESULT TPanel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            return PaintOnFace([this](HDC dc, const RECT& r) { Paint(dc, r); });
        case WM_SETTEXT: {
            const LRESULT r = DefaultHandling(msg, wParam, lParam);
            InvalidateRect(Handle(), nullptr, TRUE);
            return r;
        }
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(Handle());
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_)
                return 0;
            pressed_ = false;
            ReleaseCapture();
            RECT r{};
            GetClientRect(Handle(), &r);
            POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (PtInRect(&r, p) && OnClick)
                OnClick(*this);
            return 0;
        }
        case WM_CANCELMODE:
        case WM_CAPTURECHANGED:
            pressed_ = false;
            break;
        case WM_CTLCOLORSTATIC: {
            // A label paints in its own colours; a disabled edit on the panel's face.
            LRESULT result = 0;
            if (ReflectToChild(msg, wParam, lParam, result))
                return result;
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        default:
            break;
    }
    return TControl::HandleMessage(msg, wParam, lParam);
}
