#pragma once

#include "settings/IniFile.h"
#include "settings/SettingsRecord.h"

#include <filesystem>
#include <string>

// conf.ini and the record it mirrors. The file is read once, on the first load, and
// kept in memory; every save rewrites it whole, keeping keys the tool does not know.
class SettingsStore {
public:
    static constexpr const char* kFileName = "conf.ini";

    // Opens conf.ini in `folder` on the first call, then fills `record` from it, with
    // the defaults for absent keys. False (with the record still filled with
    // defaults) when the file exists but cannot be read.
    bool load(SettingsRecord& record, const std::filesystem::path& folder, std::string& error);
    // Writes every field into the file object and the file to disk.
    bool save(const SettingsRecord& record, const std::filesystem::path& folder, std::string& error);

    const IniFile& file() const { return ini_; }

private:
    bool open(const std::filesystem::path& folder, std::string& error);

    IniFile ini_;
    bool opened_ = false;
};

// The process-wide record and its file in the data folder.
SettingsRecord& Settings();
bool LoadSettings(std::string* error = nullptr);
bool SaveSettings(std::string* error = nullptr);
