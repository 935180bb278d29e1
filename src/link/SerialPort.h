#pragma once

#include "link/EventPump.h"
#include "link/SerialLinkSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <termios.h>

// A speed the serial ports of this system can be set to.
bool isSupportedBaudRate(std::int32_t baud);

// The bits of one character: start, 8 data, the parity bit if any and the stop bits:
// 10 for 8N1, 11 for 8E1, 8O1 and 8N2.
double characterBits(const SerialLinkSettings& settings);

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

    // Waits until at least `wanted` bytes arrived or the deadline passed, taking all
    // that came (at most `capacity` and kMaxRead). Returns the count received: one
    // short of `wanted` is the failure.
    std::size_t read(std::uint8_t* buffer, std::size_t capacity, std::size_t wanted, Deadline deadline);

    // Discards every byte already received, then whatever follows until the line has
    // been quiet for `quiet` since the last byte it carried (received, or sent and on
    // its way out), so the tail of an earlier exchange never meets the next request.
    // A line already quiet that long costs no wait at all.
    void drain(Seconds quiet = Seconds::zero());

    // One character on the wire: start bit, 8 data bits, parity and stop bits.
    Seconds characterTime() const { return characterTime_; }
    // The silence that ends an RTU frame: 3.5 characters, and a fixed 1.75 ms above
    // 19200 baud, where the character time would make it too short to tell apart.
    Seconds frameGap() const;

private:
    bool tryOpen(const std::string& path, const SerialLinkSettings& settings);

    void heard() { lastActivity_ = LinkClock::now(); }

    EventPump& pump_;
    int fd_ = -1;
    int lastOpenError_ = 0;
    std::int32_t baudRate_ = 9600;
    Seconds characterTime_{10.0 / 9600};
    // When the line last carried a byte: received, or sent and leaving the wire.
    Deadline lastActivity_{};
};
