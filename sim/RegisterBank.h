#pragma once

#include <array>
#include <bitset>
#include <cstdint>

namespace qlxsim {

// The device's holding registers: value, whether the firmware knows the register,
// the range it accepts, and whether the live behaviour must leave it alone
// (a value pinned by a preset or a test).
class RegisterBank {
public:
    RegisterBank();

    void declare(std::uint16_t first, int count, std::uint16_t value,
                 std::uint16_t lo = 0, std::uint16_t hi = 0xFFFF);
    bool known(std::uint16_t reg) const { return known_[reg]; }
    bool inRange(std::uint16_t reg, std::uint16_t value) const;

    std::uint16_t get(std::uint16_t reg) const { return value_[reg]; }
    void set(std::uint16_t reg, std::uint16_t value) { value_[reg] = value; }
    // Live updates go through here, so pinned registers keep their value.
    void setLive(std::uint16_t reg, std::uint16_t value);

    void pin(std::uint16_t reg, std::uint16_t value);
    bool pinned(std::uint16_t reg) const { return pinned_[reg]; }
    void unpin(std::uint16_t reg) { pinned_[reg] = false; }

    float getFloat(std::uint16_t reg) const;
    void setFloat(std::uint16_t reg, float value);
    std::uint32_t get32(std::uint16_t reg) const;
    void set32(std::uint16_t reg, std::uint32_t value);

private:
    std::array<std::uint16_t, 65536> value_{};
    std::array<std::uint16_t, 65536> lo_{};
    std::array<std::uint16_t, 65536> hi_{};
    std::bitset<65536> known_;
    std::bitset<65536> pinned_;
};

} // namespace qlxsim
