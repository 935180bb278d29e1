#pragma once

#include "SimConfig.h"
#include "SimDevice.h"

#include <memory>
#include <string>
#include <vector>

namespace qlxsim {

// Builds the device of config.model with its defaults, password and address.
class SimDeviceFactory {
public:
    // Throws std::invalid_argument for an unknown model.
    static std::unique_ptr<SimDevice> make(const SimConfig& config);
    static const std::vector<std::string>& models();
};

} // namespace qlxsim
