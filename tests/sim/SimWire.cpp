#include "SimWire.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace simtest {

namespace {

sockaddr_in loopback(std::uint16_t port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    return a;
}

bool waitReadable(int fd, std::chrono::steady_clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() < 0)
        return false;
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, static_cast<int>(left.count())) > 0 && (p.revents & (POLLIN | POLLHUP | POLLERR));
}

} // namespace

Bytes rtu(std::vector<std::uint8_t> body)
{
    return withCrc(std::move(body));
}

std::vector<std::uint16_t> values(const Bytes& reply)
{
    std::vector<std::uint16_t> v;
    if (reply.size() < 5 || reply[1] != 3)
        return v;
    for (std::size_t i = 0; i + 1 < reply[2] && 4 + i < reply.size(); i += 2)
        v.push_back(static_cast<std::uint16_t>(reply[3 + i] << 8 | reply[4 + i]));
    return v;
}

Endpoint::~Endpoint()
{
    if (fd_ >= 0)
        close(fd_);
}

void Endpoint::send(const Bytes& bytes) const
{
    if (::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) < 0 && errno == ENOTSOCK) {
        [[maybe_unused]] auto n = write(fd_, bytes.data(), bytes.size());
    }
}

Bytes Endpoint::receive(std::size_t n, std::chrono::milliseconds timeout) const
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    Bytes got;
    while (got.size() < n && waitReadable(fd_, deadline)) {
        std::uint8_t buf[4096];
        const ssize_t r = read(fd_, buf, std::min(sizeof buf, n - got.size()));
        if (r <= 0)
            break;
        got.insert(got.end(), buf, buf + r);
    }
    return got;
}

Bytes Endpoint::receiveAny(std::chrono::milliseconds window) const
{
    return receive(65536, window);
}

Bytes Endpoint::transact(const Bytes& request, std::size_t n, std::chrono::milliseconds timeout) const
{
    send(request);
    return receive(n, timeout);
}

SerialClient::SerialClient(const std::string& path, int baud, char parity, int stopBits)
{
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        throw std::runtime_error("cannot open " + path);
    termios tio{};
    tcgetattr(fd_, &tio);
    cfmakeraw(&tio);
    const speed_t speed = baud == 115200 ? B115200 : baud == 19200 ? B19200 : baud == 38400 ? B38400 : B9600;
    cfsetspeed(&tio, speed);
    tio.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CSTOPB);
    if (parity != 'N')
        tio.c_cflag |= PARENB | (parity == 'O' ? PARODD : 0);
    if (stopBits == 2)
        tio.c_cflag |= CSTOPB;
    tcsetattr(fd_, TCSANOW, &tio);
    tcflush(fd_, TCIOFLUSH);
}

UdpClient::UdpClient(std::uint16_t port)
{
    fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const sockaddr_in to = loopback(port);
    if (connect(fd_, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0)
        throw std::runtime_error("udp connect failed");
}

Bytes UdpClient::receiveDatagram(std::chrono::milliseconds timeout) const
{
    if (!waitReadable(fd_, std::chrono::steady_clock::now() + timeout))
        return {};
    std::uint8_t buf[4096];
    const ssize_t r = recv(fd_, buf, sizeof buf, 0);
    return r > 0 ? Bytes(buf, buf + r) : Bytes{};
}

TcpClient::TcpClient(std::uint16_t port, bool wait)
{
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | (wait ? 0 : SOCK_NONBLOCK), 0);
    const sockaddr_in to = loopback(port);
    if (connect(fd_, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0 && (wait || errno != EINPROGRESS))
        throw std::runtime_error("tcp connect failed");
}

bool TcpClient::connected(std::chrono::milliseconds timeout) const
{
    pollfd p{fd_, POLLOUT, 0};
    if (poll(&p, 1, static_cast<int>(timeout.count())) <= 0)
        return false;
    int error = 0;
    socklen_t len = sizeof error;
    getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &len);
    return error == 0;
}

Bytes TcpClient::receiveFrame(std::chrono::milliseconds timeout) const
{
    Bytes head = receive(6, timeout);
    if (head.size() < 6)
        return {};
    Bytes rest = receive(le16(head, 4), timeout);
    head.insert(head.end(), rest.begin(), rest.end());
    return head;
}

Bytes RtuMaster::receiveReply(std::chrono::milliseconds timeout) const
{
    if (datagrams_)
        return static_cast<const UdpClient&>(link_).receiveDatagram(timeout);
    Bytes head = link_.receive(3, timeout);
    if (head.size() < 3)
        return head;
    std::size_t rest = 0;
    if (head[1] & 0x80)
        rest = 2;
    else if (head[1] == 3)
        rest = head[2] + 2u;
    else
        rest = 5;
    Bytes tail = link_.receive(rest, timeout);
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

RtuMaster::Reply RtuMaster::transact(const Bytes& request) const
{
    link_.send(request);
    Reply r;
    r.raw = receiveReply();
    if (r.raw.size() >= 3 && (r.raw[1] & 0x80))
        r.exception = r.raw[2];
    else
        r.values = values(r.raw);
    return r;
}

RtuMaster::Reply RtuMaster::read(std::uint16_t wire, std::uint16_t count) const
{
    return transact(rtu({address_, 3, static_cast<std::uint8_t>(wire >> 8), static_cast<std::uint8_t>(wire & 0xFF),
                         static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count & 0xFF)}));
}

RtuMaster::Reply RtuMaster::write(std::uint16_t wire, std::uint16_t value) const
{
    return transact(rtu({address_, 6, static_cast<std::uint8_t>(wire >> 8), static_cast<std::uint8_t>(wire & 0xFF),
                         static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)}));
}

RtuMaster::Reply RtuMaster::writeMany(std::uint16_t wire, const std::vector<std::uint16_t>& vals) const
{
    Bytes f{address_, 16, static_cast<std::uint8_t>(wire >> 8), static_cast<std::uint8_t>(wire & 0xFF), 0,
            static_cast<std::uint8_t>(vals.size()), static_cast<std::uint8_t>(2 * vals.size())};
    for (auto v : vals) {
        f.push_back(static_cast<std::uint8_t>(v >> 8));
        f.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    return transact(rtu(f));
}

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        poll(nullptr, 0, 20);
    }
    return true;
}

std::uint16_t le16(const Bytes& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

Bytes asyncFrame(std::uint16_t command, std::uint16_t sequence, std::uint16_t count,
                 const std::vector<std::uint16_t>& items)
{
    Bytes f{0x5D, 0x73, 0x91, 0xAD};
    auto put = [&f](std::uint16_t v) {
        f.push_back(static_cast<std::uint8_t>(v & 0xFF));
        f.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    put(static_cast<std::uint16_t>(6 + 2 * items.size()));
    put(command);
    put(sequence);
    put(count);
    for (auto v : items)
        put(v);
    return f;
}

std::vector<std::pair<std::uint16_t, std::uint16_t>> asyncPairs(const Bytes& frame)
{
    std::vector<std::pair<std::uint16_t, std::uint16_t>> pairs;
    for (std::size_t at = 12; at + 3 < frame.size(); at += 4)
        pairs.emplace_back(le16(frame, at), le16(frame, at + 2));
    return pairs;
}

} // namespace simtest
