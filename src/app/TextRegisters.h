#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A device text in `count` registers: two bytes a register, low byte first, padded
// with zero bytes and cut at 2 * count bytes.
std::vector<std::uint16_t> textToRegisters(std::string_view bytes, int count);
