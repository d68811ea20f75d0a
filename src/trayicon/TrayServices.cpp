#include "trayicon/TrayServices.h"

std::string DefaultTrayIconText(int id) {
    switch (id) {
        case kSCannotCreateIcon:
            return "Cannot Create System Shell Notification Icon";
        case kSCannotRemoveIcon:
            return "Cannot Remove System Shell Notification Icon";
        default:
            return {};
    }
}
