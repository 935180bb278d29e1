#pragma once

#include "Frame.h"

#include <cstddef>
#include <cstdint>

namespace qlxsim {

// 16-bit words in a frame: Modbus RTU sends the high byte first, the asynchronous
// framing the low byte first.

inline std::uint16_t bigEndianAt(const Frame& f, std::size_t at)
{
    return static_cast<std::uint16_t>(f[at] << 8 | f[at + 1]);
}

inline std::uint16_t littleEndianAt(const Frame& f, std::size_t at)
{
    return static_cast<std::uint16_t>(f[at] | f[at + 1] << 8);
}

inline void appendLittleEndian(Frame& f, std::uint16_t v)
{
    f.push_back(static_cast<std::uint8_t>(v & 0xFF));
    f.push_back(static_cast<std::uint8_t>(v >> 8));
}

} // namespace qlxsim
