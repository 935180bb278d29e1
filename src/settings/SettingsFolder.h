#pragma once

#include <string>

// The tool's data folder, created when missing (a failure to create it shows later,
// when a file cannot be written there). The text ends with the path separator.
std::string GetSettingsFolder();
