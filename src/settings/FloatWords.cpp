#include "settings/FloatWords.h"

#include <bit>
#include <cmath>

float WordsToSingle(std::uint16_t low, std::uint16_t high)
{
    const float v = WordsToFloat(low, high);
    return std::isnan(v) ? 0.0f : v;
}

float WordsToFloat(std::uint16_t low, std::uint16_t high)
{
    return std::bit_cast<float>(static_cast<std::uint32_t>(high) << 16 | low);
}

void SingleToWords(float value, std::uint16_t& low, std::uint16_t& high)
{
    const auto bits = std::bit_cast<std::uint32_t>(value);
    low = static_cast<std::uint16_t>(bits & 0xFFFF);
    high = static_cast<std::uint16_t>(bits >> 16);
}
