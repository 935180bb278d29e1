#pragma once

#include "device/DeviceLink.h"

#include <optional>

// A register's value as this connection received it; nullopt before it has.
inline std::optional<int> receivedValue(const DeviceLink& link, int reg)
{
    return link.received(reg) ? std::optional<int>(link.registerValue(reg)) : std::nullopt;
}
