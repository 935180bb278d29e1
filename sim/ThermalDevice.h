#pragma once

#include "SimDevice.h"

#include <array>

namespace qlxsim {

// QLX700-T thermal relay: windings, RTDs, ten relays, maxima and the event log.
// The membrane variant adds the membrane-fault test block at 1201..1211.
class ThermalDevice : public SimDevice {
public:
    ThermalDevice(bool membrane, bool fastEvents, std::uint64_t seed);

    std::vector<std::uint16_t> liveRegisters() const override;
    bool setEventCount(int count) override;

private:
    using Event = std::array<std::uint16_t, 13>;

    void declareModel() override;
    std::optional<WriteResult> writeSpecial(std::uint16_t reg, std::uint16_t value) override;
    void afterWrite(std::uint16_t reg, std::uint16_t value) override;
    void command(std::uint16_t code) override;
    void live(double t) override;

    bool alternationAllowed(std::uint16_t mode) const;
    void fillEventWindow(std::uint16_t index);
    void recordEvent();
    void updateMaxima(const std::array<double, 9>& celsius);
    void updateMembrane(double t);

    bool membrane_;
    bool fastEvents_;
    std::vector<Event> events_;
    double lastEventAt_ = 0;
    int membraneState_ = -1;
};

} // namespace qlxsim
