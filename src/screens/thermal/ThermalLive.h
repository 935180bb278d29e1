#pragma once

#include <array>
#include <optional>
#include <vector>

class DeviceLink;
struct RegisterRun;

// The QLX700-T's live measurements in engineering units, as its register image holds
// them: what the general page shows every second and `qlx700ctl monitor` prints. A
// value whose registers this connection never received is empty.
struct ThermalLive {
    std::array<std::optional<double>, 6> rtdCelsius{};
    std::array<std::optional<double>, 6> rtdOhms{};
    std::array<std::optional<double>, 3> windingCelsius{};
    std::array<std::optional<double>, 3> windingAmps{};
    std::array<std::optional<double>, 3> windingPercent{};
    // A contact is closed when its output is energised or its logic inverted, not both.
    std::array<std::optional<bool>, 10> relayClosed{};
    // Hour, minute, second, day, month, year - 2000.
    std::optional<std::array<int, 6>> clock;
};

// A temperature register holds tenths of a degree plus 1500.
double thermalTemperature(int word);

// What changes, read every second: the device language (1500), the clock, the
// measurements and the relay outputs. The inverted-logic registers 101..110 are read
// at connection. The membrane variant has only its first RTD (510, 511).
std::vector<RegisterRun> thermalLiveReads(int signature);

ThermalLive thermalLive(const DeviceLink& device);
