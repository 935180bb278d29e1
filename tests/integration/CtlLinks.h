#pragma once

#include "SimServer.h"

#include <string>
#include <vector>

// qlx700ctl's link options for a simulator's serial line, then for its TCP port.
inline std::vector<std::vector<std::string>> ctlLinks(const qlxsim::SimServer& sim)
{
    return {{"--serial", sim.serialPath()}, {"--tcp", "127.0.0.1:" + std::to_string(sim.tcpPort())}};
}
