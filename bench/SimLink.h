#pragma once

#include "SimServer.h"
#include "device/EquipCommF.h"
#include "link/EventPump.h"

#include <cstdint>

// Opens `equip` on the simulator over TCP, or over its pseudo-terminal at `baud`;
// true once the link is up.
inline bool openSimLink(TEquipComm& equip, EventPump& pump, const qlxsim::SimServer& sim, bool tcp, std::int32_t baud)
{
    if (!tcp)
        return equip.openSerial(sim.serialPath(), {baud, 0, 0}, false);
    if (!equip.openTcp("127.0.0.1", "", sim.tcpPort()))
        return false;
    pump.runUntil([&] { return equip.connected() || equip.lastSocketError() != 0; }, deadlineAfter(Seconds(5)));
    return equip.connected();
}
