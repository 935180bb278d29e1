#pragma once

#include "app/AppSettings.h"
#include "settings/SettingsStore.h"

#include <filesystem>

// A record of its own, mirrored in conf.ini of a given folder.
class FolderAppSettings final : public AppSettings {
public:
    explicit FolderAppSettings(std::filesystem::path folder);

    bool load(std::string& error) override;
    SettingsRecord& record() override { return record_; }
    bool save(std::string& error) override;
    // How many times conf.ini was written.
    int saves() const { return saves_; }

private:
    std::filesystem::path folder_;
    SettingsStore store_;
    SettingsRecord record_;
    int saves_ = 0;
};
