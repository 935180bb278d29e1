#pragma once

#include "settings/DeviceConfigLayout.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

class TEquipComm;

// Which groups of a device configuration file a load writes. The general frames
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

    static ConfigLoadOptions none() { return {false, false, false, false, false, false, false, false, false}; }
    bool chosen(LoadGroup group) const;
};

// A pause of the load (the P's unit index needs time to settle). The default sleeps;
// a window supplies one that keeps drawing.
using ConfigPause = std::function<void(std::chrono::milliseconds)>;

// Told after each written row: how many of the chosen rows are done, of how many.
using ConfigProgress = std::function<void(int done, int total)>;

// Writes the configuration held in the register image of `equip` (refreshed first by
// the full configuration read) to `file`, for the model of its device type. The
// file is written anew through a temporary file. False with a reason on a write
// failure, and for a P whose unit index (1951) is outside 0..15.
bool SalvarConfiguracao(const TEquipComm& equip, const std::filesystem::path& file, std::string& error,
                        std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// Writes a configuration file into the device, row by row, stopping at the first
// failure. `errorRegister` is 0 on success, -1 for a file that is not this model's
// (or cannot be read), otherwise the register (or block) whose write failed.
// `reason` gets a one-line description of a failure.
bool CarregarConfiguracao(TEquipComm& equip, const std::filesystem::path& file, const ConfigLoadOptions& options,
                          int& errorRegister, std::string* reason = nullptr, const ConfigPause& pause = {},
                          const ConfigProgress& progress = {});
