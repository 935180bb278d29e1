#pragma once

#include <array>
#include <cstdint>

// The device password is stored in configuration files coded, so a file does not
// show it in clear: each of the four characters is added to its own key byte
// (mod 256) and the four bytes form one 32-bit number, the first in the low byte,
// written as a signed decimal. These key bytes are this tool's own; changing them
// makes older files load the wrong password.
constexpr std::array<std::uint8_t, 4> kPasswordFileKey{0x4B, 0x9E, 0x27, 0xD3};

std::int32_t encodePassword(const std::array<std::uint8_t, 4>& characters);
std::array<std::uint8_t, 4> decodePassword(std::uint32_t coded);
// The passwords this tool sets are four capital letters; anything else would lock
// the technician out of the device.
bool isUsablePassword(const std::array<std::uint8_t, 4>& characters);
