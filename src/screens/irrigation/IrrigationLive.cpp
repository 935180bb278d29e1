#include "screens/irrigation/IrrigationLive.h"

#include "device/DeviceLink.h"

namespace {
constexpr int kAlarms = 1001;
constexpr int kPluviometer = 1002;
constexpr int kHydrometerTotal = 1004;
constexpr int kHydrometerLastCycle = 1006;
constexpr int kDigitalInputs = 1008;
constexpr int kPressure = 1009;
constexpr int kValvesOff = 1010;
constexpr int kTemperature = 1011;
constexpr int kOutputs = 1100;
constexpr int kWaterInvert = 213;
constexpr int kPressureSwitchInvert = 214;
constexpr int kWaterBit = 7;
constexpr int kPressureSwitchBit = 8;
// Tenths of a degree plus 1500; these two mean the sensor is missing.
constexpr int kNoSensorLow = 0;
constexpr int kNoSensorHigh = 0xFFFF;

std::optional<int> value(const DeviceLink& c, int reg)
{
    return c.received(reg) ? std::optional<int>(c.registerValue(reg)) : std::nullopt;
}

// Low word first.
std::optional<std::uint32_t> value32(const DeviceLink& c, int reg)
{
    if (!c.received(reg) || !c.received(reg + 1))
        return std::nullopt;
    return static_cast<std::uint32_t>(c.registerValue(reg)) | static_cast<std::uint32_t>(c.registerValue(reg + 1)) << 16;
}

std::optional<bool> nonZero(const DeviceLink& c, int reg)
{
    const std::optional<int> v = value(c, reg);
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
    return {{1500, 1}, {601, 6}, {kOutputs, 10}, {kWaterInvert, 2}, {kAlarms, 11}};
}

IrrigationLive irrigationLive(const DeviceLink& c)
{
    IrrigationLive live;
    live.pluviometer = value32(c, kPluviometer);
    live.hydrometerTotal = value32(c, kHydrometerTotal);
    live.hydrometerLastCycle = value32(c, kHydrometerLastCycle);
    if (const auto p = value(c, kPressure))
        live.pressureBar = *p / 10.0;
    live.digitalInputs = value(c, kDigitalInputs);
    if (const auto t = value(c, kTemperature)) {
        live.temperatureSensor = *t != kNoSensorLow && *t != kNoSensorHigh;
        if (*live.temperatureSensor)
            live.celsius = (*t - 1500) / 10.0;
    }
    live.alarms = value(c, kAlarms);
    if (const auto v = value(c, kValvesOff))
        live.noValveOn = (*v & 1) != 0;
    for (std::size_t i = 0; i < live.outputOn.size(); ++i)
        live.outputOn[i] = nonZero(c, kOutputs + static_cast<int>(i));
    live.waterInverted = nonZero(c, kWaterInvert);
    live.pressureSwitchInverted = nonZero(c, kPressureSwitchInvert);
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
