#pragma once

#include <cstdint>
#include <vector>

// 16-bit words in frame bytes: Modbus RTU sends the high byte first, the asynchronous
// TCP framing the low byte first.

inline std::uint16_t bigEndianWord(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] << 8 | at[1]);
}

inline void putBigEndianWord(std::uint8_t* at, std::uint16_t word)
{
    at[0] = static_cast<std::uint8_t>(word >> 8);
    at[1] = static_cast<std::uint8_t>(word & 0xFF);
}

inline std::uint16_t littleEndianWord(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

inline void appendLittleEndianWord(std::vector<std::uint8_t>& out, std::uint16_t word)
{
    out.push_back(static_cast<std::uint8_t>(word & 0xFF));
    out.push_back(static_cast<std::uint8_t>(word >> 8));
}
