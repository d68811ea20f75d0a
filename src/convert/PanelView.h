#pragma once
// The one shape of the three panel units (DatePanel, TimePanel, CharPanel). A panel is built over
// a view of its fields, which the window implements over its real controls and a test over plain
// values. Each operation of a panel is named after the handler it serves; it reads the texts it
// needs afresh through the view (nothing is cached) and writes back, in its own order, only the
// fields it changes. A failing step raises and leaves the writes before it in place.

#include <string>

// The texts of a panel's fields, each named by the panel's enumeration of them.
template <class Field>
class TPanelView {
  public:
    virtual ~TPanelView() = default;
    virtual std::string Text(Field field) const = 0;
    // Writing cannot fail; writing a field's own text leaves it untouched.
    virtual void SetText(Field field, const std::string& text) = 0;
};
