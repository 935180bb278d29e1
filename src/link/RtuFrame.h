#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Modbus RTU frames of the master: requests of functions 3, 6 and 16 and the checks
// of their replies. Register addresses and values go high byte first; the CRC low
// byte first.
namespace rtu {

constexpr std::size_t kBufferSize = 300;
constexpr int kMaxReadCount = 147;   // 2 * 147 + 5 bytes fill the 300-byte reply buffer
constexpr int kMaxWriteCount = 145;  // 2 * 145 + 9 bytes fill the 300-byte request buffer

// Each builder writes the whole frame, CRC included, and returns its length.
std::size_t buildRead(std::uint8_t* out, std::uint8_t slave, std::uint16_t address, std::uint16_t count);
std::size_t buildWriteSingle(std::uint8_t* out, std::uint8_t slave, std::uint16_t address, std::uint16_t value);
std::size_t buildWriteMultiple(std::uint8_t* out, std::uint8_t slave, std::uint16_t address,
                               std::span<const std::uint16_t> values);

// At least 3 bytes, and the last two are the CRC of the others, low byte first.
bool crcValid(const std::uint8_t* frame, std::size_t length);

// The number of register values a function-3 reply carries, or -1 when it must be
// refused: bad CRC, another function, an odd byte count, more values than asked,
// or a length that is not byte count + 5. A read of more than 127 registers
// (whose byte count cannot fit its byte) is taken when the length is exactly right.
int readReplyValueCount(const std::uint8_t* reply, std::size_t length, int countAsked);

// A well-formed exception reply (function | 0x80, code, CRC) to `function`.
bool isExceptionReply(const std::uint8_t* reply, std::size_t length, std::uint8_t function);

// How many bytes the reply whose first three bytes are `header` will have, given
// that `wanted` were expected: an exception reply is 5 bytes, a read reply is its
// byte count + 5; never more than `wanted`.
std::size_t expectedReplyLength(const std::uint8_t* header, std::size_t wanted);

} // namespace rtu
