#pragma once
// The keyboard in a form: Tab and Shift+Tab move through the layout's tab order, Alt with a
// mnemonic letter clicks its button, the focus comes back to where it was when the form is
// activated again, and the keys of a field with a key-down rule reach the rule before the field.

#include <windows.h>

class TControl;
class TForm;

class TFocusNavigator {
  public:
    explicit TFocusNavigator(TForm& form) : form_(form) {}

    // Moves the focus to the next (or previous) control Tab reaches now.
    void FocusNext(bool forward);
    // A control of the form took the focus.
    void FocusChanged(TControl& control);
    // The form itself took the focus: it goes back to the control that had it, or on to the first.
    void RestoreFocus();
    // A message of the form's thread before the loop translates and dispatches it; true when it
    // needs nothing more.
    bool PreTranslate(MSG& msg);

  private:
    bool ClickMnemonic(char letter);
    void RunKeyDown(TControl& control, const MSG& msg);

    TForm& form_;
    HWND lastFocus_ = nullptr;  // a child of the form's window, not owned
};
