#pragma once
// Where a form keeps the control of one layout row: the member of the derived form that holds it,
// typed, so the form reaches its controls without looking them up or casting them.

#include <functional>
#include <memory>
#include <string_view>

#include "toolkit/ControlSlots.h"
#include "toolkit/win32/Controls.h"

struct TControlSlot {
    TSlotSpec binding;
    // Makes the control of the row and stores it in the member; the form owns what it returns.
    std::function<std::unique_ptr<TControl>(TForm& form, const ControlDesc& row, Bounds bounds)>
        create;
};

// The slot of `member` of `window` for the layout's control `name`.
template <class Window, class Control>
TControlSlot SlotOf(Window& window, Control* Window::*member, std::string_view name) {
    return TControlSlot{{name, Control::kKind},
                        [&window, member](TForm& form, const ControlDesc& row, Bounds bounds) {
                            auto control = std::make_unique<Control>(form, row, bounds);
                            window.*member = control.get();
                            return std::unique_ptr<TControl>(std::move(control));
                        }};
}
