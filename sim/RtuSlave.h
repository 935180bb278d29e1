#pragma once

#include "Frame.h"
#include "SimDevice.h"

#include <cstdint>
#include <optional>

namespace qlxsim {

// The device's Modbus RTU side: functions 3, 6 and 16, exceptions 1, 2 and 3.
// Frames for other addresses and frames with a bad CRC are ignored; broadcast
// (address 0) writes are carried out without a reply.
class RtuSlave {
public:
    struct Outcome {
        bool addressed = false;   // a valid request for this device (or a broadcast)
        std::optional<Frame> reply;
    };

    RtuSlave(SimDevice& device, std::uint8_t address, std::uint16_t maxReadCount = 147);

    Outcome handle(const Frame& request);
    // A frame with a good CRC for this device's address or the broadcast address.
    bool addressedToMe(const Frame& request) const;
    std::uint8_t address() const { return address_; }

    static Frame exceptionReply(std::uint8_t address, std::uint8_t function, std::uint8_t code);
    static void appendCrc(Frame& frame);
    static bool crcOk(const Frame& frame);

private:
    Frame read(const Frame& request);
    Frame writeSingle(const Frame& request);
    Frame writeMultiple(const Frame& request);

    SimDevice& device_;
    std::uint8_t address_;
    std::uint16_t maxReadCount_;
};

} // namespace qlxsim
