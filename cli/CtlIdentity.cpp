#include "CtlIdentity.h"

#include "LinkFailureReason.h"
#include "device/DeviceLink.h"

std::optional<IdentityFailure> readDeviceIdentity(DeviceLink& link)
{
    const auto failed = [&](const std::string& what, int first, int count, bool clockOnly) {
        return IdentityFailure{"reading " + what + " (registers " + std::to_string(first) + ".."
                                   + std::to_string(first + count - 1) + ") failed: " + linkFailureReason(link),
                               clockOnly};
    };
    if (!link.readRegisters(2000, 2))
        return failed("the firmware version", 2000, 2, false);
    if (!link.readRegisters(2501, 2))
        return failed("the serial number", 2501, 2, false);
    const Field& clock = link.image().clockField();
    if (!link.readRegisters(clock.first, clock.size))
        return failed("the clock", clock.first, clock.size, true);
    return std::nullopt;
}
