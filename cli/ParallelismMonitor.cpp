#include "ParallelismMonitor.h"

#include "device/DeviceLink.h"
#include "screens/parallelism/ParallelismLive.h"

#include <cstdio>

namespace {

const char* modeName(const std::optional<int>& mode)
{
    if (!mode)
        return "-";
    switch (*mode) {
    case 0: return "master";
    case 1: return "commanded";
    case 2: return "individual";
    case 3: return "off";
    default: return "unknown";
    }
}

std::string parallelismSampleLine(const DeviceLink& deviceLink)
{
    const ParallelismLive live = parallelismLive(deviceLink);
    std::string line = monitorClock(receivedClock(deviceLink, 401));
    monitorField(line, " %4d", 5, live.position);
    monitorField(line, " %4d", 5, live.expected);
    char mode[16];
    std::snprintf(mode, sizeof mode, " %-10s", modeName(live.mode));
    line += mode;
    for (const auto& e : live.errors)
        monitorField(line, " %5d", 6, e);
    line += "  " + monitorFlags(live.relayClosed);
    return line;
}

} // namespace

MonitorModel parallelismMonitor()
{
    char header[200];
    std::snprintf(header, sizeof header, "%-20s%5s%5s %-10s%6s%6s%6s%6s%6s  %s", "# device clock", "pos", "exp", "mode",
                  "comm", "conf", "posn", "sync", "int", "relays 1..10 (1 closed)");
    // The unit index, read once, picks this unit's entries of the three bus tables,
    // which are read whole (16 each); an index outside 0..15 leaves those columns empty.
    std::vector<RegisterRun> live = parallelismLiveReads(std::nullopt);
    live.insert(live.end(), {{501, 16}, {521, 16}, {541, 16}});
    return {header, {{1951, 1}}, live, parallelismSampleLine};
}
