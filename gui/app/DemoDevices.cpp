#include "gui/app/DemoDevices.h"

#include "SimServer.h"
#include "app/ConnectionSources.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"

DemoDevices::DemoDevices()
{
    for (int type = 0; type < kDeviceTypeCount; ++type) {
        qlxsim::SimConfig config;
        config.model = std::string(modelShortName(type));
        config.seed = static_cast<std::uint64_t>(type + 1);
        // Some of the T's relays move with its temperatures.
        if (type == kQLX700T)
            config.preset = "t-demo";
        qlxsim::SimTransports transports;
        transports.serial = true;
        transports.tcp = true;
        servers_.push_back(qlxsim::SimServer::start(config, transports));
        password_ = config.password;
    }
    // The membrane variant of the T speaks over its serial port only.
    qlxsim::SimConfig membrane;
    membrane.model = "T-membrane";
    servers_.push_back(qlxsim::SimServer::start(membrane, {.serial = true}));
}

DemoDevices::~DemoDevices() = default;

std::string DemoDevices::serialPath(int deviceType) const
{
    return servers_.at(static_cast<std::size_t>(deviceType))->serialPath();
}

void DemoDevices::describe(ConnectionSources& sources) const
{
    for (int type = 0; type < kDeviceTypeCount; ++type) {
        const qlxsim::SimServer& s = *servers_[static_cast<std::size_t>(type)];
        const std::string name = std::string(modelName(type)) + " demo (" + s.serialPath() + ")";
        sources.setDemoDevice(type, {s.serialPath(), name, s.tcpPort()});
    }
    const qlxsim::SimServer& membrane = *servers_.back();
    sources.addDemoSerialPort({membrane.serialPath(), "QLX700-T membrane demo (" + membrane.serialPath() + ")"});
}
