#pragma once

#include "SimServer.h"
#include "device/DeviceLink.h"
#include "link/EventPump.h"

#include <cstdint>

// Opens `deviceLink` on the simulator over TCP, or over its pseudo-terminal at `baud`;
// true once the link is up.
inline bool openSimLink(DeviceLink& deviceLink, EventPump& pump, const qlxsim::SimServer& sim, bool tcp,
                        std::int32_t baud)
{
    if (!tcp)
        return deviceLink.openSerial(sim.serialPath(), {baud, 0, 0}, false);
    if (!deviceLink.openTcp("127.0.0.1", "", sim.tcpPort()))
        return false;
    pump.runUntil([&] { return deviceLink.connected() || deviceLink.lastSocketError() != 0; },
                  deadlineAfter(Seconds(5)));
    return deviceLink.connected();
}
