#include "RegisterBank.h"

#include <cstring>

namespace qlxsim {

RegisterBank::RegisterBank()
{
    hi_.fill(0xFFFF);
}

void RegisterBank::declare(std::uint16_t first, int count, std::uint16_t value,
                           std::uint16_t lo, std::uint16_t hi)
{
    for (int i = 0; i < count; ++i) {
        const auto reg = static_cast<std::uint16_t>(first + i);
        known_[reg] = true;
        value_[reg] = value;
        lo_[reg] = lo;
        hi_[reg] = hi;
    }
}

bool RegisterBank::inRange(std::uint16_t reg, std::uint16_t value) const
{
    return value >= lo_[reg] && value <= hi_[reg];
}

void RegisterBank::setLive(std::uint16_t reg, std::uint16_t value)
{
    if (!pinned_[reg])
        value_[reg] = value;
}

void RegisterBank::pin(std::uint16_t reg, std::uint16_t value)
{
    value_[reg] = value;
    pinned_[reg] = true;
}

float RegisterBank::getFloat(std::uint16_t reg) const
{
    const std::uint32_t bits = get32(reg);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

void RegisterBank::setFloat(std::uint16_t reg, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    set32(reg, bits);
}

std::uint32_t RegisterBank::get32(std::uint16_t reg) const
{
    return value_[reg] | (static_cast<std::uint32_t>(value_[static_cast<std::uint16_t>(reg + 1)]) << 16);
}

void RegisterBank::set32(std::uint16_t reg, std::uint32_t value)
{
    value_[reg] = static_cast<std::uint16_t>(value & 0xFFFF);
    value_[static_cast<std::uint16_t>(reg + 1)] = static_cast<std::uint16_t>(value >> 16);
}

} // namespace qlxsim
