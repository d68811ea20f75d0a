// Writing the published properties from a layout description's texts.

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <utility>

#include "base/Exception.h"
#include "trayicon/TrayIcon.h"

namespace {

[[noreturn]] void RaiseBadValue(std::string_view name, std::string_view value) {
    std::string message = "Invalid value '";
    message.append(value);
    message.append("' for property ");
    message.append(name);
    throw Exception(std::move(message));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool ParseBool(std::string_view name, std::string_view value) {
    if (EqualsIgnoringCase(value, "true")) {
        return true;
    }
    if (EqualsIgnoringCase(value, "false")) {
        return false;
    }
    RaiseBadValue(name, value);
}

int ParseInt(std::string_view name, std::string_view value) {
    int result = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, result);
    if (value.empty() || error != std::errc{} || stop != end) {
        RaiseBadValue(name, value);
    }
    return result;
}

TTrayIconMessage ParseGesture(std::string_view name, std::string_view value) {
    static constexpr std::array<std::pair<std::string_view, TTrayIconMessage>, 9> kGestures{{
        {"imClick", imClick},
        {"imDoubleClick", imDoubleClick},
        {"imMouseDown", imMouseDown},
        {"imMouseUp", imMouseUp},
        {"imLeftClickUp", imLeftClickUp},
        {"imLeftDoubleClick", imLeftDoubleClick},
        {"imRightClickUp", imRightClickUp},
        {"imRightDoubleClick", imRightDoubleClick},
        {"imNone", imNone},
    }};
    for (const auto& [text, gesture] : kGestures) {
        if (text == value) {
            return gesture;
        }
    }
    RaiseBadValue(name, value);
}

}  // namespace

void TTrayIcon::ReadProperty(std::string_view name, std::string_view value) {
    if (name == "Visible") {
        SetVisible(ParseBool(name, value));
    } else if (name == "Hint") {
        SetHint(value);
    } else if (name == "Hide") {
        SetHide(ParseBool(name, value));
    } else if (name == "RestoreOn") {
        SetRestoreOn(ParseGesture(name, value));
    } else if (name == "PopupMenuOn") {
        SetPopupMenuOn(ParseGesture(name, value));
    } else if (name == "IconIndex") {
        SetIconIndex(ParseInt(name, value));
    } else if (name == "AnimateInterval") {
        SetAnimateInterval(ParseInt(name, value));
    } else if (name == "Animate") {
        SetAnimate(ParseBool(name, value));
    } else {
        std::string message = "Property ";
        message.append(name);
        message.append(" does not exist");
        throw Exception(std::move(message));
    }
}
