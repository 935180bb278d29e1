#pragma once

#include <filesystem>
#include <string>

class DeviceLink;

// Saves the configuration the device holds now (the full configuration read must have
// refreshed the image) as backups/<model>-<serial>-<YYYYMMDD-HHMMSS>.conf in the data
// folder, never over an existing file, so a wrong load can be undone with another.
// Returns the file, or an empty path with the reason in `error`.
std::filesystem::path saveConfigBackup(const DeviceLink& link, std::string& error);
