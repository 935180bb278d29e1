#include "CtlMonitor.h"

#include "CtlSession.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "screens/thermal/ThermalLive.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr auto kPeriod = std::chrono::seconds(1);

std::string sampleLine(const ThermalLive& live)
{
    const auto& t = live.clock;
    char text[320];
    int n = std::snprintf(text, sizeof text, "20%02d-%02d-%02d %02d:%02d:%02d ", t[5] % 100, t[4] % 100, t[3] % 100,
                          t[0] % 100, t[1] % 100, t[2] % 100);
    for (double c : live.rtdCelsius)
        n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), " %6.1f", c);
    for (std::size_t w = 0; w < live.windingCelsius.size(); ++w)
        n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), "  %6.1f %6.2f %5.1f",
                           live.windingCelsius[w], live.windingAmps[w], live.windingPercent[w]);
    std::string line(text);
    line += "  ";
    for (bool closed : live.relayClosed)
        line += closed ? '1' : '0';
    return line;
}

} // namespace

CtlResult runMonitor(CtlSession& session, int count, std::ostream& out)
{
    TEquipComm& equip = session.equip();
    if (equip.deviceType() != kQLX700T || session.signature() == kSignatureTMembrane) {
        const std::string model = session.signature() == kSignatureTMembrane ? "membrane-variant QLX700-T"
                                                                              : std::string(modelName(equip.deviceType()));
        return {2, "monitor shows the QLX700-T's measurements; this is a " + model};
    }
    // The inverted relay logic changes only with the set points.
    if (!equip.readRegisters(101, 10))
        return {1, "the device does not answer (register 101)"};
    char header[200];
    std::snprintf(header, sizeof header, "%-20s%-42s%-63s  %s\n", "# device clock", "   RTD 1..6 (degC)",
                  "   windings 1..3 (degC A %)", "relays 1..10 (1 closed)");
    out << header;
    out.flush();
    int failed = 0;
    int samples = 0;
    auto next = LinkClock::now();
    for (int sample = 1; count == 0 || sample <= count; ++sample) {
        samples = sample;
        // No window to keep drawing: the link's own time-out, so a slow network still answers.
        if (readThermalLive(equip, Seconds::zero())) {
            out << sampleLine(thermalLive(equip)) << "\n";
        } else {
            ++failed;
            out << "# sample " << sample << ": no answer\n";
        }
        out.flush();
        if (count != 0 && sample == count)
            break;
        next += kPeriod;
        session.pump().sleepUntil(next);
    }
    if (failed > 0)
        return {1, std::to_string(failed) + " of " + std::to_string(samples) + " samples got no answer"};
    return {0, {}};
}
