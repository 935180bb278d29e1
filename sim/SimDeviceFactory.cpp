#include "SimDeviceFactory.h"

#include "IrrigationDevice.h"
#include "ParallelismDevice.h"
#include "PositionDevice.h"
#include "RegulatorDevice.h"
#include "ThermalDevice.h"

#include <stdexcept>

namespace qlxsim {

const std::vector<std::string>& SimDeviceFactory::models()
{
    static const std::vector<std::string> names{"T", "T-membrane", "P", "R", "IRR", "C"};
    return names;
}

std::unique_ptr<SimDevice> SimDeviceFactory::make(const SimConfig& config)
{
    std::unique_ptr<SimDevice> device;
    if (config.model == "T" || config.model == "T-membrane")
        device = std::make_unique<ThermalDevice>(config.model == "T-membrane", config.fastEvents, config.seed);
    else if (config.model == "P")
        device = std::make_unique<ParallelismDevice>(config.seed);
    else if (config.model == "R")
        device = std::make_unique<RegulatorDevice>(config.seed);
    else if (config.model == "IRR")
        device = std::make_unique<IrrigationDevice>(config.seed);
    else if (config.model == "C")
        device = std::make_unique<PositionDevice>(config.seed);
    else
        throw std::invalid_argument("unknown model '" + config.model + "' (T, T-membrane, P, R, IRR or C)");
    if (config.address < 1 || config.address > 247)
        throw std::invalid_argument("the Modbus address must be 1..247");
    if (config.password.size() != 4)
        throw std::invalid_argument("the password must have four characters");
    device->reset();
    device->setPassword(config.password);
    device->setStrict(config.strict);
    device->pinReg(1420, static_cast<std::uint16_t>(config.address));
    return device;
}

} // namespace qlxsim
