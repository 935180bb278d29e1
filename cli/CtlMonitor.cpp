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

// A TCP connection the device or the network closed.
bool connectionLost(const DeviceLink& deviceLink)
{
    return deviceLink.network() && !deviceLink.connected();
}

// Opens a lost connection again, as a user would reconnect, and says so.
bool reconnect(CtlSession& session, const MonitorModel& model, std::ostream& out, std::string& cause)
{
    out << "# connection lost; reconnecting\n";
    if (session.reconnect(cause) && readRuns(session.deviceLink(), model.once)) {
        out << "# reconnected\n";
        return true;
    }
    if (cause.empty())
        cause = linkFailureReason(session.deviceLink());
    return false;
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
        // A connection a reconnection could not open on an earlier tick.
        const bool ready = !connectionLost(deviceLink) || reconnect(session, *model, out, cause);
        // No window to keep drawing: the link's own time-out, so a slow network still answers.
        bool answered = ready && readRuns(deviceLink, model->live);
        // The connection, not the device, cost this sample: take it again at once.
        if (!answered && ready && connectionLost(deviceLink) && reconnect(session, *model, out, cause))
            answered = readRuns(deviceLink, model->live);
        if (answered) {
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
        // A sample that overran its second (a time-out) is not followed at once by the
        // ticks it missed: samples back to back would show the same device second.
        const auto now = LinkClock::now();
        do
            next += kPeriod;
        while (next <= now);
        session.pump().sleepUntil(next);
    }
    if (failed > 0)
        return {kExitFailure, std::to_string(failed) + " of " + std::to_string(samples) + " samples got no answer"};
    return {kExitSuccess, {}};
}
