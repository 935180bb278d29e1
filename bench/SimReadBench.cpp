// Serial read transactions against the simulator with --wire-timing, which paces its
// replies at the line's baud rate like a real RS-485 line: our master (DeviceLink)
// side by side with libmodbus doing the same reads in the same run. The "bound" is
// the wire-time lower bound of one transaction (request and reply bit times plus the
// simulated device's 2 ms turnaround); "ratio" is wall time over that bound. The
// "floor" adds the 3.5 characters of silence (1.75 ms above 19200 baud) that RTU asks
// between one exchange's last byte and the next request: back-to-back reads cannot go
// faster without risking a late reply being taken for the next answer. "floor_ratio"
// is wall time over the floor.
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"

#include <benchmark/benchmark.h>
#include <modbus.h>

#include <chrono>
#include <memory>

namespace {

std::unique_ptr<qlxsim::SimServer> startSim()
{
    qlxsim::SimConfig config;
    config.model = "T";
    config.wireTiming = true;
    qlxsim::SimTransports transports;
    transports.serial = true;
    return qlxsim::SimServer::start(config, transports);
}

double wireBoundSeconds(int baud, int registers)
{
    const double bytes = 8 + (2.0 * registers + 5);
    return bytes * 10.0 / baud + 0.002;
}

double frameGapSeconds(int baud)
{
    return baud > 19200 ? 0.00175 : 3.5 * 10.0 / baud;
}

void report(benchmark::State& state, std::chrono::steady_clock::duration total, int baud, int registers)
{
    const double perTransaction = std::chrono::duration<double>(total).count() / static_cast<double>(state.iterations());
    const double bound = wireBoundSeconds(baud, registers);
    const double floor = bound + frameGapSeconds(baud);
    state.counters["bound_us"] = bound * 1e6;
    state.counters["ratio"] = perTransaction / bound;
    state.counters["floor_us"] = floor * 1e6;
    state.counters["floor_ratio"] = perTransaction / floor;
}

void OurMaster(benchmark::State& state)
{
    const int baud = static_cast<int>(state.range(0));
    const int registers = static_cast<int>(state.range(1));
    auto sim = startSim();
    PollEventPump pump;
    DeviceLink deviceLink(pump);
    deviceLink.setDeviceType(kQLX700T);
    if (!deviceLink.openSerial(sim->serialPath(), {baud, 0, 0}, false)) {
        state.SkipWithError("cannot open the simulator's port");
        return;
    }
    std::chrono::steady_clock::duration total{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!deviceLink.readRegisters(1, registers)) {
            state.SkipWithError("read failed");
            return;
        }
        total += std::chrono::steady_clock::now() - start;
    }
    report(state, total, baud, registers);
}

void Libmodbus(benchmark::State& state)
{
    const int baud = static_cast<int>(state.range(0));
    const int registers = static_cast<int>(state.range(1));
    auto sim = startSim();
    modbus_t* ctx = modbus_new_rtu(sim->serialPath().c_str(), baud, 'N', 8, 1);
    if (ctx == nullptr || modbus_set_slave(ctx, 1) != 0 || modbus_connect(ctx) != 0) {
        if (ctx)
            modbus_free(ctx);
        state.SkipWithError("libmodbus cannot open the simulator's port");
        return;
    }
    modbus_set_response_timeout(ctx, 2, 0);
    std::uint16_t values[125];
    std::chrono::steady_clock::duration total{};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (modbus_read_registers(ctx, 1, registers, values) != registers) {
            state.SkipWithError("libmodbus read failed");
            break;
        }
        total += std::chrono::steady_clock::now() - start;
    }
    modbus_close(ctx);
    modbus_free(ctx);
    report(state, total, baud, registers);
}

void arguments(benchmark::internal::Benchmark* b)
{
    for (int baud : {9600, 115200})
        for (int registers : {1, 10, 100})
            b->Args({baud, registers});
    b->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
}

} // namespace

BENCHMARK(OurMaster)->Apply(arguments);
BENCHMARK(Libmodbus)->Apply(arguments);
