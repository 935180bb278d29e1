#include "screens/parallelism/ParallelismLive.h"

#include "device/DeviceLink.h"

namespace {
constexpr int kUnitIndex = 1951;
constexpr int kErrors = 1960;
constexpr int kRelays = 601;

std::optional<int> value(const DeviceLink& c, int reg)
{
    return c.received(reg) ? std::optional<int>(c.registerValue(reg)) : std::nullopt;
}
} // namespace

std::optional<int> parallelismUnit(const DeviceLink& comm)
{
    const std::optional<int> u = value(comm, kUnitIndex);
    return u && *u >= 0 && *u <= 15 ? u : std::nullopt;
}

std::vector<RegisterRun> parallelismLiveReads(std::optional<int> unit)
{
    std::vector<RegisterRun> runs{{1500, 1}, {401, 6}, {kRelays, 10}};
    if (unit)
        runs.insert(runs.end(), {{501 + *unit, 1}, {521 + *unit, 1}, {541 + *unit, 1}});
    runs.push_back({kErrors, 5});
    return runs;
}

ParallelismLive parallelismLive(const DeviceLink& c)
{
    ParallelismLive live;
    for (int i = 0; i < 5; ++i)
        live.errors[static_cast<std::size_t>(i)] = value(c, kErrors + i);
    for (int i = 0; i < 10; ++i) {
        if (const auto v = value(c, kRelays + i))
            live.relayClosed[static_cast<std::size_t>(i)] = *v != 0;
    }
    const std::optional<int> u = parallelismUnit(c);
    if (!u)
        return live;
    live.position = value(c, 501 + *u);
    live.expected = value(c, 521 + *u);
    live.mode = value(c, 541 + *u);
    for (int i = 0; i < 3; ++i)
        live.relayFunctions[static_cast<std::size_t>(i)] = value(c, 121 + 20 * i + *u);
    return live;
}
