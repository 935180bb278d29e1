#include "SocketEndpoint.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace qlxsim {

namespace {

int openSocket(int type, const sockaddr_in& at)
{
    const int fd = socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        throw std::runtime_error(std::string("socket: ") + std::strerror(errno));
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&at), sizeof at) != 0) {
        const std::string why = std::strerror(errno);
        close(fd);
        throw std::runtime_error("cannot listen on " + SocketEndpoint::text(at) + ": " + why);
    }
    return fd;
}

} // namespace

sockaddr_in SocketEndpoint::parse(const std::string& text)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos)
        throw std::invalid_argument("expected ADDR:PORT, got '" + text + "'");
    const std::string host = text.substr(0, colon);
    const std::string port = text.substr(colon + 1);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    if (inet_pton(AF_INET, host.c_str(), &at.sin_addr) != 1)
        throw std::invalid_argument("not an IPv4 address: '" + host + "'");
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos
        || std::stoul(port) > 65535)
        throw std::invalid_argument("not a port: '" + port + "'");
    at.sin_port = htons(static_cast<std::uint16_t>(std::stoul(port)));
    return at;
}

int SocketEndpoint::openUdp(const sockaddr_in& at)
{
    return openSocket(SOCK_DGRAM, at);
}

int SocketEndpoint::openTcpListener(const sockaddr_in& at, int backlog)
{
    const int fd = openSocket(SOCK_STREAM, at);
    if (listen(fd, backlog) != 0) {
        const std::string why = std::strerror(errno);
        close(fd);
        throw std::runtime_error("listen: " + why);
    }
    return fd;
}

std::uint16_t SocketEndpoint::localPort(int fd)
{
    sockaddr_in at{};
    socklen_t len = sizeof at;
    getsockname(fd, reinterpret_cast<sockaddr*>(&at), &len);
    return ntohs(at.sin_port);
}

std::string SocketEndpoint::text(const sockaddr_in& at)
{
    char host[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &at.sin_addr, host, sizeof host);
    return std::string(host) + ":" + std::to_string(ntohs(at.sin_port));
}

} // namespace qlxsim
