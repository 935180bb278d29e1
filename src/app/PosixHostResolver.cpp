#include "app/PosixHostResolver.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

HostResolution PosixHostResolver::resolve(const std::string& host, int port)
{
    HostResolution r;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    const int status = getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
    if (status == EAI_NONAME || status == EAI_NODATA || status == EAI_ADDRFAMILY) {
        r.status = HostResolution::Status::NotFound;
        return r;
    }
    if (status != 0) {
        r.status = HostResolution::Status::Failed;
        r.error = status == EAI_SYSTEM ? errno : status;
        return r;
    }
    r.status = HostResolution::Status::NoIPv4;
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        if (a->ai_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr, text, sizeof text);
        r.status = HostResolution::Status::Found;
        r.address = text;
        break;
    }
    freeaddrinfo(found);
    return r;
}
