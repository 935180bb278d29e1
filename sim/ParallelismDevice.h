#pragma once

#include "SimDevice.h"

namespace qlxsim {

// QLX700-P parallelism controller: sixteen units on a bus, this one at the unit
// index in 1951. Every register travels with 0x8000 added.
class ParallelismDevice : public SimDevice {
public:
    explicit ParallelismDevice(std::uint64_t seed);

    std::vector<std::uint16_t> liveRegisters() const override;

private:
    void declareModel() override;
    void command(std::uint16_t code) override;
    void live(double t) override;
    std::uint16_t wireOffset() const override { return 0x8000; }

    double t_ = 0;
    double pulseUntil_ = 0;
};

} // namespace qlxsim
