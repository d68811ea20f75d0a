#pragma once
// The controls a form is built from: one object per window, created from its layout row.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "base/Keys.h"
#include "toolkit/LayoutDescription.h"
#include "toolkit/win32/Handles.h"

class TForm;
class TControl;

// The toolkit's own window classes.
inline constexpr const char* kPanelClass = "TPanel";
inline constexpr const char* kLabelClass = "TLabel";
inline constexpr const char* kImageClass = "TImage";

using TNotifyHandler = std::function<void(TControl& sender)>;
using TKeyDownHandler = std::function<void(TControl& sender, KeyDownArgs& args)>;
using TKeyPressHandler = std::function<void(TControl& sender, char& key)>;
using TKeyUpHandler = std::function<void(TControl& sender, TKey key)>;

class TControl {
  public:
    TControl(TForm& form, const ControlDesc& desc, Bounds bounds);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    // Creates the window as a child of `parent`.
    virtual void CreateWnd(HWND parent) = 0;

    HWND Handle() const { return handle_; }
    std::string_view Name() const { return desc_.name; }
    const ControlDesc& Desc() const { return desc_; }
    TForm& Form() const { return form_; }

    std::string Text() const;
    // Writing the text the control already has leaves it untouched.
    void SetText(const std::string& text);
    bool Visible() const;
    void SetVisible(bool visible);
    // Position and size relative to the parent's client area.
    Bounds BoundsRect() const;
    void SetBounds(const Bounds& b);
    void SetTop(int top);
    void SetFont(HFONT font);  // not owned
    HFONT Font() const { return font_; }

    TNotifyHandler OnClick;
    TNotifyHandler OnChange;
    TKeyDownHandler OnKeyDown;
    TKeyPressHandler OnKeyPress;
    TKeyUpHandler OnKeyUp;

    // The window procedure of the toolkit's own window classes.
    static WNDPROC OwnClassProcAddress() { return OwnClassProc; }

    // Finds the control object of a window made by the toolkit, or null.
    static TControl* FromHandle(HWND window);

    // The character the next WM_CHAR types instead of its own (set by a key-down handler; 0
    // for none). Every key-down sets it anew, so it never outlives its key.
    void ReplaceNextChar(char c) { pendingChar_ = c; }

    // Messages a child sends its parent (WM_COMMAND, WM_NOTIFY), handed back to the child.
    virtual bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);

    // Creates a window of one of the toolkit's own classes (window procedure = WndProc).
    void CreateOwnClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                        const std::string& text);
    // Creates a window of a system class and subclasses it (WndProc sees its messages first).
    void CreateSystemClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                           const std::string& text);
    void Attach(HWND handle);
    HWND CreateWindowOf(const char* className, DWORD style, DWORD exStyle, HWND parent,
                        const std::string& text, void* createParam);

    // Paints the whole client area: the button face first (the toolkit's own controls lie on
    // button-face panels, so that is how they look see-through), then draw(dc, clientRect).
    template <typename Draw>
    LRESULT PaintOnFace(Draw draw) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        draw(dc, r);
        EndPaint(Handle(), &ps);
        return 0;
    }

    // Keyboard events common to the key-taking controls.
    LRESULT KeyboardProc(UINT msg, WPARAM wParam, LPARAM lParam);

    Bounds initialBounds_;

  private:
    static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    TForm& form_;
    ControlDesc desc_;
    HWND handle_ = nullptr;  // owned by the parent window, destroyed with it
    HFONT font_ = nullptr;   // owned by the form
    bool subclassed_ = false;
    char pendingChar_ = 0;
};

// Registers the toolkit's own window classes once.
void RegisterToolkitClasses(HINSTANCE instance);

class TPanel : public TControl {
  public:
    using TControl::TControl;
    void CreateWnd(HWND parent) override;

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc, const RECT& client);
    bool pressed_ = false;
};

class TLabel : public TControl {
  public:
    TLabel(TForm& form, const ControlDesc& desc, Bounds bounds, COLORREF color);
    void CreateWnd(HWND parent) override;
    // Sizes the label to its text in its font.
    void AutoSize();

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    COLORREF color_;
};

class TEdit : public TControl {
  public:
    using TControl::TControl;
    void CreateWnd(HWND parent) override;

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TMemo : public TControl {
  public:
    using TControl::TControl;
    void CreateWnd(HWND parent) override;

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TButton : public TControl {
  public:
    using TControl::TControl;
    void CreateWnd(HWND parent) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The letter marked with "&" in the caption, upper-cased, or 0.
    char Mnemonic() const;
    void Click();

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TImage : public TControl {
  public:
    TImage(TForm& form, const ControlDesc& desc, Bounds bounds);
    void CreateWnd(HWND parent) override;

  protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    UniqueBitmap bitmap_;
};
