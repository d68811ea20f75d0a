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

}  // namespace

void ReadRegionalSettings() {
    SetThreadLocale(LOCALE_USER_DEFAULT);
    RegionalDateSettings s;
    s.shortDatePattern = LocaleText(LOCALE_SSHORTDATE, s.shortDatePattern);
    s.longDatePattern = LocaleText(LOCALE_SLONGDATE, s.longDatePattern);
    const std::string separator = LocaleText(LOCALE_SDATE, "/");
    s.dateSeparator = separator.empty() ? '/' : separator[0];
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
