#include "settings/RealText.h"

#include <array>
#include <charconv>

std::string formatSingle(float value)
{
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), r.ptr);
}

std::string formatDouble(double value)
{
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    return std::string(buf.data(), r.ptr);
}
