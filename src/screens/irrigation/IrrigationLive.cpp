#include "screens/irrigation/IrrigationLive.h"

#include "device/DeviceLink.h"
#include "device/ReceivedValue.h"

namespace {
constexpr int kAlarmsRegister = 1001;
constexpr int kPluviometerRegister = 1002;
constexpr int kHydrometerTotalRegister = 1004;
constexpr int kHydrometerLastCycleRegister = 1006;
constexpr int kDigitalInputsRegister = 1008;
constexpr int kPressureRegister = 1009;
constexpr int kValvesOffRegister = 1010;
constexpr int kTemperatureRegister = 1011;
constexpr int kOutputsRegister = 1100;
constexpr int kWaterInvertRegister = 213;
constexpr int kPressureSwitchInvertRegister = 214;
constexpr int kWaterBit = 7;
constexpr int kPressureSwitchBit = 8;
// Tenths of a degree plus 1500; these two mean the sensor is missing.
constexpr int kNoSensorLow = 0;
constexpr int kNoSensorHigh = 0xFFFF;

// Low word first.
std::optional<std::uint32_t> value32(const DeviceLink& c, int reg)
{
    if (!c.received(reg) || !c.received(reg + 1))
        return std::nullopt;
    return static_cast<std::uint32_t>(c.registerValue(reg)) | static_cast<std::uint32_t>(c.registerValue(reg + 1)) << 16;
}

std::optional<bool> nonZero(const DeviceLink& c, int reg)
{
    const std::optional<int> v = receivedValue(c, reg);
    return v ? std::optional<bool>(*v != 0) : std::nullopt;
}

std::optional<bool> lamp(const std::optional<int>& inputs, int bit, const std::optional<bool>& inverted)
{
    if (!inputs || !inverted)
        return std::nullopt;
    return (((*inputs >> bit) & 1) != 0) != *inverted;
}

} // namespace

std::vector<RegisterRun> irrigationLiveReads()
{
    return {{1500, 1}, {601, 6}, {kOutputsRegister, 10}, {kWaterInvertRegister, 2}, {kAlarmsRegister, 11}};
}

IrrigationLive irrigationLive(const DeviceLink& c)
{
    IrrigationLive live;
    live.pluviometer = value32(c, kPluviometerRegister);
    live.hydrometerTotal = value32(c, kHydrometerTotalRegister);
    live.hydrometerLastCycle = value32(c, kHydrometerLastCycleRegister);
    if (const auto p = receivedValue(c, kPressureRegister))
        live.pressureBar = *p / 10.0;
    live.digitalInputs = receivedValue(c, kDigitalInputsRegister);
    if (const auto t = receivedValue(c, kTemperatureRegister)) {
        live.temperatureSensor = *t != kNoSensorLow && *t != kNoSensorHigh;
        if (*live.temperatureSensor)
            live.celsius = (*t - 1500) / 10.0;
    }
    live.alarms = receivedValue(c, kAlarmsRegister);
    if (const auto v = receivedValue(c, kValvesOffRegister))
        live.noValveOn = (*v & 1) != 0;
    for (std::size_t i = 0; i < live.outputOn.size(); ++i)
        live.outputOn[i] = nonZero(c, kOutputsRegister + static_cast<int>(i));
    live.waterInverted = nonZero(c, kWaterInvertRegister);
    live.pressureSwitchInverted = nonZero(c, kPressureSwitchInvertRegister);
    return live;
}

std::optional<bool> waterLamp(const IrrigationLive& live)
{
    return lamp(live.digitalInputs, kWaterBit, live.waterInverted);
}

std::optional<bool> pressureSwitchLamp(const IrrigationLive& live)
{
    return lamp(live.digitalInputs, kPressureSwitchBit, live.pressureSwitchInverted);
}
