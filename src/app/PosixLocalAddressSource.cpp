#include "app/PosixLocalAddressSource.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace {
constexpr int kMaxInterfaces = 16;
} // namespace

std::vector<std::string> PosixLocalAddressSource::addresses()
{
    std::vector<std::string> result;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return result;
    int seen = 0;
    for (const ifaddrs* i = list; i != nullptr && seen < kMaxInterfaces; i = i->ifa_next) {
        if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET)
            continue;
        ++seen;
        if ((i->ifa_flags & IFF_UP) == 0 || (i->ifa_flags & (IFF_LOOPBACK | IFF_POINTOPOINT)) != 0)
            continue;
        const in_addr address = reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr;
        if (address.s_addr == 0)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &address, text, sizeof text) != nullptr)
            result.emplace_back(text);
    }
    freeifaddrs(list);
    return result;
}
