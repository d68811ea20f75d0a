#include "convert/RegionalSettings.h"

#include <utility>

namespace {

// The settings of the process, replaced as a whole when the desktop announces a change.
RegionalDateSettings& Settings() {
    static RegionalDateSettings settings;
    return settings;
}

}  // namespace

const RegionalDateSettings& CurrentRegionalSettings() {
    return Settings();
}

void SetRegionalSettings(RegionalDateSettings settings) {
    Settings() = std::move(settings);
}

ScopedRegionalSettings::ScopedRegionalSettings(RegionalDateSettings settings)
    : previous_(Settings()) {
    SetRegionalSettings(std::move(settings));
}

ScopedRegionalSettings::~ScopedRegionalSettings() {
    Settings() = std::move(previous_);
}
