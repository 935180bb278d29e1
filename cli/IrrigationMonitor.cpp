#include "IrrigationMonitor.h"

#include "device/DeviceLink.h"
#include "screens/irrigation/IrrigationLive.h"

#include <cstdio>
#include <span>

namespace {

constexpr std::size_t kPump = 0;
constexpr std::size_t kFirstValve = 1;
constexpr std::size_t kValves = 5;

std::optional<double> counter(const std::optional<std::uint32_t>& v)
{
    return v ? std::optional<double>(*v) : std::nullopt;
}

// The general page's state row in one word: any alarm first, then a cycle with no
// valve open, then all well.
const char* state(const IrrigationLive& live)
{
    if (!live.alarms || !live.noValveOn)
        return "-";
    if (*live.alarms != 0)
        return "alarm";
    return *live.noValveOn ? "no-valve" : "ok";
}

std::string irrigationSampleLine(const DeviceLink& deviceLink)
{
    const IrrigationLive live = irrigationLive(deviceLink);
    std::string line = monitorClock(receivedClock(deviceLink, 601));
    monitorField(line, " %9.0f", 10, counter(live.pluviometer));
    monitorField(line, " %9.0f", 10, counter(live.hydrometerTotal));
    monitorField(line, " %9.0f", 10, counter(live.hydrometerLastCycle));
    monitorField(line, " %5.1f", 6, live.pressureBar);
    if (live.temperatureSensor && !*live.temperatureSensor)
        line += "  -----";
    else
        monitorField(line, " %6.1f", 7, live.celsius);
    monitorField(line, " %5d", 6, live.alarms);
    char text[24];
    std::snprintf(text, sizeof text, " %-8s", state(live));
    line += text;
    line += "  ";
    line += monitorFlag(live.outputOn[kPump]);
    line += "    " + monitorFlags(std::span(live.outputOn).subspan(kFirstValve, kValves));
    return line;
}

} // namespace

MonitorModel irrigationMonitor()
{
    char header[192];
    std::snprintf(header, sizeof header, "%-20s%10s%10s%10s%6s%7s%6s %-8s  %s", "# device clock", "rain-mm", "water-L",
                  "cycle-L", "bar", "degC", "alarm", "state", "pump valves 1..5 (1 on)");
    // The input inversions change only with the settings.
    return {header, {{213, 2}}, {{601, 6}, {1100, 10}, {1001, 11}}, irrigationSampleLine};
}
