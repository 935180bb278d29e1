#include "screens/thermal/ThermalMaxima.h"

#include "device/DeviceLink.h"
#include "screens/thermal/EventRecord.h"

namespace {
constexpr int kMaxima = 701;
constexpr int kStamps = 1710;
} // namespace

std::vector<RegisterRun> thermalRecordReads()
{
    return {{kMaxima, 3}, {kMaxima + 3, 6}, {kStamps, 27}, {1800, 1}, {214, 1}};
}

ThermalMaxima thermalMaxima(const DeviceLink& comm)
{
    ThermalMaxima maxima{};
    for (int i = 0; i < 9; ++i) {
        ThermalMaximum& m = maxima[static_cast<std::size_t>(i)];
        if (comm.received(kMaxima + i))
            m.celsius = comm.registerValue(kMaxima + i);
        const int stamp = kStamps + 3 * i;
        if (comm.received(stamp) && comm.received(stamp + 1) && comm.received(stamp + 2)) {
            m.stamp = eventrecord::timestamp48(static_cast<std::uint16_t>(comm.registerValue(stamp)),
                                               static_cast<std::uint16_t>(comm.registerValue(stamp + 1)),
                                               static_cast<std::uint16_t>(comm.registerValue(stamp + 2)));
        }
    }
    return maxima;
}

bool resetThermalMaxima(DeviceLink& comm)
{
    const std::array<std::uint16_t, 27> zeros{};
    bool ok = comm.writeRegisters(kMaxima, std::span(zeros.data(), 3), true, true);
    ok = comm.writeRegisters(kMaxima + 3, std::span(zeros.data(), 6), true, true) && ok;
    ok = comm.writeRegisters(kStamps, std::span(zeros.data(), 27), true, true) && ok;
    return comm.flushQueuedWrites() && ok;
}
