#pragma once

#include "app/LocalAddressSource.h"

// The IPv4 addresses of the interfaces that are up and are neither loopback nor
// point-to-point, from getifaddrs (at most 16 interfaces).
class PosixLocalAddressSource final : public LocalAddressSource {
public:
    std::vector<std::string> addresses() override;
};
