#pragma once

#include "SimDevice.h"

#include <string>

namespace qlxsim {

// QLX700-IRR irrigation controller: five cycles, a pump and five branches,
// hydrometer, pluviometer, pressure, Wi-Fi, and the record window at 4000.
class IrrigationDevice : public SimDevice {
public:
    explicit IrrigationDevice(std::uint64_t seed);

    std::vector<std::uint16_t> liveRegisters() const override;
    bool setRecords(int count, RecordVariant variant) override;

private:
    void declareModel() override;
    std::optional<WriteResult> writeSpecial(std::uint16_t reg, std::uint16_t value) override;
    void command(std::uint16_t code) override;
    void live(double t) override;

    std::string recordText(int index) const;
    void showRecord(int index);
    void writeText(std::uint16_t first, int registers, const std::string& text);

    int records_ = 3;
    RecordVariant variant_ = RecordVariant::Normal;
    double t_ = 0;
    double manualUntil_ = -1;
    bool emergency_ = false;
    double pluviometer_ = 0;
    double hydrometer_ = 0;
};

} // namespace qlxsim
