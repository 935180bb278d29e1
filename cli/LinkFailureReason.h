#pragma once

#include "device/DeviceLink.h"
#include "link/LinkError.h"

#include <string>

// Why the device link's last transaction failed, as a one-line reason ends.
inline std::string linkFailureReason(const DeviceLink& deviceLink)
{
    return describeLinkError(deviceLink.lastError());
}
