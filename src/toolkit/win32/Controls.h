#pragma once
// The controls a form is built from: one object per window, created from its layout row. The
// form's windows reach their objects through TWindowObject; what differs between the kinds of
// control is virtual behaviour, never a question of which kind a control is.

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "base/Keys.h"
#include "toolkit/LayoutDescription.h"
#include "toolkit/win32/Handles.h"
#include "toolkit/win32/TextMeasure.h"
#include "toolkit/win32/WindowClasses.h"
#include "toolkit/win32/WindowObject.h"

class TForm;
class TControl;

using TNotifyHandler = std::function<void(TControl& sender)>;
using TKeyDownHandler = std::function<void(TControl& sender, KeyDownArgs& args)>;
using TKeyPressHandler = std::function<void(TControl& sender, char& key)>;
using TKeyUpHandler = std::function<void(TControl& sender, TKey key)>;

class TControl : public TWindowObject {
  public:
    TControl(TForm& form, const ControlDesc& desc, Bounds bounds);
    ~TControl() override;

    // Creates the window as a child of `parent`.
    virtual void CreateWnd(HWND parent) = 0;
    // Before the window is made, with its font set: a control that sizes itself to its text
    // measures it here, so its window is made at its size.
    virtual void Measure(TTextMeasure& /*measure*/) {}

    std::string_view Name() const { return desc_.name; }
    const ControlDesc& Desc() const { return desc_; }
    TForm& Form() const { return form_; }
    TControl* AsControl() override { return this; }
    // The control object of a window made by the toolkit, or null.
    static TControl* ControlOf(HWND window);

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

    // Tab has just moved the focus here.
    virtual void FocusedByTab() {}
    // Alt with `letter` (upper case) was pressed: a control whose mnemonic it is acts and says so.
    virtual bool ClickMnemonic(char /*letter*/) { return false; }

    TNotifyHandler OnClick;
    TNotifyHandler OnChange;
    TKeyDownHandler OnKeyDown;
    TKeyPressHandler OnKeyPress;
    TKeyUpHandler OnKeyUp;

    // The character the next WM_CHAR types instead of its own (set by a key-down handler; 0
    // for none). Every key-down sets it anew, so it never outlives its key.
    void ReplaceNextChar(char c) { pendingChar_ = c; }

    // Messages a child sends its parent (WM_COMMAND, WM_NOTIFY), handed back to the child.
    virtual bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // A text was written: an edit being typed in keeps its caret after it.
    virtual void TextWritten(const std::string& /*text*/) {}

    // Creates a window of one of the toolkit's own classes.
    void CreateOwnClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                        const std::string& text);
    // Creates a window of a system class and subclasses it (HandleMessage sees its messages
    // first).
    void CreateSystemClass(const char* className, DWORD style, DWORD exStyle, HWND parent,
                           const std::string& text);

    // Paints the whole client area: the button face first (the toolkit's own controls lie on
    // button-face panels, so that is how they look see-through), then draw(dc, clientRect).
    template <typename Draw>
    LRESULT PaintOnFace(Draw draw) {
        PaintScope paint(Handle());
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRect(paint.Get(), &r, GetSysColorBrush(COLOR_BTNFACE));
        draw(paint.Get(), r);
        return 0;
    }

    // Hands a message a child sent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLORSTATIC) to
    // that child's object; true when it handled it.
    bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Keyboard events common to the key-taking controls.
    LRESULT KeyboardProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // An edit takes text of any length: the system's edit stops at about 30,000 characters unless
    // told otherwise, and a paste beyond that would lose the rest.
    void RemoveLengthLimit();

    Bounds initialBounds_;

  private:
    void CheckCreated(HWND window) const;

    TForm& form_;
    ControlDesc desc_;
    HFONT font_ = nullptr;  // owned by the form
    char pendingChar_ = 0;
};

class TPanel : public TControl {
  public:
    static constexpr ControlKind kKind = ControlKind::Panel;
    using TControl::TControl;
    void CreateWnd(HWND parent) override;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc, const RECT& client);
    bool pressed_ = false;
};

// A label is the system's static control, so a screen reader names the edit after it by its text.
class TLabel : public TControl {
  public:
    static constexpr ControlKind kKind = ControlKind::Label;
    using TControl::TControl;
    void CreateWnd(HWND parent) override;
    // Sizes the label to its text in its font.
    void Measure(TTextMeasure& measure) override;
    // Its drawing, asked of its parent as it paints.
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void Paint(const DRAWITEMSTRUCT& item);
};

class TEdit : public TControl {
  public:
    static constexpr ControlKind kKind = ControlKind::Edit;
    using TControl::TControl;
    void CreateWnd(HWND parent) override;
    // Selects the whole text, so the next key replaces it.
    void FocusedByTab() override;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void TextWritten(const std::string& text) override;
};

class TMemo : public TControl {
  public:
    static constexpr ControlKind kKind = ControlKind::Memo;
    using TControl::TControl;
    void CreateWnd(HWND parent) override;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TButton : public TControl {
  public:
    static constexpr ControlKind kKind = ControlKind::Button;
    using TControl::TControl;
    void CreateWnd(HWND parent) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool ClickMnemonic(char letter) override;
    void Click();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

class TImage : public TControl {
  public:
    static constexpr ControlKind kKind = ControlKind::Image;
    TImage(TForm& form, const ControlDesc& desc, Bounds bounds);
    void CreateWnd(HWND parent) override;

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    UniqueBitmap bitmap_;
};
