#include "PositionMonitor.h"

#include "device/DeviceLink.h"
#include "screens/position/PositionLive.h"

#include <cstdio>

namespace {

std::string positionSampleLine(const DeviceLink& deviceLink)
{
    const PositionLive live = positionLive(deviceLink);
    std::string line = monitorClock(receivedClock(deviceLink, 601));
    monitorField(line, " %8.1f", 9, live.ohms);
    monitorField(line, " %8.3f", 9, live.milliamps);
    monitorField(line, " %4d", 5, live.position);
    char indication[16];
    std::snprintf(indication, sizeof indication, " %5s", live.indication.value_or("-").c_str());
    line += indication;
    monitorField(line, " %4d", 5, live.failureBits);
    line += "  " + monitorFlags(live.relayClosed);
    return line;
}

} // namespace

MonitorModel positionMonitor()
{
    char header[160];
    std::snprintf(header, sizeof header, "%-20s%9s%9s%5s%6s%5s  %s", "# device clock", "ohms", "mA", "pos", "ind",
                  "fail", "relays 1..10 (1 closed)");
    // The neutral position changes only with the settings.
    return {header, {{704, 1}}, positionLiveReads(), positionSampleLine};
}
