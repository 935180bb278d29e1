#pragma once

#include "device/RegisterMap.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

// The typed copy of the device's holding registers. Every value received from the
// device is stored through the map of the current device type; screens read named
// fields back through the getters, and the write operations compare against
// registerValue. The image also knows which registers this connection has really
// received, so nothing shows, saves or skips a write on a value it never read.
class RegisterImage {
public:
    int deviceType() const { return type_; }
    void setDeviceType(int type) { type_ = type; }

    // For the P, bit 15 of the register number (the wire offset) is cleared first.
    // Registers not in the current map are ignored.
    void storeRegisterValue(int reg, int value);
    // The word held for `reg` under the current map; 0 for unmapped registers.
    int registerValue(int reg) const;

    // Forgets every value and what was received (a new link may reach another device).
    void clear();

    // The register was received on this connection (mapped registers only).
    bool received(int reg) const;
    // Element i of a field, or every element, was received.
    bool received(const Field& f, int i) const;
    bool receivedAll(const Field& f) const;

    // Element i of a field; 0 outside 0..size-1.
    int value(const Field& f, int i = 0) const;
    // A two-register field as a 32-bit value, low word first.
    std::uint32_t value32(const Field& f) const;
    // Text of a field: two characters a register, low byte first, up to the first
    // zero byte and at most 32 characters.
    std::string text(const Field& f) const;
    // Every byte of a field (two a register, low byte first), zeros included.
    std::string rawText(const Field& f) const;

    // Password letter i (low byte of 1600 + i); "A" outside 0..3.
    char Password(int i) const;
    std::uint32_t IpAddr() const { return value32(reg::common::IpAddr); }
    // Register 2501 plus 65536 times the low 15 bits of 2502.
    std::int32_t SerialNumber() const;
    // Wi-Fi signal in dBm, sign-extended from 16 bits.
    int WifiSignal() const;
    // Element i of the clock: hour, minute, second, day, month, year - 2000.
    int Clock(int i) const;
    const Field& clockField() const;
    // Parameter p (1..11) of regulator set s (0..7) of the R; 0 outside.
    int regulatorSet(int set, int param) const;

private:
    std::uint16_t& slot(Bank bank, int reg) { return banks_[static_cast<std::size_t>(bank)][static_cast<std::size_t>(reg)]; }
    std::uint16_t slot(Bank bank, int reg) const { return banks_[static_cast<std::size_t>(bank)][static_cast<std::size_t>(reg)]; }
    int stripOffset(int reg) const;

    int type_ = 0;
    std::array<std::array<std::uint16_t, kRegisterSpace>, kBankCount> banks_{};
    std::array<std::bitset<kRegisterSpace>, kBankCount> received_{};
};
