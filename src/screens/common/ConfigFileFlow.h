#pragma once

#include "settings/DeviceConfigFile.h"

#include <optional>
#include <string>

class AppSettings;
class EventPump;
class FileChooser;
class DeviceLink;
class Ui;

// The general pages' save and load buttons. Both first read every register the
// model's file holds, so a save writes what the device has now and a load compares
// its writes against it. A load checks the whole file before anything is written and
// saves the device's configuration into backups/ first, as the command line does; the
// busy notice counts the written rows.
class ConfigFileFlow {
public:
    static constexpr int kLoadNoticeWidth = 500;

    ConfigFileFlow(AppSettings& settings, Ui& ui, EventPump& pump, FileChooser& files, ConfigLoadOptions options);

    void saveConfigurationClicked(DeviceLink& comm, int language);
    void loadConfigurationClicked(DeviceLink& comm, int language);

private:
    enum class Purpose { Save, Load };
    // The full configuration read; the message to show when it failed.
    std::optional<std::string> readConfiguration(DeviceLink& comm, int language, Purpose purpose);
    std::filesystem::path lastFolder(int deviceType);
    void remember(int deviceType, const std::filesystem::path& file, int language);

    AppSettings& settings_;
    Ui& ui_;
    EventPump& pump_;
    FileChooser& files_;
    ConfigLoadOptions options_;
};
