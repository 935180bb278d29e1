#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace qlxsim {

// The misbehaviour switched on with --faults: a comma-separated list of
//   drop[=P]             no reply, with probability P (default 1)
//   badcrc[=P]           serial/UDP replies with a corrupted CRC, probability P (default 1)
//   exception=CODE       serial/UDP: every request gets exception CODE; TCP: writes get status CODE
//   slow=TIME            every reply waits TIME first (e.g. 300ms, 2s; a bare number is ms)
//   silent-after=N       no replies after the first N requests
//   silent-for=TIME      with silent-after: the silence ends after TIME
//   bad-bytecount        serial/UDP read replies claim two bytes more than they carry;
//                        TCP register data counts one pair more than it carries
//   short-reply          serial/UDP read replies carry one register fewer than asked
//   duplicate            every reply is sent twice
//   oversize-datagram    UDP replies padded to 400 bytes
//   split                TCP replies sent in two segments 10 ms apart
//   reset-after=N        TCP: the connection is reset instead of answering request N+1
//   no-accept            TCP: connections are never accepted (the connect hangs)
//   oversize-frame       TCP replies announce a length of 2100 bytes
//   ignore-writes        writes are acknowledged but do not stick
//   refuse=REG           writes to register REG are refused, as a value out of range is
//   unsolicited=TIME     TCP: register data with sequence 0xFFFF every TIME
// Random choices come from the seed, so a run can be repeated.
class FaultPlan {
public:
    using Duration = std::chrono::milliseconds;

    FaultPlan() = default;
    // Throws std::invalid_argument naming the bad item.
    FaultPlan(const std::string& list, std::uint64_t seed);

    struct Decision {
        bool silent = false;      // no reply at all
        bool badCrc = false;
    };
    // Called once per request addressed to the device; `index` counts from 1.
    Decision decide(std::uint64_t index, std::chrono::steady_clock::time_point now);

    double drop = 0;
    double badCrc = 0;
    int exception = 0;
    Duration slow{0};
    std::uint64_t silentAfter = 0;
    bool silentAfterSet = false;
    Duration silentFor{0};
    bool badByteCount = false;
    bool shortReply = false;
    bool duplicate = false;
    bool oversizeDatagram = false;
    bool split = false;
    std::uint64_t resetAfter = 0;
    bool resetAfterSet = false;
    bool noAccept = false;
    bool oversizeFrame = false;
    bool ignoreWrites = false;
    std::optional<std::uint16_t> refuse;
    Duration unsolicited{0};

private:
    bool chance(double p);

    std::mt19937_64 rng_{1};
    bool silenceStarted_ = false;
    std::chrono::steady_clock::time_point silenceStart_{};
};

} // namespace qlxsim
