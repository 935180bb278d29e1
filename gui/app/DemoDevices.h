#pragma once

#include <memory>
#include <string>
#include <vector>

class ConnectionSources;

namespace qlxsim {
class SimServer;
}

// Demo mode: one simulated device of every model, in this process, each on a
// pseudo-terminal and a loopback TCP port, and the T's membrane variant on a
// pseudo-terminal.
class DemoDevices {
public:
    // Throws std::runtime_error when a device cannot be started.
    DemoDevices();
    ~DemoDevices();
    DemoDevices(const DemoDevices&) = delete;
    DemoDevices& operator=(const DemoDevices&) = delete;

    // Puts the devices into the connection dialogs' lists.
    void describe(ConnectionSources& sources) const;
    // The serial port of the model's device, and the password of every device.
    std::string serialPath(int deviceType) const;
    const std::string& password() const { return password_; }

private:
    std::vector<std::unique_ptr<qlxsim::SimServer>> servers_; // by device type, then the membrane T
    std::string password_;
};
