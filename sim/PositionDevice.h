#pragma once

#include "SimDevice.h"

namespace qlxsim {

// QLX700-C position indicator: reads a tap position from a resistance chain or
// a current loop.
class PositionDevice : public SimDevice {
public:
    explicit PositionDevice(std::uint64_t seed);

    std::vector<std::uint16_t> liveRegisters() const override;

private:
    void declareModel() override;
    void live(double t) override;
};

} // namespace qlxsim
