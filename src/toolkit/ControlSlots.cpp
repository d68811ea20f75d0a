#include "toolkit/ControlSlots.h"

#include <string>

#include "base/Exception.h"

namespace {

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Panel:
            return "panel";
        case ControlKind::Label:
            return "label";
        case ControlKind::Edit:
            return "edit";
        case ControlKind::Button:
            return "button";
        case ControlKind::DatePicker:
            return "date picker";
        case ControlKind::Image:
            return "image";
        case ControlKind::Memo:
            return "memo";
        case ControlKind::Component:
            break;
    }
    return "component";
}

}  // namespace

void CheckControlSlots(const FormDesc& form, std::span<const TSlotSpec> slots) {
    for (const ControlDesc& row : form.controls) {
        if (row.kind == ControlKind::Component)
            continue;
        const TSlotSpec* found = nullptr;
        for (const TSlotSpec& slot : slots) {
            if (slot.name != row.name)
                continue;
            if (found)
                throw Exception("The window holds " + std::string(row.name) + " twice");
            found = &slot;
        }
        if (!found)
            throw Exception("The window holds no member for " + std::string(row.name));
        if (found->kind != row.kind) {
            throw Exception("The layout makes " + std::string(row.name) + " a " +
                            KindName(row.kind) + ", but its member holds a " +
                            KindName(found->kind));
        }
    }
    for (const TSlotSpec& slot : slots) {
        if (ControlIdOf(form, slot.name) == 0)
            throw Exception("The layout has no control " + std::string(slot.name));
    }
}
