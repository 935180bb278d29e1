#include "RegulatorMonitor.h"

#include "device/DeviceLink.h"
#include "screens/regulator/RegulatorLive.h"

#include <cstdio>

namespace {

std::string regulatorSampleLine(const DeviceLink& deviceLink)
{
    const RegulatorLive live = regulatorLive(deviceLink);
    std::string line = live.clock ? monitorClock(std::vector<int>(live.clock->begin(), live.clock->end()))
                                  : monitorClock(std::nullopt);
    monitorField(line, " %6.1f", 7, live.secondaryVolts);
    monitorField(line, " %6.1f", 7, live.lineKv);
    monitorField(line, " %6.2f", 7, live.secondaryAmps);
    monitorField(line, " %6d", 7, live.lineAmps);
    monitorField(line, " %6.1f", 7, live.apparentMva);
    monitorField(line, " %6.1f", 7, live.activeMw);
    monitorField(line, " %6.1f", 7, live.reactiveMvar);
    char position[16];
    // A position the device does not measure shows as a blank field.
    std::snprintf(position, sizeof position, " %5s", live.position ? live.position->c_str() : "-");
    line += position;
    monitorField(line, " %3d", 4, live.activeSet);
    monitorField(line, " %8d", 9, live.operations);
    line += "  " + monitorFlags(live.relayEnergised);
    return line;
}

} // namespace

MonitorModel regulatorMonitor(int signature)
{
    char header[200];
    std::snprintf(header, sizeof header, "%-20s%7s%7s%7s%7s%7s%7s%7s%6s%4s%9s  %s", "# device clock", "V",
                  "kV", "A", "lineA", "MVA", "MW", "MVAr", "pos", "set", "ops", "relays 1..10 (1 on)");
    // The neutral position and the position source change only with the settings.
    return {header, {{704, 1}, {2670, 1}}, regulatorLiveReads(signature), regulatorSampleLine};
}
