#pragma once

#include "app/HostResolver.h"
#include "app/LocalAddressSource.h"
#include "app/SerialPortSource.h"
#include "device/DeviceType.h"
#include "settings/SettingsRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A simulated device of the demo mode: where it answers.
struct DemoDevice {
    std::string serialPath;
    std::string serialName; // says which model answers there
    std::uint16_t tcpPort = 0;
};

// Where the connection dialogs find ports, local addresses and host names. In demo
// mode the simulated devices come first: their pseudo-terminals in the port list,
// the loopback address and their TCP ports in the network dialog.
class ConnectionSources {
public:
    static constexpr const char* kLoopback = "127.0.0.1";

    ConnectionSources(SerialPortSource& serial, LocalAddressSource& local, HostResolver& resolver);

    void setDemoDevice(int deviceType, DemoDevice device);
    // A simulated device that only the serial list offers (a variant of a model).
    void addDemoSerialPort(SerialPortEntry port) { demoPorts_.push_back(std::move(port)); }
    bool demo() const;

    std::vector<SerialPortEntry> serialPorts();
    std::vector<std::string> localAddresses();
    HostResolver& resolver() { return resolver_; }
    // The last network connection of a model, or its simulated device in demo mode.
    ConnectionSettings networkDefaults(int deviceType, const ConnectionSettings& last) const;

private:
    SerialPortSource& serial_;
    LocalAddressSource& local_;
    HostResolver& resolver_;
    std::array<std::optional<DemoDevice>, kDeviceTypeCount> demo_{};
    std::vector<SerialPortEntry> demoPorts_;
};
