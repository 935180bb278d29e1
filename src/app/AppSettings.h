#pragma once

#include "settings/SettingsRecord.h"

#include <string>

// The settings record the screens change and the way to write it to conf.ini. The
// program uses the process-wide record; tests give each case its own folder.
class AppSettings {
public:
    virtual ~AppSettings() = default;
    virtual SettingsRecord& record() = 0;
    // Reads conf.ini, with the defaults for absent keys; false with a reason when it
    // exists but cannot be read (the record then holds the defaults).
    virtual bool load(std::string& error) = 0;
    // Writes conf.ini; false with a reason when the file could not be written.
    virtual bool save(std::string& error) = 0;
};
