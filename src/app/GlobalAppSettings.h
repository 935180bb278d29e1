#pragma once

#include "app/AppSettings.h"

// The process-wide record of LoadSettings/SaveSettings, in the tool's data folder.
class GlobalAppSettings final : public AppSettings {
public:
    bool load(std::string& error) override;
    SettingsRecord& record() override;
    bool save(std::string& error) override;
};
