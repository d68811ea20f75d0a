#pragma once
// A top-level window built from a layout description: each control of the layout made into the
// member the derived form names for it, fonts and geometry scaled to the screen, the layout's
// events bound by name to the handlers the form registered, and the keyboard's focus navigation.

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Component.h"
#include "toolkit/HandlerTable.h"
#include "toolkit/LayoutDescription.h"
#include "toolkit/win32/ControlSlot.h"
#include "toolkit/win32/Controls.h"
#include "toolkit/win32/FocusNavigation.h"
#include "toolkit/win32/FormFonts.h"

class TApplication;

// The handlers a layout can bind by name.
using THandlers = THandlerTable<TNotifyHandler, TKeyDownHandler, TKeyPressHandler, TKeyUpHandler>;

// A method of a form as the handler of the event whose shape its signature has.
template <class W>
THandlers::Handler Method(W& w, void (W::*m)(TControl&)) {
    return TNotifyHandler([&w, m](TControl& sender) { (w.*m)(sender); });
}
template <class W>
THandlers::Handler Method(W& w, void (W::*m)(TControl&, KeyDownArgs&)) {
    return TKeyDownHandler([&w, m](TControl& sender, KeyDownArgs& key) { (w.*m)(sender, key); });
}
template <class W>
THandlers::Handler Method(W& w, void (W::*m)(TControl&, char&)) {
    return TKeyPressHandler([&w, m](TControl& sender, char& key) { (w.*m)(sender, key); });
}
template <class W>
THandlers::Handler Method(W& w, void (W::*m)(TControl&, TKey)) {
    return TKeyUpHandler([&w, m](TControl& sender, TKey key) { (w.*m)(sender, key); });
}

// A form is also the owner of the non-visual components of its layout.
class TForm : public TControl, public TComponent {
  public:
    TForm(TApplication& application, const FormDesc& desc);
    ~TForm() override;

    void CreateWnd(HWND owner) override;
    // Destroys the window and its controls' windows (the control objects stay).
    void DestroyWnd();

    const FormDesc& Layout() const { return formDesc_; }
    // The control of the layout's row `name`; raises Exception when there is none.
    TControl& Control(std::string_view name) const;
    // The same, or null while it is not made yet (inside a panel never shown).
    TControl* FindControl(std::string_view name) const;
    // A panel is about to be shown for the first time: its controls are made now.
    void CreatePendingChildren(const TControl& panel);
    // The controls, bottom to top.
    std::vector<TControl*> Controls() const;

    void SetCaption(const std::string& caption) { SetText(caption); }
    // Outer size of the window, frame and title bar included.
    int OuterWidth() const;
    int OuterHeight() const;
    void SetOuterSize(int width, int height);

    void FocusNext(bool forward) { navigator_.FocusNext(forward); }
    void FocusChanged(TControl* control) { navigator_.FocusChanged(*control); }
    // Tab, Alt+mnemonic and the keys of fields with a key-down rule, before the loop translates
    // and dispatches the message; true when it needs nothing more.
    bool PreTranslate(MSG& msg) { return navigator_.PreTranslate(msg); }
    // Asks the window to close; the main window's close ends the program.
    void Close();

  protected:
    // Builds the window and its controls from the layout, each into its slot, and binds their
    // events and the creation handler to `handlers`. A derived form calls it from its
    // constructor, once its members exist.
    void Load(std::span<const TControlSlot> slots, const THandlers& handlers);
    // Runs the creation handler; an error goes to the error display and creation goes on.
    void DoCreate();
    // Makes a non-visual component of the layout (the derived form knows the classes).
    virtual void CreateComponent(const ControlDesc& desc);

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // A control's event handlers, bound by name.
    struct TEvents {
        TNotifyHandler onClick;
        TNotifyHandler onChange;
        TKeyDownHandler onKeyDown;
        TKeyPressHandler onKeyPress;
        TKeyUpHandler onKeyUp;
    };

    static ControlDesc FormControlDesc(const FormDesc& desc);
    bool InsideHiddenPanel(const ControlDesc& row) const;
    void CreateControls(const std::vector<const ControlDesc*>& rows);
    void CreateControl(const ControlDesc& row, TTextMeasure& measure);
    static TEvents BoundEvents(const EventBindings& events, const THandlers& handlers);
    static void ApplyEvents(TControl& control, const TEvents& events);
    static void BindEvents(TControl& control, const THandlers& handlers);

    TApplication& application_;
    const FormDesc& formDesc_;
    TFormFonts fonts_;
    UniqueWindow window_;
    std::vector<std::unique_ptr<TControl>> controls_;
    std::vector<TControlSlot> slots_;
    const THandlers* handlers_ = nullptr;      // while Load runs
    std::vector<const ControlDesc*> pending_;  // rows inside panels not shown yet
    std::vector<TEvents> pendingEvents_;       // and their handlers, row by row
    TFocusNavigator navigator_;
    TNotifyHandler onCreate_;
};
