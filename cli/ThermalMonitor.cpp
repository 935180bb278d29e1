#include "ThermalMonitor.h"

#include "device/DeviceLink.h"
#include "screens/thermal/ThermalLive.h"

#include <cstdio>

namespace {

std::string thermalSampleLine(const DeviceLink& deviceLink)
{
    const ThermalLive live = thermalLive(deviceLink);
    std::string line = live.clock ? monitorClock(std::vector<int>(live.clock->begin(), live.clock->end()))
                                  : monitorClock(std::nullopt);
    for (const auto& c : live.rtdCelsius)
        monitorField(line, " %6.1f", 7, c);
    for (std::size_t w = 0; w < live.windingCelsius.size(); ++w) {
        line += "  ";
        monitorField(line, "%6.1f", 6, live.windingCelsius[w]);
        monitorField(line, " %6.2f", 7, live.windingAmps[w]);
        monitorField(line, " %5.1f", 6, live.windingPercent[w]);
    }
    line += "  " + monitorFlags(live.relayClosed);
    return line;
}

} // namespace

MonitorModel thermalMonitor(int signature)
{
    char header[200];
    std::snprintf(header, sizeof header, "%-20s%-42s%-63s  %s", "# device clock", "   RTD 1..6 (degC)",
                  "   windings 1..3 (degC A %)", "relays 1..10 (1 closed)");
    // The inverted relay logic changes only with the set points.
    return {header, {{101, 10}}, thermalLiveReads(signature), thermalSampleLine};
}
