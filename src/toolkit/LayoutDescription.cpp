#include "toolkit/LayoutDescription.h"

int ControlIdOf(const FormDesc& form, std::string_view name) {
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        if (form.controls[i].name == name)
            return kFirstControlId + static_cast<int>(i);
    }
    return 0;
}
