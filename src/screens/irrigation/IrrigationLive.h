#pragma once

#include "settings/FullConfigRead.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class DeviceLink;

// What the QLX700-IRR shows live, as this connection received it: the counters, the
// pressure, the digital inputs, the temperature, the alarms, the ten outputs and the
// two input inversion settings.
struct IrrigationLive {
    std::optional<std::uint32_t> pluviometer;       // mm/m2
    std::optional<std::uint32_t> hydrometerTotal;   // litres
    std::optional<std::uint32_t> hydrometerLastCycle;
    std::optional<double> pressureBar;
    std::optional<int> digitalInputs;               // bits 0..10
    // Empty with `temperatureSensor` false when the device reports no sensor.
    std::optional<double> celsius;
    std::optional<bool> temperatureSensor;
    std::optional<int> alarms;                      // bits 0..5
    std::optional<bool> noValveOn;
    std::array<std::optional<bool>, 10> outputOn{};
    std::optional<bool> waterInverted;
    std::optional<bool> pressureSwitchInverted;
};

// The registers the general page and the monitor read every second.
std::vector<RegisterRun> irrigationLiveReads();

IrrigationLive irrigationLive(const DeviceLink& comm);

// Lamp 8 (water) and lamp 9 (pressure switch) light when their input differs from
// the inversion setting; empty when either was not received.
std::optional<bool> waterLamp(const IrrigationLive& live);
std::optional<bool> pressureSwitchLamp(const IrrigationLive& live);
