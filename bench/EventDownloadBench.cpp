// Downloading the QLX700-T's event log (200 events, 20 pages) from the simulator:
// over a serial line at 115200 baud paced like the real wire, and over TCP. Per page
// the device needs one forced write of 801 (its echo, the settle pause the device
// asks for after a write, and the read-back) and reads of 100 and 30 registers.
// "wire_bound_ms" is the line's own limit for those four exchanges (bit times and the
// simulated device's 2 ms turnaround each); "with_settle_ms" adds the settle pause.
#include "SimLink.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "screens/thermal/EventDownload.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kEvents = 200;
constexpr int kPages = kEvents / 10;
constexpr int kBaud = 115200;

// Bytes of the four exchanges of one page: write single and its echo, the one-register
// read-back, and the reads of 100 and 30 registers (request 8, reply 5 + 2n).
constexpr double kPageBytes = (8 + 8) + (8 + 7) + (8 + 205) + (8 + 65);

void Download(benchmark::State& state)
{
    const bool tcp = state.range(0) == 1;
    qlxsim::SimConfig config;
    config.model = "T";
    config.wireTiming = !tcp;
    auto sim = qlxsim::SimServer::start(config, {.serial = !tcp, .tcp = tcp});
    sim->setReg(214, 0);
    sim->setEventCount(kEvents);
    PollEventPump pump;
    DeviceLink deviceLink(pump);
    deviceLink.setDeviceType(kQLX700T);
    if (!openSimLink(deviceLink, pump, *sim, tcp, kBaud)) {
        state.SkipWithError("no link to the simulator");
        return;
    }
    for (auto _ : state) {
        const EventDownloadResult r = downloadEvents(deviceLink, pump, kEvents, {3, 6}, nullptr);
        if (!r.complete || r.lines.size() != static_cast<std::size_t>(kEvents)) {
            state.SkipWithError("download incomplete");
            return;
        }
    }
    if (!tcp) {
        const double wire = kPages * (kPageBytes * 10.0 / kBaud + 4 * 0.002);
        state.counters["wire_bound_ms"] = wire * 1e3;
        state.counters["with_settle_ms"] = (wire + kPages * deviceLink.writeSettleDelay().count()) * 1e3;
    }
}
BENCHMARK(Download)->Arg(0)->Arg(1)->ArgName("tcp")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
