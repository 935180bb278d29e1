#pragma once

#include <optional>
#include <string>

class DeviceLink;

// Why reading a device's identity stopped, and whether only its clock was missing.
struct IdentityFailure {
    std::string message; // "reading the clock (registers 401..406) failed: <cause>"
    bool clockOnly = false;
};

// Reads what `info` and `fleet info` show: the firmware and required tool versions
// (2000..2001), the serial number (2501..2502), then the clock, stopping at the first
// read that fails.
std::optional<IdentityFailure> readDeviceIdentity(DeviceLink& link);
