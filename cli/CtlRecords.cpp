#include "CtlRecords.h"

#include "CtlExitStatus.h"
#include "CtlSession.h"
#include "LinkFailureReason.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "screens/thermal/EventDownload.h"
#include "screens/thermal/ThermalMaxima.h"
#include "settings/AtomicFile.h"

#include <cstdio>

namespace {

constexpr int kEventCount = 1800;
constexpr int kEraseEvents = 100;
// The device needs a moment before its count shows the erase, as the window waits.
constexpr Seconds kEventEraseSettle{1.0};

// Events and maxima are the full QLX700-T's; the membrane variant keeps neither.
bool thermalRecords(CtlSession& session, std::string& error)
{
    const int type = session.deviceLink().deviceType();
    if (type == kQLX700T && session.signature() != kSignatureTMembrane)
        return true;
    error = std::string("the device is a ") + std::string(modelName(type)) +
        (type == kQLX700T ? " membrane variant" : "") + ", which keeps no events or maxima";
    return false;
}

CtlResult saveEvents(CtlSession& session, const std::string& path, std::ostream& out, std::ostream& err, bool terminal)
{
    DeviceLink& deviceLink = session.deviceLink();
    for (const int reg : {1800, 1003, 1020}) {
        if (!deviceLink.readRegisters(reg, 1))
            return {kExitFailure,
                    "reading register " + std::to_string(reg) + " failed: " + linkFailureReason(deviceLink)};
    }
    const int total = deviceLink.registerValue(1800);
    const eventrecord::Layout layout =
        eventrecord::layoutOf(deviceLink.registerValue(1020), deviceLink.registerValue(1003));
    const EventDownloadResult result =
        downloadEvents(deviceLink, session.pump(), total, layout, [&](int fetched, int all) {
            if (terminal)
                err << "\rdownloading events: " << fetched << " / " << all << std::flush;
        });
    if (terminal && total > 0)
        err << "\n";
    std::string error;
    if (!writeFileAtomically(path, eventLogText(result.lines), error))
        return {kExitFailure, error};
    if (!result.complete) {
        return {kExitFailure, "the download stopped after " + std::to_string(result.lines.size()) + " of " +
                                  std::to_string(total) + " events (" + linkFailureReason(deviceLink) + "); " + path +
                                  " holds those " + std::to_string(result.lines.size())};
    }
    out << total << " events saved in " << path << "\n";
    return {kExitSuccess, {}};
}

// The erase is done when the count (1800) has dropped: to zero, or below what it
// was if the device has recorded an event since.
CtlResult eraseEvents(CtlSession& session, std::ostream& out)
{
    DeviceLink& deviceLink = session.deviceLink();
    if (!deviceLink.readRegisters(kEventCount, 1))
        return {kExitFailure, "reading the event count (register 1800) failed: " + linkFailureReason(deviceLink)};
    const int before = deviceLink.registerValue(kEventCount);
    if (!deviceLink.sendCommand(kEraseEvents))
        return {kExitFailure, "erasing the events failed (register 3000): " + linkFailureReason(deviceLink)};
    session.pump().sleepUntil(deadlineAfter(kEventEraseSettle));
    if (!deviceLink.readRegisters(kEventCount, 1))
        return {kExitFailure, "the erase (command 100) was sent, but reading the event count (register 1800) failed: " +
                                  linkFailureReason(deviceLink)};
    const int after = deviceLink.registerValue(kEventCount);
    if (after > 0 && after >= before)
        return {kExitFailure, "the device acknowledged the erase (command 100) but still holds " + std::to_string(after) +
                                  " events (register 1800)"};
    out << "events erased";
    if (after > 0)
        out << " (" << after << " recorded since)";
    out << "\n";
    return {kExitSuccess, {}};
}

} // namespace

CtlResult runEvents(CtlSession& session, const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    bool errIsTerminal)
{
    std::string error;
    if (!thermalRecords(session, error))
        return {kExitFailure, error};
    if (args[0] == "save")
        return saveEvents(session, args[1], out, err, errIsTerminal);
    return eraseEvents(session, out);
}

CtlResult runMaxima(CtlSession& session, bool reset, std::ostream& out)
{
    std::string error;
    if (!thermalRecords(session, error))
        return {kExitFailure, error};
    DeviceLink& deviceLink = session.deviceLink();
    for (const RegisterRun& run : thermalRecordReads()) {
        if (!deviceLink.readRegisters(run.first, run.count))
            return {kExitFailure,
                    "reading register " + std::to_string(run.first) + " failed: " + linkFailureReason(deviceLink)};
    }
    const ThermalMaxima maxima = thermalMaxima(deviceLink);
    for (std::size_t i = 0; i < maxima.size(); ++i) {
        const std::string label = i < 3 ? "winding " + std::to_string(i + 1) : "RTD " + std::to_string(i - 2);
        char line[96];
        std::snprintf(line, sizeof line, "%-10s %5d degC  %s\n", label.c_str(), maxima[i].celsius.value_or(0),
                      eventrecord::isoTimestamp(maxima[i].stamp.value_or(0)).c_str());
        out << line;
    }
    if (!reset)
        return {kExitSuccess, {}};
    if (!resetThermalMaxima(deviceLink))
        return {kExitFailure, "resetting the maxima failed: " + linkFailureReason(deviceLink)};
    out << "maxima reset\n";
    return {kExitSuccess, {}};
}
