#pragma once

#include "app/HostResolver.h"

// getaddrinfo for a stream socket of any family. The first IPv4 result is taken: on
// Linux the first result is often IPv6, which the device links cannot use.
class PosixHostResolver final : public HostResolver {
public:
    HostResolution resolve(const std::string& host, int port) override;
};
