#include "CtlMonitor.h"

#include "CtlSession.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "link/LinkError.h"
#include "screens/thermal/ThermalLive.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr auto kPeriod = std::chrono::seconds(1);

// printf of one value, or a dash as wide when it was never read.
template <typename T>
void field(std::string& line, const char* format, int width, const std::optional<T>& value)
{
    char text[32];
    if (value)
        std::snprintf(text, sizeof text, format, *value);
    else
        std::snprintf(text, sizeof text, "%*s", width, "-");
    line += text;
}

std::string sampleLine(const ThermalLive& live)
{
    std::string line;
    if (live.clock) {
        const auto& t = *live.clock;
        char text[40];
        std::snprintf(text, sizeof text, "20%02d-%02d-%02d %02d:%02d:%02d ", t[5] % 100, t[4] % 100, t[3] % 100,
                      t[0] % 100, t[1] % 100, t[2] % 100);
        line += text;
    } else {
        line += "-                   ";
    }
    for (const auto& c : live.rtdCelsius)
        field(line, " %6.1f", 7, c);
    for (std::size_t w = 0; w < live.windingCelsius.size(); ++w) {
        line += "  ";
        field(line, "%6.1f", 6, live.windingCelsius[w]);
        field(line, " %6.2f", 7, live.windingAmps[w]);
        field(line, " %5.1f", 6, live.windingPercent[w]);
    }
    line += "  ";
    for (const auto& closed : live.relayClosed)
        line += closed ? (*closed ? '1' : '0') : '-';
    return line;
}

} // namespace

CtlResult runMonitor(CtlSession& session, const MonitorOptions& options, std::ostream& out)
{
    TEquipComm& equip = session.equip();
    if (equip.deviceType() != kQLX700T || session.signature() == kSignatureTMembrane) {
        // The device answered; what is missing is this tool's live view of it.
        return {1, "monitor shows the QLX700-T's measurements; this is a " + signatureModelName(session.signature())
                       + " (no live view for it yet)"};
    }
    // The inverted relay logic changes only with the set points.
    if (!equip.readRegisters(101, 10))
        return {1, "reading register 101 failed: " + describeLinkError(equip.lastError())};
    char header[200];
    std::snprintf(header, sizeof header, "%-20s%-42s%-63s  %s\n", "# device clock", "   RTD 1..6 (degC)",
                  "   windings 1..3 (degC A %)", "relays 1..10 (1 closed)");
    out << header;
    out.flush();
    int failed = 0;
    int samples = 0;
    auto next = LinkClock::now();
    auto lastAnswer = next;
    std::string lastFailure;
    for (int sample = 1; options.count == 0 || sample <= options.count; ++sample) {
        samples = sample;
        std::string cause;
        if (!equip.connected() && equip.network()) {
            // A reset TCP connection: open it again, as a user would reconnect.
            out << "# connection lost; reconnecting\n";
            if (session.reconnect(cause) && equip.readRegisters(101, 10))
                out << "# reconnected\n";
            else if (cause.empty())
                cause = describeLinkError(equip.lastError());
        }
        // No window to keep drawing: the link's own time-out, so a slow network still answers.
        if (cause.empty() && readThermalLive(equip, session.signature(), Seconds::zero())) {
            out << sampleLine(thermalLive(equip)) << "\n";
            lastAnswer = LinkClock::now();
        } else {
            ++failed;
            lastFailure = cause.empty() ? describeLinkError(equip.lastError()) : cause;
            out << "# sample " << sample << ": no answer (" << lastFailure << ")\n";
        }
        out.flush();
        if (LinkClock::now() - lastAnswer >= options.giveUpAfter)
            return {1, "no answer for " + std::to_string(std::chrono::duration_cast<std::chrono::seconds>(options.giveUpAfter).count())
                           + " s: " + lastFailure};
        if (options.count != 0 && sample == options.count)
            break;
        next += kPeriod;
        session.pump().sleepUntil(next);
    }
    if (failed > 0)
        return {1, std::to_string(failed) + " of " + std::to_string(samples) + " samples got no answer"};
    return {0, {}};
}
