#include "app/ConnectionSources.h"

#include <utility>

ConnectionSources::ConnectionSources(SerialPortSource& serial, LocalAddressSource& local, HostResolver& resolver)
    : serial_(serial)
    , local_(local)
    , resolver_(resolver)
{
}

void ConnectionSources::setDemoDevice(int deviceType, DemoDevice device)
{
    demo_.at(static_cast<std::size_t>(deviceType)) = std::move(device);
}

bool ConnectionSources::demo() const
{
    for (const auto& d : demo_) {
        if (d)
            return true;
    }
    return !demoPorts_.empty();
}

std::vector<SerialPortEntry> ConnectionSources::serialPorts()
{
    std::vector<SerialPortEntry> ports;
    for (const auto& d : demo_) {
        if (d && !d->serialPath.empty())
            ports.push_back({d->serialPath, d->serialName});
    }
    ports.insert(ports.end(), demoPorts_.begin(), demoPorts_.end());
    for (SerialPortEntry& p : serial_.ports())
        ports.push_back(std::move(p));
    return ports;
}

std::vector<std::string> ConnectionSources::localAddresses()
{
    std::vector<std::string> addresses;
    if (demo())
        addresses.emplace_back(kLoopback);
    for (std::string& a : local_.addresses())
        addresses.push_back(std::move(a));
    return addresses;
}

ConnectionSettings ConnectionSources::networkDefaults(int deviceType, const ConnectionSettings& last) const
{
    ConnectionSettings c = last;
    if (deviceType < 0 || deviceType >= kDeviceTypeCount)
        return c;
    const auto& d = demo_[static_cast<std::size_t>(deviceType)];
    if (d && d->tcpPort != 0) {
        c.LastDeviceIP = kLoopback;
        c.LastPCIP = kLoopback;
        c.LastIPPort = d->tcpPort;
    }
    return c;
}
