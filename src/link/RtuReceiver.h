#pragma once

#include "link/EventPump.h"
#include "link/LinkError.h"
#include "link/RtuReplyScan.h"

#include <array>
#include <cstddef>
#include <cstdint>

class SerialPort;
class UdpLink;

// Receives the answer to one RTU request over the serial port (a byte stream) or UDP
// (one frame a datagram). Frames that answer something else are skipped while the
// wait goes on, so a late reply or a duplicate never passes for this request's
// answer; the deadline stays the request's own. A read reply with fewer registers
// than asked is skipped too: it may be the late reply of a smaller read.
class RtuReceiver {
public:
    struct Result {
        rtu::ScanKind kind = rtu::ScanKind::NeedMore; // Answer, Exception, or NeedMore: none
        std::size_t length = 0;
        LinkError error; // why there is no answer (time-out, bad CRC, exception N, short reply)
    };

    RtuReceiver(SerialPort& serial, UdpLink& udp);

    Result await(bool network, const rtu::Expectation& expected, Deadline deadline);
    // The frame of the last answer (valid until the next await).
    const std::uint8_t* frame() const { return buffer_.data(); }

private:
    Result awaitSerial(const rtu::Expectation& expected, Deadline deadline);
    Result awaitUdp(const rtu::Expectation& expected, Deadline deadline);
    void drop(std::size_t count);
    // What was skipped while waiting, for the cause of a missing answer.
    struct Seen {
        bool badCrc = false;
        bool badByteCount = false;
        int shortValues = -1; // values of the last shorter read reply; -1: none
    };
    static Result found(const rtu::ScanStep& step, const std::uint8_t* frame);
    static Result none(const Seen& seen, const rtu::Expectation& expected);
    static void note(Seen& seen, const rtu::ScanStep& step);
    // A whole read reply with a good CRC whose byte count claims another length.
    static bool badByteCount(const std::uint8_t* data, std::size_t size, const rtu::Expectation& expected);

    SerialPort& serial_;
    UdpLink& udp_;
    // Room for a whole reply (299 bytes) behind whatever an earlier exchange left.
    std::array<std::uint8_t, 1024> buffer_{};
    std::size_t have_ = 0;
};
