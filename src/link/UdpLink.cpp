#include "link/UdpLink.h"

#include "link/NetAddress.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

UdpLink::UdpLink(EventPump& pump)
    : pump_(pump)
{
}

UdpLink::~UdpLink()
{
    close();
}

bool UdpLink::open(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port)
{
    close();
    const auto ends = linkEndpoints(deviceAddress, localAddress, port);
    if (!ends)
        return false;
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    if (bind(fd, reinterpret_cast<const sockaddr*>(&ends->local), sizeof ends->local) != 0
        || connect(fd, reinterpret_cast<const sockaddr*>(&ends->device), sizeof ends->device) != 0) {
        ::close(fd);
        return false;
    }
    const int size = kReceiveBuffer;
    setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    fd_ = fd;
    return true;
}

void UdpLink::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

bool UdpLink::send(const std::uint8_t* data, std::size_t length)
{
    if (fd_ < 0)
        return false;
    ssize_t n;
    do {
        n = ::send(fd_, data, length, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(length);
}

std::size_t UdpLink::receive(std::uint8_t* buffer, std::size_t capacity, std::size_t wanted, Deadline deadline)
{
    if (fd_ < 0)
        return 0;
    // A datagram may be far longer than a reply: take it whole into scratch space so
    // that an oversized one is refused instead of overrunning the reply buffer.
    std::array<std::uint8_t, kMaxDatagram> scratch;
    lastOversize_ = 0;
    for (;;) {
        const ssize_t n = ::recv(fd_, scratch.data(), scratch.size(), MSG_TRUNC);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!(pump_.waitReady(fd_, POLLIN, deadline) & POLLIN))
                return 0;
            continue;
        }
        if (n <= 0)
            return 0;
        const auto length = static_cast<std::size_t>(n);
        if (length > capacity || length > scratch.size()) {
            lastOversize_ = length;
            return 0;
        }
        if (length < wanted) {
            if (LinkClock::now() >= deadline)
                return 0;
            continue;
        }
        std::memcpy(buffer, scratch.data(), length);
        return length;
    }
}

void UdpLink::drain()
{
    if (fd_ < 0)
        return;
    std::array<std::uint8_t, 64> scratch;
    for (;;) {
        const ssize_t n = ::recv(fd_, scratch.data(), scratch.size(), MSG_TRUNC);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return;
    }
}
