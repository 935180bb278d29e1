#pragma once

#include "settings/CalibrationRecord.h"
#include "settings/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>

// The calibration files, "calib" + serial number + ".ini" in the data folder. One
// file object is kept for the serial number last loaded or saved; switching to
// another number opens that number's file.
class CalibrationStore {
public:
    static std::string fileName(int serialNumber);

    // Fills the whole record from the file of `serialNumber` (absent keys take their
    // defaults). False when the file exists but cannot be read; the record then
    // holds the defaults.
    bool load(CalibrationRecord& record, int serialNumber, const std::filesystem::path& folder, std::string& error);
    // Writes the whole record into the file of `serialNumber`, keeping its other keys.
    bool save(const CalibrationRecord& record, int serialNumber, const std::filesystem::path& folder,
              std::string& error);

    std::optional<int> rememberedSerial() const { return serial_; }

private:
    bool switchTo(int serialNumber, const std::filesystem::path& folder, std::string& error);

    IniFile ini_;
    std::optional<int> serial_;
};

// The process-wide record and its files in the data folder.
CalibrationRecord& Calibration();
bool LoadCalibration(int serialNumber, std::string* error = nullptr);
bool SaveCalibration(int serialNumber, std::string* error = nullptr);
