#pragma once

#include <cstddef>
#include <cstdint>

// Finds the answer to one RTU request in the bytes received since it was sent.
// The bytes may begin with what an earlier exchange left (a late reply, the echo of
// a write, noise): whole frames that do not answer this request are skipped, and
// bytes that cannot start a frame are dropped one at a time.
namespace rtu {

struct Expectation {
    std::uint8_t slave = 1;
    std::uint8_t function = 3; // 3, 6 or 16
    std::uint16_t address = 0; // on the wire (the P's offset included)
    std::uint16_t count = 1;   // registers read (3) or written (16)
};

enum class ScanKind {
    NeedMore,    // a frame may start here: `length` bytes are needed in all
    Skip,        // drop `length` bytes and scan on
    Answer,      // the whole answer is the first `length` bytes
    ShortAnswer, // a read reply with fewer registers than asked (`length` bytes)
    Exception,   // the device refused the request: code at byte 2
};

struct ScanStep {
    ScanKind kind = ScanKind::NeedMore;
    std::size_t length = 0;
    // The skipped bytes began a frame of the right shape whose CRC is wrong.
    bool badCrc = false;
};

ScanStep scanReply(const std::uint8_t* data, std::size_t size, const Expectation& expected);

// The number of register values a read reply of `length` bytes carries.
inline int readReplyValues(std::size_t length) { return static_cast<int>((length - 5) / 2); }

} // namespace rtu
