// Time of one serial read transaction (drain, request, reply, CRC check, store)
// against a scripted device on a pseudo-terminal. Wall time is the round trip; CPU
// time is this thread's alone, so it shows that waiting for the reply does not spin.
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "support/RegisterPeer.h"

#include <benchmark/benchmark.h>

static void SerialReadRegisters(benchmark::State& state)
{
    RegisterPeer device;
    for (std::uint16_t r = 1; r <= 147; ++r)
        device.set(r, r);
    PtyPeer pty(device.handler());
    PollEventPump pump;
    DeviceLink deviceLink(pump);
    deviceLink.setDeviceType(kQLX700T);
    if (!deviceLink.openSerial(pty.path(), {115200, 0, 0}, false)) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        if (!deviceLink.readRegisters(1, count)) {
            state.SkipWithError("read failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(SerialReadRegisters)->Arg(1)->Arg(10)->Arg(100)->UseRealTime()->Unit(benchmark::kMicrosecond);
