#pragma once

#include "settings/DeviceConfigFile.h"

class AppSettings;
class EventPump;
class FileChooser;
class TEquipComm;
class Ui;

// The general frames' save and load buttons. Both first read every register the
// model's file holds, so a save writes what the device has now and a load compares
// its writes against it. The busy notice of a load counts the written rows.
class TConfigFileFlow {
public:
    static constexpr int kLoadNoticeWidth = 500;

    TConfigFileFlow(AppSettings& settings, Ui& ui, EventPump& pump, FileChooser& files, ConfigLoadOptions options);

    void bbSalvarConfClick(TEquipComm& comm, int language);
    void bbCarregarConfClick(TEquipComm& comm, int language);

private:
    bool readConfiguration(TEquipComm& comm);
    std::filesystem::path lastFolder(int deviceType);
    void remember(int deviceType, const std::filesystem::path& file, int language);

    AppSettings& settings_;
    Ui& ui_;
    EventPump& pump_;
    FileChooser& files_;
    ConfigLoadOptions options_;
};
