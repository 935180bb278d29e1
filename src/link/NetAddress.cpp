#include "link/NetAddress.h"

#include "settings/TrimmedText.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

std::optional<in_addr> dottedAddress(const std::string& text)
{
    in_addr address{};
    if (inet_pton(AF_INET, leftTrimmed(text, kBlanksAndLineEnds).c_str(), &address) != 1)
        return std::nullopt;
    return address;
}

std::optional<in_addr> localBindAddress(const std::string& text)
{
    if (leftTrimmed(text, kBlanksAndLineEnds).empty()) {
        in_addr any{};
        any.s_addr = htonl(INADDR_ANY);
        return any;
    }
    return dottedAddress(text);
}

std::optional<std::string> resolveIPv4(const std::string& host)
{
    const std::string name = leftTrimmed(host, kBlanksAndLineEnds);
    if (name.empty())
        return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return std::nullopt;
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    inet_ntop(AF_INET, &address->sin_addr, text, sizeof text);
    freeaddrinfo(found);
    return std::string(text);
}

std::optional<LinkEndpoints> linkEndpoints(const std::string& deviceAddress, const std::string& localAddress,
                                           std::uint16_t port)
{
    const auto local = localBindAddress(localAddress);
    const auto device = dottedAddress(deviceAddress);
    if (!local || !device)
        return std::nullopt;
    LinkEndpoints ends{};
    ends.local.sin_family = AF_INET;
    ends.local.sin_addr = *local;
    ends.device.sin_family = AF_INET;
    ends.device.sin_addr = *device;
    ends.device.sin_port = htons(port);
    return ends;
}
