#pragma once

#include "settings/DeviceConfigLayout.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class DeviceLink;

// Which groups of a device configuration file a load writes. The general pages
// choose every group of their model; rows marked "always" load regardless.
struct ConfigLoadOptions {
    bool general = true;
    bool serial = true;
    bool output = true;
    bool calculation = true;  // T
    bool setPoints = true;    // T
    bool compensation = true; // R
    bool sets = true;         // R
    bool pressure = true;     // IRR
    bool cycles = true;       // IRR
    // A value that is not an integer refuses the file instead of taking the default.
    bool strict = false;

    static ConfigLoadOptions none() { return {false, false, false, false, false, false, false, false, false}; }
    bool chosen(LoadGroup group) const;
};

// A pause of the load (the P's unit index needs time to settle). The default sleeps;
// a window supplies one that keeps drawing.
using ConfigPause = std::function<void(std::chrono::milliseconds)>;

// Told after each written row: how many of the chosen rows are done, of how many.
using ConfigProgress = std::function<void(int done, int total)>;

// Writes the configuration held in the register image of `link` (refreshed first by
// the full configuration read) to `file`, for the model of its device type. The
// file is written anew through a temporary file. False with a reason on a write
// failure, and for a P whose unit index (1951) is outside 0..15.
bool saveConfiguration(const DeviceLink& link, const std::filesystem::path& file, std::string& error,
                       std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// What a load (or the check before it) found.
struct ConfigLoadOutcome {
    // 0 on success, -1 for a file that is not this model's, cannot be read or holds a
    // value out of range, otherwise the register (or block) whose write failed.
    int errorRegister = 0;
    // One line: why the file was refused or the load failed.
    std::string reason;
    // Keys whose value is not an integer and took the default ("Key = text").
    std::vector<std::string> defaulted;
    // Written registers that read back another value ("Key (register R) reads V, not W").
    std::vector<std::string> differing;
};

// Reads the whole file and checks every value a load with `options` would write,
// without a device: a file of another model, a value out of range (or, with
// `options.strict`, not an integer) refuses it. Nothing is written either way.
bool checkConfigurationFile(int deviceType, const std::filesystem::path& file, const ConfigLoadOptions& options,
                            ConfigLoadOutcome& outcome);

// Writes a configuration file into the device, row by row, stopping at the first
// failure. The whole file is checked first (as checkConfigurationFile does), so a
// refused file writes nothing. Every write is read back; on the asynchronous link the
// registers that read back another value are all listed in `outcome.differing`.
bool loadConfiguration(DeviceLink& link, const std::filesystem::path& file, const ConfigLoadOptions& options,
                       ConfigLoadOutcome& outcome, const ConfigPause& pause = {}, const ConfigProgress& progress = {});
