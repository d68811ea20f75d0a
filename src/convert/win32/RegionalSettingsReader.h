#pragma once

// Reads the user's regional date settings from the desktop into the process-wide settings.
void ReadRegionalSettings();
