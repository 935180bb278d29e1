#pragma once

#include "settings/FullConfigRead.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class DeviceLink;

// What the QLX700-C shows live: the measured resistance and current, the position,
// the position as the chosen indication style shows it, the failure bits and the
// ten relays, as this connection received them.
struct PositionLive {
    std::optional<double> ohms;
    std::optional<double> milliamps;
    std::optional<int> position;
    // Empty when the reading mode has no indicated position or a value is missing.
    std::optional<std::string> indication;
    std::optional<int> failureBits;
    std::array<std::optional<bool>, 10> relayClosed{};
};

// The registers the general page and the monitor read every second.
std::vector<RegisterRun> positionLiveReads();

PositionLive positionLive(const DeviceLink& comm);

// The position p in indication style s around the neutral position n: 0 the position
// itself, 1 p - n, 2 n - p, 3 "xL" below and "yR" above the neutral ("N" on it),
// 4 the same with L and R swapped. Empty for a style the device does not have.
std::optional<std::string> indicatedPosition(int style, int position, int neutral);

// The highest of failure bits 0..3 that is set, or -1 when none is.
int highestFailureBit(int bits);
