#pragma once

#include <cstdint>
#include <string>

// A version word packs a.b.c as 4, 4 and 8 bits (0x1106 is 1.1.6). Register 2000
// holds the firmware's, register 2001 the lowest tool version the firmware accepts.
std::uint16_t GetProgramVersion();
std::string VersionToText(std::uint16_t version);
std::uint16_t PackVersion(int major, int minor, int patch);
