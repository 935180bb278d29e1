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

} // namespace rtu
