#pragma once

#include <string>
#include <vector>

// The computer's own IPv4 addresses, dotted, that a network link may bind to.
class LocalAddressSource {
public:
    virtual ~LocalAddressSource() = default;
    virtual std::vector<std::string> addresses() = 0;
};
