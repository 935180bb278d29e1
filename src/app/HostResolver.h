#pragma once

#include <string>

// What resolving a host name gave.
struct HostResolution {
    enum class Status {
        Found,    // `address` holds the first IPv4 address, dotted
        NotFound, // no such host
        NoIPv4,   // the host has addresses, none of them IPv4
        Failed,   // the resolver failed; `error` says how
    };
    Status status = Status::Failed;
    std::string address;
    int error = 0;
};

// Resolves a host name (or dotted address) for a TCP connection to `port`.
class HostResolver {
public:
    virtual ~HostResolver() = default;
    virtual HostResolution resolve(const std::string& host, int port) = 0;
};
