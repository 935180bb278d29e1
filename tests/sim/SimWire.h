#pragma once

// Hand-made clients for driving the simulator with raw bytes: a serial line on
// the pseudo-terminal, a UDP socket and a TCP socket on loopback.

#include "support/PtyPeer.h"

#include <chrono>
#include <functional>
#include <cstdint>
#include <string>
#include <vector>

namespace simtest {

using namespace std::chrono_literals;

// An RTU frame with its CRC appended.
Bytes rtu(std::vector<std::uint8_t> body);
// The values of a function-3 reply.
std::vector<std::uint16_t> values(const Bytes& reply);

// A file descriptor that reads with a deadline.
class Endpoint {
public:
    Endpoint() = default;
    ~Endpoint();
    Endpoint(const Endpoint&) = delete;
    Endpoint& operator=(const Endpoint&) = delete;

    void send(const Bytes& bytes) const;
    // Reads until `n` bytes came or the time-out passed.
    Bytes receive(std::size_t n, std::chrono::milliseconds timeout = 2000ms) const;
    // Whatever arrives within `window` (used only to show that nothing comes).
    Bytes receiveAny(std::chrono::milliseconds window) const;
    Bytes transact(const Bytes& request, std::size_t n, std::chrono::milliseconds timeout = 2000ms) const;
    int fd() const { return fd_; }

protected:
    int fd_ = -1;
};

class SerialClient : public Endpoint {
public:
    // Opens the line raw at `baud`, 8 data bits, `parity` 'N', 'E' or 'O', `stopBits` 1 or 2.
    explicit SerialClient(const std::string& path, int baud = 9600, char parity = 'N', int stopBits = 1);
};

class UdpClient : public Endpoint {
public:
    explicit UdpClient(std::uint16_t port);
    // One datagram, whatever its size; empty on time-out.
    Bytes receiveDatagram(std::chrono::milliseconds timeout = 2000ms) const;
};

class TcpClient : public Endpoint {
public:
    // Connects to 127.0.0.1:port; `wait` false returns at once with the connect in progress.
    explicit TcpClient(std::uint16_t port, bool wait = true);
    // True once the connect completed within `timeout`.
    bool connected(std::chrono::milliseconds timeout) const;
    // Reads one asynchronous frame (magic, length, payload); empty on time-out.
    Bytes receiveFrame(std::chrono::milliseconds timeout = 2000ms) const;
};

// A small Modbus master over either a serial line (replies cut by their own
// length fields) or a UDP socket (one datagram per reply).
class RtuMaster {
public:
    struct Reply {
        Bytes raw;                         // empty: no reply in time
        int exception = 0;                 // exception code, 0 for a normal reply
        std::vector<std::uint16_t> values; // function 3
        bool ok() const { return !raw.empty() && exception == 0; }
    };

    RtuMaster(const Endpoint& link, bool datagrams, std::uint8_t address = 1)
        : link_(link), datagrams_(datagrams), address_(address) {}

    Reply read(std::uint16_t wire, std::uint16_t count) const;
    Reply write(std::uint16_t wire, std::uint16_t value) const;
    Reply writeMany(std::uint16_t wire, const std::vector<std::uint16_t>& values) const;
    Reply transact(const Bytes& request) const;
    // One reply as it comes back, whatever its contents.
    Bytes receiveReply(std::chrono::milliseconds timeout = 2000ms) const;

private:
    const Endpoint& link_;
    bool datagrams_;
    std::uint8_t address_;
};

// Polls `condition` every few milliseconds until it holds or `timeout` passes;
// for values the device changes on its own time.
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 3000ms);

// An asynchronous frame: magic, little-endian length, command, sequence, count, items.
Bytes asyncFrame(std::uint16_t command, std::uint16_t sequence, std::uint16_t count,
                 const std::vector<std::uint16_t>& items);
// The pairs of a register-data frame.
std::vector<std::pair<std::uint16_t, std::uint16_t>> asyncPairs(const Bytes& frame);
std::uint16_t le16(const Bytes& b, std::size_t at);

} // namespace simtest
