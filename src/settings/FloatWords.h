#pragma once

#include <cstdint>

// A single-precision float held in two consecutive 16-bit registers, the low half of
// its bit pattern in the lower register. The device's calibration gains and offsets
// have this form. A NaN pattern reads as 0.0 so a blank device never shows "nan";
// infinities pass unchanged.
float WordsToSingle(std::uint16_t low, std::uint16_t high);
// The same pair as the device holds it, NaN included, for reports that must not hide
// a broken calibration behind a plausible 0.
float WordsToFloat(std::uint16_t low, std::uint16_t high);
void SingleToWords(float value, std::uint16_t& low, std::uint16_t& high);
