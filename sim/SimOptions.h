#pragma once

#include "SimConfig.h"

#include <string>
#include <vector>

namespace qlxsim {

// The command line of qlx700-sim.
struct SimOptions {
    SimConfig config;
    SimTransports transports;
    bool help = false;
    bool version = false;
    // --count: devices served from one process, on consecutive ports.
    int count = 1;

    // The transports of device `index` of --count: PORT + index (port 0 stays "any").
    SimTransports transportsOf(int index) const;

    // Throws std::invalid_argument with a message for the user.
    static SimOptions parse(const std::vector<std::string>& args);
    static std::string usage();
};

} // namespace qlxsim
