#pragma once

#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "support/RegisterPeer.h"

#include <chrono>
#include <utility>
#include <vector>

// A register device on a real pseudo-terminal and the tool's link to it, for the
// configuration file tests: registers are set and read by the device's own numbers
// (the P's wire offset is added here), and every write the tool sent is listed.
class ConfigFileDevice {
public:
    explicit ConfigFileDevice(int type)
        : type_(type)
        , pty_([this](const Bytes& r) { return device_.handler()(r); })
        , link_(pump_)
    {
        link_.setDeviceType(type);
        link_.setSlaveAddress(1);
        link_.openSerial(pty_.path(), {9600, 0, 0}, true);
    }

    DeviceLink& link() { return link_; }
    RegisterPeer& peer() { return device_; }

    void set(int reg, int value) { device_.set(wire(reg), static_cast<std::uint16_t>(value)); }
    int get(int reg) const { return device_.get(wire(reg)); }
    void refuse(int reg) { device_.refused.insert(wire(reg)); }

    void clearRequests() { pty_.clearRequests(); }
    std::vector<Bytes> requests() const { return pty_.requests(); }

    // Every register written (functions 6 and 16), in order, by device number.
    std::vector<std::pair<int, int>> writes() const
    {
        std::vector<std::pair<int, int>> out;
        for (const Bytes& r : pty_.requests()) {
            const int address = (r[2] << 8 | r[3]) & (type_ == kQLX700P ? 0x7FFF : 0xFFFF);
            if (r[1] == 6)
                out.emplace_back(address, r[4] << 8 | r[5]);
            if (r[1] == 16) {
                for (int i = 0; i < r[6] / 2; ++i)
                    out.emplace_back(address + i, r[7 + 2 * i] << 8 | r[8 + 2 * i]);
            }
        }
        return out;
    }
    std::vector<int> writtenRegisters() const
    {
        std::vector<int> regs;
        for (const auto& w : writes())
            regs.push_back(w.first);
        return regs;
    }

private:
    std::uint16_t wire(int reg) const { return static_cast<std::uint16_t>(type_ == kQLX700P ? reg | 0x8000 : reg); }

    int type_;
    RegisterPeer device_;
    PtyPeer pty_;
    PollEventPump pump_;
    DeviceLink link_;
};
