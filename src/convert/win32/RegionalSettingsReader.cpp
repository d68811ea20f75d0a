#include "convert/win32/RegionalSettingsReader.h"

#include <windows.h>

#include <string>

#include "convert/RegionalSettings.h"

namespace {

// A locale text, or the fallback when the desktop gives none.
std::string LocaleText(LCTYPE type, const std::string& fallback) {
    char buffer[256] = {};
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
    if (length <= 1)
        return fallback;
    return std::string(buffer, static_cast<size_t>(length - 1));
}

// A date pattern without the direction marks a right-to-left desktop writes into it: the program
// draws its dates left to right, where the marks would reorder the parts of every date. `marked`
// is set when there were any.
std::string LocalePattern(LCTYPE type, const std::string& fallback, bool& marked) {
    wchar_t buffer[256] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 256);
    if (length <= 1)
        return fallback;
    const std::wstring_view pattern(buffer, static_cast<std::size_t>(length - 1));
    const std::wstring visible = WithoutDirectionMarks(pattern);
    marked = marked || visible.size() != pattern.size();
    char text[512] = {};
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, visible.data(), static_cast<int>(visible.size()), text,
                            sizeof text, nullptr, nullptr);
    return bytes > 0 ? std::string(text, static_cast<std::size_t>(bytes)) : fallback;
}

// The date separator's own character: some desktops write it with a direction mark before it
// (right-to-left locales), which on its own would leave the dates without any visible separator.
char DateSeparator() {
    wchar_t separator[16] = {};
    const int length =
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, separator, sizeof separator / 2);
    const std::wstring visible = WithoutDirectionMarks(
        {separator, length > 1 ? static_cast<std::size_t>(length - 1) : std::size_t{0}});
    char byte = 0;
    if (visible.empty() ||
        WideCharToMultiByte(CP_ACP, 0, visible.data(), 1, &byte, 1, nullptr, nullptr) != 1) {
        return '/';
    }
    return byte;
}

}  // namespace

std::wstring WithoutDirectionMarks(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c != 0x200E && c != 0x200F && c != 0x061C)
            out += c;
    }
    return out;
}

void ReadRegionalSettings() {
    SetThreadLocale(LOCALE_USER_DEFAULT);
    RegionalDateSettings s;
    bool marked = false;
    s.shortDatePattern = LocalePattern(LOCALE_SSHORTDATE, s.shortDatePattern, marked);
    s.longDatePattern = LocalePattern(LOCALE_SLONGDATE, s.longDatePattern, marked);
    s.desktopPatternsMarked = marked;
    s.dateSeparator = DateSeparator();
    for (int i = 0; i < 12; ++i) {
        const auto m = static_cast<size_t>(i);
        s.shortMonthNames[m] =
            LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVMONTHNAME1 + i), s.shortMonthNames[m]);
        s.longMonthNames[m] =
            LocaleText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i), s.longMonthNames[m]);
    }
    // The desktop counts days from Monday (1) to Sunday (7); the settings from Sunday.
    for (int i = 0; i < 7; ++i) {
        const auto d = static_cast<size_t>((i + 1) % 7);
        s.shortDayNames[d] =
            LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + i), s.shortDayNames[d]);
        s.longDayNames[d] =
            LocaleText(static_cast<LCTYPE>(LOCALE_SDAYNAME1 + i), s.longDayNames[d]);
    }
    SetRegionalSettings(std::move(s));
}
