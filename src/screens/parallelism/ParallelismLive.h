#pragma once

#include "settings/FullConfigRead.h"

#include <array>
#include <optional>
#include <vector>

class DeviceLink;

// What the QLX700-P shows live for its unit on the bus: position, expected position,
// operating mode, the five error registers, the ten relays and the functions of
// relays 7..9, as this connection received them.
struct ParallelismLive {
    std::optional<int> position;
    std::optional<int> expected;
    std::optional<int> mode;
    // 1960..1964: communication, configuration, position, synchronism, internal.
    std::array<std::optional<int>, 5> errors{};
    std::array<std::optional<bool>, 10> relayClosed{};
    std::array<std::optional<int>, 3> relayFunctions{};
};

// Where the unit's index on its bus is kept and changed.
inline constexpr int kParallelismUnitIndex = 1951;

// The unit's index on the bus (1951) when it was read and addresses a unit (0..15):
// only then do the per-unit registers belong to this unit.
std::optional<int> parallelismUnit(const DeviceLink& comm);

// What the general page and the monitor read every second; the per-unit registers
// only for a valid unit index.
std::vector<RegisterRun> parallelismLiveReads(std::optional<int> unit);

ParallelismLive parallelismLive(const DeviceLink& comm);
