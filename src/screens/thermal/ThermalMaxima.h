#pragma once

#include "link/EventPump.h"
#include "settings/FullConfigRead.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class DeviceLink;

// The nine temperature maxima of the QLX700-T (windings 1..3, RTDs 1..6) with the
// moment each was reached, as this connection received them.
struct ThermalMaximum {
    std::optional<int> celsius;
    std::optional<std::uint64_t> stamp;
};
using ThermalMaxima = std::array<ThermalMaximum, 9>;

// What the maxima and the event count take to show: 701 (9), 1710 (27), 1800, 214.
std::vector<RegisterRun> thermalRecordReads();

ThermalMaxima thermalMaxima(const DeviceLink& comm);

// Puts the maxima and their stamps back to zero: three forced blocks (701..703,
// 704..709, 1710..1736), queued on the asynchronous link and then flushed.
bool resetThermalMaxima(DeviceLink& comm);
