#pragma once

#include "SimDevice.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qlxsim {

// A named situation for training and tests: registers pinned to set values,
// faults, and model-specific state (events, records). Selected with --preset.
struct ScenarioPreset {
    std::string name;
    std::string model;        // empty: any model
    std::string description;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> registers;
    std::string faults;
    int events = -1;          // T: number of recorded events
    int records = -1;         // IRR: number of records
    SimDevice::RecordVariant recordVariant = SimDevice::RecordVariant::Normal;

    static const std::vector<ScenarioPreset>& all();
    // Applies a comma-separated list to `device`; returns the faults they ask for.
    // Throws std::invalid_argument for an unknown name or a preset of another model.
    static std::string apply(const std::string& names, const std::string& model, SimDevice& device);
    // The list for --help.
    static std::string help();
};

} // namespace qlxsim
