#include "CtlMonitor.h"

#include "CtlExitStatus.h"
#include "CtlSession.h"
#include "LinkFailureReason.h"
#include "device/DeviceModel.h"
#include "device/DeviceLink.h"
#include "MonitorModel.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr auto kPeriod = std::chrono::seconds(1);

// The monitor's reads: queued and flushed as one on the asynchronous link, one after
// the other otherwise, stopping at the first failure.
bool readRuns(DeviceLink& deviceLink, const std::vector<RegisterRun>& runs)
{
    const bool queue = deviceLink.asynchronous();
    for (const RegisterRun& run : runs) {
        if (!deviceLink.readRegisters(run.first, run.count, queue))
            return false;
    }
    return deviceLink.flushQueuedReads();
}

} // namespace

CtlResult runMonitor(CtlSession& session, const MonitorOptions& options, std::ostream& out)
{
    DeviceLink& deviceLink = session.deviceLink();
    const std::optional<MonitorModel> model = monitorModel(deviceLink.deviceType(), session.signature());
    if (!model) {
        // The device answered; what is missing is this tool's live view of it.
        return {kExitFailure,
                "monitor has no live view of this device yet; this is a " + signatureModelName(session.signature())};
    }
    if (!readRuns(deviceLink, model->once))
        return {kExitFailure, "reading the device failed: " + linkFailureReason(deviceLink)};
    out << model->header << "\n";
    out.flush();
    int failed = 0;
    int samples = 0;
    auto next = LinkClock::now();
    auto lastAnswer = next;
    std::string lastFailure;
    for (int sample = 1; options.count == 0 || sample <= options.count; ++sample) {
        samples = sample;
        std::string cause;
        if (!deviceLink.connected() && deviceLink.network()) {
            // A reset TCP connection: open it again, as a user would reconnect.
            out << "# connection lost; reconnecting\n";
            if (session.reconnect(cause) && readRuns(deviceLink, model->once))
                out << "# reconnected\n";
            else if (cause.empty())
                cause = linkFailureReason(deviceLink);
        }
        // No window to keep drawing: the link's own time-out, so a slow network still answers.
        if (cause.empty() && readRuns(deviceLink, model->live)) {
            out << model->line(deviceLink) << "\n";
            lastAnswer = LinkClock::now();
        } else {
            ++failed;
            lastFailure = cause.empty() ? linkFailureReason(deviceLink) : cause;
            out << "# sample " << sample << ": no answer (" << lastFailure << ")\n";
        }
        out.flush();
        if (LinkClock::now() - lastAnswer >= options.giveUpAfter)
            return {kExitFailure, "no answer for " + std::to_string(std::chrono::duration_cast<std::chrono::seconds>(options.giveUpAfter).count())
                                      + " s: " + lastFailure};
        if (options.count != 0 && sample == options.count)
            break;
        next += kPeriod;
        session.pump().sleepUntil(next);
    }
    if (failed > 0)
        return {kExitFailure, std::to_string(failed) + " of " + std::to_string(samples) + " samples got no answer"};
    return {kExitSuccess, {}};
}
