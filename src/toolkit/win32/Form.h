#pragma once
// A top-level window built from a layout description: its controls, its fonts scaled to the
// screen, its focus navigation, and the binding of control events to handlers by name.

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/LayoutDescription.h"
#include "toolkit/win32/Controls.h"

class TApplication;

// A handler that the layout can bind by name.
using TBoundHandler =
    std::variant<TNotifyHandler, TKeyDownHandler, TKeyPressHandler, TKeyUpHandler>;

// A form is also the owner of the non-visual components of its layout.
class TForm : public TControl, public TComponent {
  public:
    TForm(TApplication& application, const FormDesc& desc);
    ~TForm() override;

    void CreateWnd(HWND owner) override;
    // Destroys the window and its controls' windows (the control objects stay).
    void DestroyWnd();

    TControl& Control(std::string_view name) const;
    template <typename T>
    T& ControlAs(std::string_view name) const {
        return dynamic_cast<T&>(Control(name));
    }

    void SetCaption(const std::string& caption) { SetText(caption); }
    // Outer size of the window, frame and title bar included.
    int OuterWidth() const;
    int OuterHeight() const;
    void SetOuterSize(int width, int height);

    // Focus navigation (Tab / Shift+Tab) in the layout's tab order.
    void FocusNext(bool forward);
    void FocusChanged(TControl* control);
    // Handles Tab, Alt+mnemonic and the keys of fields with a key-down rule before the loop
    // translates and dispatches the message; true when it needs nothing more.
    bool PreTranslate(MSG& msg);
    // Asks the window to close; the main window's close ends the program.
    void Close();

  protected:
    // Builds the window and its controls from the layout and binds their events. Construction of
    // a derived form calls it once its handlers are registered.
    void Load();
    void Bind(std::string_view name, TBoundHandler handler);
    // Runs the creation handler; an error goes to the error display and creation goes on.
    void DoCreate();
    // Makes a non-visual component of the layout (the derived form knows the classes).
    virtual void CreateComponent(const ControlDesc& desc);

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    static ControlDesc FormControlDesc(const FormDesc& desc);
    void CreateControl(const ControlDesc& desc);
    void BindEvents(TControl& control);
    HFONT MakeFont(const FontDesc& font);
    const TBoundHandler& Handler(std::string_view name) const;
    bool Available(std::string_view name) const;
    bool ClickMnemonic(char letter);
    void RunKeyDown(TControl& control, const MSG& msg);

    TApplication& application_;
    const FormDesc& formDesc_;
    int scaleNum_ = 1;
    int scaleDen_ = 1;
    int windowFontHeight_ = 13;
    UniqueWindow window_;
    std::vector<UniqueFont> fonts_;
    std::vector<std::unique_ptr<TControl>> controls_;
    std::map<std::string, TBoundHandler, std::less<>> handlers_;
    HWND lastFocus_ = nullptr;  // a child of the window, not owned
};
