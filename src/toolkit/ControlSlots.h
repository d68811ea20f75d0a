#pragma once
// A window holds each control of its layout in a member of its own, under the control's name. A
// slot says which member a row goes into and which kind of control that member holds; the layout
// and the slots must match one to one, which is checked when the window is built.

#include <span>
#include <string_view>

#include "toolkit/LayoutDescription.h"

struct TSlotSpec {
    std::string_view name;
    ControlKind kind;
};

// Raises Exception, naming the control, when a control of the layout has no slot, a slot names no
// control of the layout, two slots name the same control, or a slot's kind differs from its row's.
// The layout's non-visual components need no slot.
void CheckControlSlots(const FormDesc& form, std::span<const TSlotSpec> slots);
