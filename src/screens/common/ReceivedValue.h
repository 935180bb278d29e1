#pragma once

#include "device/DeviceLink.h"

#include <optional>

// A register's value as this link received it; empty when it never was.
inline std::optional<int> receivedValue(const DeviceLink& comm, int reg)
{
    return comm.received(reg) ? std::optional<int>(comm.registerValue(reg)) : std::nullopt;
}
