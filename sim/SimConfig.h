#pragma once

#include <cstdint>
#include <string>

namespace qlxsim {

// What the simulated device is and how it misbehaves.
struct SimConfig {
    std::string model = "T";          // T, T-membrane, P, R, IRR or C
    int address = 1;                  // Modbus slave address (1..247)
    std::string password = "QWKZ";    // four characters, stored in 1600..1603
    std::string faults{};             // fault list, see FaultPlan.h
    std::string preset{};             // comma-separated scenario presets, see ScenarioPreset.h
    bool wireTiming = false;          // pace serial replies at the pseudo-terminal's baud rate
    int wireBitsPerByte = 0;          // 0: from the line; a Linux pseudo-terminal forgets parity,
                                      // so 11 stands in for 8E1/8O1
    bool strict = false;              // unknown registers answer exception 2 instead of reading 0
    bool fastEvents = false;          // T: one "minute" of register 214 lasts one second
    std::uint64_t seed = 1;           // drives noise and random faults
};

// Where the device listens. Network endpoints are "ADDR:PORT"; port 0 picks a free port.
struct SimTransports {
    bool serial = false;
    bool udp = false;
    bool tcp = false;
    std::string udpEndpoint = "127.0.0.1:0";
    std::string tcpEndpoint = "127.0.0.1:0";
    std::string serialLink{};         // optional symbolic link made to the pseudo-terminal
};

} // namespace qlxsim
