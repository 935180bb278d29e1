#pragma once

#include <string>

// The tool's data folder, created when missing (a failure to create it shows later,
// when a file cannot be written there). The text ends with the path separator.
std::string GetSettingsFolder();

// From now on GetSettingsFolder() is demo/ inside the data folder, emptied first: a
// demo starts from the first-run defaults, and its settings, calibration records and
// backups never mix with the user's. False, with the reason, when the folder cannot
// be emptied or created.
bool UseDemoSettingsFolder(std::string& error);
