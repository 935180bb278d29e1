#pragma once

#include "SimDevice.h"

namespace qlxsim {

// QLX700-R voltage regulator relay: eight regulation sets, line drop
// compensation, tap position with raise/lower commands and measurements.
class RegulatorDevice : public SimDevice {
public:
    explicit RegulatorDevice(std::uint64_t seed);

    std::vector<std::uint16_t> liveRegisters() const override;

private:
    void declareModel() override;
    void command(std::uint16_t code) override;
    void live(double t) override;
    void updatePositionRelays();

    double t_ = 0;
    double pulseUntil_ = 0;
};

} // namespace qlxsim
