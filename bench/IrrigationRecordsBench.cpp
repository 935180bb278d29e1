// Reading the QLX700-IRR's 50 records from the simulator: over a serial line at
// 115200 baud paced like the real wire, and over TCP. Per record the controller needs
// one forced write of 4000 (its echo, the settle pause the device asks for after a
// write, and the read-back) and a read of the 36 registers of the record's text.
// "wire_bound_ms" is the line's own limit for those three exchanges (bit times and the
// simulated device's 2 ms turnaround each); "with_settle_ms" adds the settle pause.
#include "SimLink.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "screens/irrigation/IrrigationRecords.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = irrigationrecords::kMaxRecords;
constexpr int kBaud = 115200;

// Bytes of one record's exchanges: write single and its echo, the one-register
// read-back, and the read of 36 registers (request 8, reply 5 + 2n).
constexpr double kRecordBytes = (8 + 8) + (8 + 7) + (8 + 77);

void ReadRecords(benchmark::State& state)
{
    const bool tcp = state.range(0) == 1;
    qlxsim::SimConfig config;
    config.model = "IRR";
    config.preset = "irr-records-55";
    config.wireTiming = !tcp;
    auto sim = qlxsim::SimServer::start(config, {.serial = !tcp, .tcp = tcp});
    PollEventPump pump;
    DeviceLink deviceLink(pump);
    deviceLink.setDeviceType(kQLX700IRR);
    if (!openSimLink(deviceLink, pump, *sim, tcp, kBaud)) {
        state.SkipWithError("no link to the simulator");
        return;
    }
    for (auto _ : state) {
        const irrigationrecords::Reading r = irrigationrecords::readRecords(deviceLink, [](int) {});
        if (!r.complete || r.records.size() != static_cast<std::size_t>(kRecords)) {
            state.SkipWithError("reading incomplete");
            return;
        }
    }
    if (!tcp) {
        const double wire = kRecords * (kRecordBytes * 10.0 / kBaud + 3 * 0.002);
        state.counters["wire_bound_ms"] = wire * 1e3;
        state.counters["with_settle_ms"] = (wire + kRecords * deviceLink.writeSettleDelay().count()) * 1e3;
    }
}
BENCHMARK(ReadRecords)->Arg(0)->Arg(1)->ArgName("tcp")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
