#pragma once

#include "device/DeviceType.h"

#include <array>
#include <string>

// What the tool remembers of one model's last connection and configuration file.
struct ConnectionSettings {
    std::string LastConfFile;
    std::string LastDeviceIP;
    std::string LastPCIP;
    int LastIPPort = 43101;
    std::string LastAddress;
    int LastModBusAddr = 1;
    int LastSerialBaudRate = 9600;
    int LastSerialFormat = 0; // 0 "8N1", 1 "8E1", 2 "8O1", 3 "8N2"
};

// The settings remembered between runs, mirrored in conf.ini.
struct SettingsRecord {
    std::string LastEventLogPath;
    int LastLanguage = 0; // 0 Portuguese, 1 English, 2 Spanish
    int LastDevice = 0;   // device type
    std::array<ConnectionSettings, kDeviceTypeCount> connections{}; // by device type
    std::array<std::string, 10> RelayNames;    // relays 1..10 of the T
    std::string LastFaultDetectionPath;
    std::array<std::string, 10> IrrRelayNames; // pump, branches 1..5, four unused
    std::string LastRecordsPath;
    // Times a read that got no answer, or a damaged one, is sent again (0..10).
    int Retries = 2;

    ConnectionSettings& connection(int deviceType) { return connections.at(static_cast<std::size_t>(deviceType)); }
    const ConnectionSettings& connection(int deviceType) const { return connections.at(static_cast<std::size_t>(deviceType)); }
};
