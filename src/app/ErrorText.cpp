#include "app/ErrorText.h"

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
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char addressText[9] = {};
    for (int i = 7; i >= 0; --i, address >>= 4)
        addressText[i] = kDigits[address & 0xF];
    std::string text = "Exception ";
    text.append(className).append(" in module ").append(moduleName).append(" at ");
    text.append(addressText).append(".\r\n").append(message);
    if (!message.empty() && message.back() != '.')
        text += '.';
    text += "\r\n";
    return text;
}

// A class's name as the compiler's type information records it: a name in the global namespace
// is its length and its letters ("9TOverflow"), a name in std starts with "St", a nested name is
// N, its parts and E, and a part may carry an ABI tag (B and a length-prefixed tag). Templates and
// anything else stay as recorded.
std::string ReadableClassName(std::string_view recorded) {
    std::string_view rest = recorded;
    const bool nested = !rest.empty() && rest.front() == 'N';
    if (nested)
        rest.remove_prefix(1);
    std::string name;
    if (rest.substr(0, 2) == "St") {
        name = "std";
        rest.remove_prefix(2);
    }
    auto takePart = [&rest](std::string_view& part) {
        std::size_t length = 0;
        std::size_t digits = 0;
        while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9' && length < 1000)
            length = length * 10 + static_cast<std::size_t>(rest[digits++] - '0');
        if (digits == 0 || length == 0 || length > rest.size() - digits)
            return false;
        part = rest.substr(digits, length);
        rest.remove_prefix(digits + length);
        return true;
    };
    bool any = false;
    std::string_view part;
    while (!rest.empty() && rest.front() != 'E') {
        if (rest.front() == 'B') {  // an ABI tag on the part before: not part of the name
            rest.remove_prefix(1);
            if (!any || !takePart(part))
                return std::string(recorded);
            continue;
        }
        if (!takePart(part))
            return std::string(recorded);
        if (!name.empty())
            name += "::";
        name.append(part);
        any = true;
    }
    const bool closed = !rest.empty() && rest.front() == 'E';
    if (!any || nested != closed || (closed && rest.size() != 1))
        return std::string(recorded);
    return name;
}
