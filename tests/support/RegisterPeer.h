#pragma once

#include "support/PtyPeer.h"

#include <map>
#include <optional>
#include <mutex>
#include <set>

// A minimal Modbus RTU slave for the link tests: holding registers in a map,
// functions 3, 6 and 16, and a few switches to misbehave. It is deliberately
// simpler than the simulator, so the tests see every byte.
class RegisterPeer {
public:
    explicit RegisterPeer(std::uint8_t slave = 1);

    PtyPeer::Handler handler();

    void set(std::uint16_t address, std::uint16_t value);
    std::uint16_t get(std::uint16_t address) const;

    // Writes to these wire addresses get exception 3 and keep their value.
    std::set<std::uint16_t> refused;
    // Writes to these wire addresses are echoed but do not stick.
    std::set<std::uint16_t> sticky;
    // The next read reply carries only this many registers (0 = as asked).
    int shortReplyCount = 0;
    // The next read reply gets a byte count that disagrees with its length.
    bool badByteCount = false;
    // Echo value of a command write (register 0x0BB8 / 0x8BB8), if set.
    std::optional<std::uint16_t> commandEcho;
    bool silent = false;
    // Sent before the next reply, in the same write: what an earlier exchange left on
    // the line (a late echo, noise, another slave's reply).
    Bytes before;
    // Every reply goes twice.
    bool duplicate = false;

private:
    Bytes reply(const Bytes& request);
    Bytes answerOf(const Bytes& request);

    std::uint8_t slave_;
    mutable std::mutex mutex_;
    std::map<std::uint16_t, std::uint16_t> registers_;
};
