#include "screens/parallelism/ParallelismLive.h"

#include "device/ReceivedValue.h"

namespace {
constexpr int kErrors = 1960;
constexpr int kFirstRelay = 601;
} // namespace

std::optional<int> parallelismUnit(const DeviceLink& comm)
{
    const std::optional<int> u = receivedValue(comm, kParallelismUnitIndex);
    return u && *u >= 0 && *u <= 15 ? u : std::nullopt;
}

std::vector<RegisterRun> parallelismLiveReads(std::optional<int> unit)
{
    std::vector<RegisterRun> runs{{1500, 1}, {401, 6}, {kFirstRelay, 10}};
    if (unit)
        runs.insert(runs.end(), {{501 + *unit, 1}, {521 + *unit, 1}, {541 + *unit, 1}});
    runs.push_back({kErrors, 5});
    return runs;
}

ParallelismLive parallelismLive(const DeviceLink& c)
{
    ParallelismLive live;
    for (int i = 0; i < 5; ++i)
        live.errors[static_cast<std::size_t>(i)] = receivedValue(c, kErrors + i);
    for (int i = 0; i < 10; ++i) {
        if (const auto v = receivedValue(c, kFirstRelay + i))
            live.relayClosed[static_cast<std::size_t>(i)] = *v != 0;
    }
    const std::optional<int> u = parallelismUnit(c);
    if (!u)
        return live;
    live.position = receivedValue(c, 501 + *u);
    live.expected = receivedValue(c, 521 + *u);
    live.mode = receivedValue(c, 541 + *u);
    for (int i = 0; i < 3; ++i)
        live.relayFunctions[static_cast<std::size_t>(i)] = receivedValue(c, 121 + 20 * i + *u);
    return live;
}
