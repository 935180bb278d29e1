#pragma once

#include <cstdint>

// Reverses the byte order of an IPv4 address (network to host order and back).
constexpr std::uint32_t SwapIpBytes(std::uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}
