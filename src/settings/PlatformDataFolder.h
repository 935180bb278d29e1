#pragma once

#include <filesystem>

// Where this platform keeps the tool's data (settings, calibration records, backups):
// the folder itself, not yet created. Each platform supplies its own implementation.
std::filesystem::path platformDataFolder();
