#include "app/ErrorText.h"

#include <cstdio>

std::string WithFullStop(std::string_view message) {
    std::string text(message);
    if (!text.empty() &&
        static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text += '.';
    }
    return text;
}

std::string GenericErrorText(std::string_view className, std::string_view moduleName,
                             unsigned long address, std::string_view message) {
    char addressText[16];
    std::snprintf(addressText, sizeof addressText, "%08lX", address);
    std::string text = "Exception ";
    text.append(className).append(" in module ").append(moduleName).append(" at ");
    text.append(addressText).append(".\r\n").append(message);
    if (!message.empty() && message.back() != '.')
        text += '.';
    text += "\r\n";
    return text;
}
