#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The asynchronous TCP framing: the magic bytes 5D 73 91 AD, a little-endian length
// of the bytes that follow it, then the payload: command, sequence number, item
// count and the items. Unlike the RTU frames every field is little-endian.
namespace asyncframe {

constexpr std::uint8_t kMagic[4] = {0x5D, 0x73, 0x91, 0xAD};
constexpr std::size_t kHeaderSize = 6;     // magic and length
constexpr std::size_t kMinPayload = 6;     // command, sequence, count
constexpr std::size_t kMaxPayload = 2000;  // the receive side's payload buffer
constexpr std::size_t kMaxFrame = 2000;    // the send side's frame buffer
// A read request could name 994 registers, but the device answers with one
// (register, value) pair each, and a reply's payload holds at most 498 pairs.
constexpr std::size_t kMaxReadRegisters = (kMaxPayload - kMinPayload) / 4;               // 498
constexpr std::size_t kMaxWritePairs = (kMaxFrame - kHeaderSize - kMinPayload) / 4;    // 497

constexpr std::uint16_t kCommandRead = 1;
constexpr std::uint16_t kCommandRegisterData = 2;
constexpr std::uint16_t kCommandWrite = 10;

struct Pair {
    std::uint16_t reg;
    std::uint16_t value;
    bool operator==(const Pair&) const = default;
};

// Whole frames, magic to last item. At most kMaxReadRegisters registers and
// kMaxWritePairs pairs: the caller splits longer lists.
std::vector<std::uint8_t> buildRead(std::uint16_t sequence, std::span<const std::uint16_t> registers);
std::vector<std::uint8_t> buildWrite(std::uint16_t sequence, std::span<const Pair> pairs);

// Fields of a received payload (at least kMinPayload bytes).
std::uint16_t payloadCommand(std::span<const std::uint8_t> payload);
std::uint16_t payloadSequence(std::span<const std::uint8_t> payload);
// The status word of a write reply (where the count stands): 0 is success. None
// when the payload is too short to hold it.
std::optional<std::uint16_t> writeStatus(std::span<const std::uint8_t> payload);
// The pairs of a register-data payload: as many as its count says, but never more
// than its bytes carry.
std::vector<Pair> registerDataPairs(std::span<const std::uint8_t> payload);

} // namespace asyncframe
