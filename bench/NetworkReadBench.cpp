// A full QLX700-T configuration read (every register its configuration file saves,
// as readFullConfiguration does before a save) against the in-process simulator:
// over TCP (queued reads, flushed in batches), over UDP and, for comparison, over the
// serial line paced at 115200 baud by --wire-timing. "round_trips" counts the
// requests the device received per full read; over TCP it must equal "flushes", the
// batches the read is queued in, since each flush goes as one request.
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "link/RtuFrame.h"
#include "settings/FullConfigRead.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

enum class Link { Tcp, Udp, Serial };

// The batches readFullConfiguration flushes on the asynchronous link.
int flushCount()
{
    int flushes = 0;
    int batch = 0;
    for (const RegisterRun& run : configurationRuns(kQLX700T, 0)) {
        if (batch > 0 && batch + run.count > rtu::kMaxReadCount) {
            ++flushes;
            batch = 0;
        }
        batch += run.count;
    }
    return flushes + (batch > 0 ? 1 : 0);
}

int registerCount()
{
    int count = 0;
    for (const RegisterRun& run : configurationRuns(kQLX700T, 0))
        count += run.count;
    return count;
}

bool open(DeviceLink& deviceLink, PollEventPump& pump, const qlxsim::SimServer& sim, Link link)
{
    switch (link) {
    case Link::Tcp:
        if (!deviceLink.openTcp("127.0.0.1", "", sim.tcpPort()))
            return false;
        pump.runUntil([&] { return deviceLink.connected() || deviceLink.lastSocketError() != 0; },
                      deadlineAfter(Seconds(10)));
        return deviceLink.connected();
    case Link::Udp:
        return deviceLink.openUdp("127.0.0.1", "", sim.udpPort());
    case Link::Serial:
        return deviceLink.openSerial(sim.serialPath(), {115200, 0, 0}, false);
    }
    return false;
}

void FullConfigurationRead(benchmark::State& state, Link link)
{
    qlxsim::SimConfig config;
    config.model = "T";
    config.wireTiming = link == Link::Serial;
    qlxsim::SimTransports transports;
    transports.serial = link == Link::Serial;
    transports.udp = link == Link::Udp;
    transports.tcp = link == Link::Tcp;
    auto sim = qlxsim::SimServer::start(config, transports);
    PollEventPump pump;
    DeviceLink deviceLink(pump);
    deviceLink.setDeviceType(kQLX700T);
    if (!open(deviceLink, pump, *sim, link)) {
        state.SkipWithError("cannot open the simulator's link");
        return;
    }
    const std::uint64_t before = sim->requestCount();
    for (auto _ : state) {
        int failedRegister = 0;
        if (!readFullConfiguration(deviceLink, failedRegister)) {
            state.SkipWithError("the configuration read failed");
            return;
        }
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["round_trips"] = static_cast<double>(sim->requestCount() - before) / iterations;
    state.counters["registers"] = registerCount();
    if (link == Link::Tcp)
        state.counters["flushes"] = flushCount();
}

} // namespace

BENCHMARK_CAPTURE(FullConfigurationRead, tcp, Link::Tcp)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullConfigurationRead, udp, Link::Udp)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FullConfigurationRead, serial_115200, Link::Serial)->UseRealTime()->Unit(benchmark::kMillisecond);
