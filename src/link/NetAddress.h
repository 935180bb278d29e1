#pragma once

#include <netinet/in.h>
#include <cstdint>
#include <optional>
#include <string>

// The local address a link socket binds to: an empty text (after leading blanks)
// means any address, so the system picks the interface that reaches the device;
// otherwise the text must be a dotted IPv4 address.
std::optional<in_addr> localBindAddress(const std::string& text);

// A device address: dotted IPv4 text after leading blanks.
std::optional<in_addr> dottedAddress(const std::string& text);

// A host name or dotted address resolved to its first IPv4 address, as dotted text.
std::optional<std::string> resolveIPv4(const std::string& host);

// The local end a link socket binds to (port 0) and the device it connects to.
struct LinkEndpoints {
    sockaddr_in local;
    sockaddr_in device;
};
std::optional<LinkEndpoints> linkEndpoints(const std::string& deviceAddress, const std::string& localAddress,
                                           std::uint16_t port);
