#pragma once

#include "link/EventPump.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Modbus RTU over UDP: one RTU frame (with its CRC, no other header) per datagram,
// on a socket connected to the device.
class UdpLink {
public:
    static constexpr std::size_t kMaxDatagram = 4096;
    static constexpr int kReceiveBuffer = 720000;

    explicit UdpLink(EventPump& pump);
    ~UdpLink();
    UdpLink(const UdpLink&) = delete;
    UdpLink& operator=(const UdpLink&) = delete;

    bool open(const std::string& deviceAddress, const std::string& localAddress, std::uint16_t port);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    bool send(const std::uint8_t* data, std::size_t length);
    // Waits for a datagram of at least `wanted` bytes; shorter ones are dropped. A
    // receive error, an empty datagram or one longer than `capacity` ends the wait
    // with 0. Returns the datagram's length.
    std::size_t receive(std::uint8_t* buffer, std::size_t capacity, std::size_t wanted, Deadline deadline);
    // Discards every datagram already received.
    void drain();
    // The length of the datagram that ended the last receive for being too long; 0: none.
    std::size_t lastOversize() const { return lastOversize_; }

private:
    EventPump& pump_;
    int fd_ = -1;
    std::size_t lastOversize_ = 0;
};
