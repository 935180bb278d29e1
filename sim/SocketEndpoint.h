#pragma once

#include <cstdint>
#include <netinet/in.h>
#include <string>

namespace qlxsim {

// IPv4 "ADDR:PORT" endpoints and the sockets the simulator listens on.
class SocketEndpoint {
public:
    // Throws std::invalid_argument for anything but a dotted IPv4 address and a port 0..65535.
    static sockaddr_in parse(const std::string& text);
    // Bound, non-blocking sockets; throw std::runtime_error.
    static int openUdp(const sockaddr_in& at);
    static int openTcpListener(const sockaddr_in& at, int backlog);
    static std::uint16_t localPort(int fd);
    static std::string text(const sockaddr_in& at);
};

} // namespace qlxsim
