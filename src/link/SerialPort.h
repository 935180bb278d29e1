#pragma once

#include "link/EventPump.h"
#include "link/SerialLinkSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <termios.h>

// A speed the serial ports of this system can be set to.
bool isSupportedBaudRate(std::int32_t baud);

// Puts 8 data bits, the parity and stop bits of `settings` (unknown codes keep the
// driver's choice), raw binary mode and no flow control into `t`.
void applySerialSettings(termios& t, speed_t speed, const SerialLinkSettings& settings);

// One serial port (termios), over which the link sends and receives RTU frames.
// It knows nothing of frames: open with a speed and format, write a block, read up
// to a count before a deadline, drain what is pending.
class SerialPort {
public:
    static constexpr std::size_t kMaxRead = 2048;

    explicit SerialPort(EventPump& pump);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the device path (/dev/ttyUSB0, a /dev/serial/by-id link, a pseudo-terminal)
    // exclusively (TIOCEXCL and an advisory lock); three tries, 0.5 s and 1 s apart,
    // except for a port that is no terminal or refuses the speed or
    // format, which fails at once. False when it cannot be opened or refuses the
    // settings; lastOpenError() then tells why (EBUSY: another program has it, EINVAL:
    // the settings were refused).
    bool open(const std::string& path, const SerialLinkSettings& settings);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // errno of the last failed open try (EACCES tells the user to join the port's group).
    int lastOpenError() const { return lastOpenError_; }

    // True when every byte was written; a blocked write gives up after 2 s.
    bool write(const std::uint8_t* data, std::size_t length);

    // Reads until `wanted` bytes arrived (at most kMaxRead and at most `capacity`) or
    // the deadline passed. Returns the count received: a short count is the failure.
    std::size_t read(std::uint8_t* buffer, std::size_t capacity, std::size_t wanted, Deadline deadline);

    // Discards every byte already received, then whatever follows until the line has
    // been quiet for `quiet` (the gap that ends an RTU frame), so the tail of an
    // earlier exchange never meets the next request.
    void drain(Seconds quiet = Seconds::zero());

private:
    bool tryOpen(const std::string& path, const SerialLinkSettings& settings);

    EventPump& pump_;
    int fd_ = -1;
    int lastOpenError_ = 0;
};
