#pragma once

#include "CtlOptions.h"

#include <istream>
#include <string>
#include <vector>

// One device of a fleet list: its name and the link options qlx700ctl would take for it.
struct FleetDevice {
    int line = 0;
    std::string name;
    CtlOptions link;
    std::string passwordEnv = "QLX700_PASSWORD";
};

// Reads a device list: CSV with the header "name,link,model,address,password_env",
// '#' comments and blank lines. `link` is tcp:HOST[:PORT], udp:HOST[:PORT] or
// serial:PATH[@BAUD[,FORMAT]] (in double quotes, or bare: its comma is recognised);
// model, address and password_env may be empty (the model
// the device reports, address 1, QLX700_PASSWORD). Names go into file names, so they are
// letters, digits, '.', '_' and '-', and unique. Each malformed line adds "line N: why"
// to `errors`; a list with errors must not be used.
std::vector<FleetDevice> parseFleetList(std::istream& in, std::vector<std::string>& errors);

// The order of work: devices on one serial port share its bus and go one after the
// other, in the list's order; every network device is a group of its own. Indices
// into `devices`.
std::vector<std::vector<std::size_t>> fleetGroups(const std::vector<FleetDevice>& devices);
