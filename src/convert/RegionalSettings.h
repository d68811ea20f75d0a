#pragma once
// The user's regional date settings, global to the process: read at start-up and replaced as a
// whole when the desktop announces a change.

#include <array>
#include <string>

struct RegionalDateSettings {
    std::string shortDatePattern = "m/d/yy";
    char dateSeparator = '/';
    std::string longDatePattern = "dddd, mmmm d, yyyy";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    // Sunday first.
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    // The desktop's own patterns carry direction marks, left out of the ones above: a date
    // control that draws the desktop's form is given the short pattern above instead.
    bool desktopPatternsMarked = false;
};

const RegionalDateSettings& CurrentRegionalSettings();
void SetRegionalSettings(RegionalDateSettings settings);

// Replaces the settings for the life of the object (tests).
class ScopedRegionalSettings {
  public:
    explicit ScopedRegionalSettings(RegionalDateSettings settings);
    ~ScopedRegionalSettings();
    ScopedRegionalSettings(const ScopedRegionalSettings&) = delete;
    ScopedRegionalSettings& operator=(const ScopedRegionalSettings&) = delete;

  private:
    RegionalDateSettings previous_;
};
