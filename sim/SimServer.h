#pragma once

#include "SimConfig.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace qlxsim {

class SimServerImpl;

// A simulated QLX700 running in a thread of its own, for tests and for qlx700-sim.
//
//   auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{.model = "T"},
//                                       {.serial = true, .udp = true, .tcp = true});
//   open sim->serialPath(), or 127.0.0.1:sim->udpPort() / sim->tcpPort()
//
// start() returns once every transport is open and listening, so a client may
// connect at once. All member functions are thread-safe.
class SimServer {
public:
    // Throws std::invalid_argument (bad model, preset, fault or endpoint) or
    // std::runtime_error (a pseudo-terminal or socket could not be opened).
    static std::unique_ptr<SimServer> start(const SimConfig& config, const SimTransports& transports);
    ~SimServer(); // stops
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // The serial port to open: the pseudo-terminal's path (not the link). Empty without serial.
    std::string serialPath() const;
    // Ports actually bound; 0 when the transport is off.
    std::uint16_t udpPort() const;
    std::uint16_t tcpPort() const;

    // A device register by its own number (no 0x8000 on P).
    std::uint16_t reg(std::uint16_t r) const;
    // Sets a register; the device's live behaviour leaves it at that value from
    // now on (writes from a client still change it).
    void setReg(std::uint16_t r, std::uint16_t value);
    // Replaces every fault, also those a preset brought (see FaultPlan.h);
    // counters such as silent-after count from this call. "" clears them.
    // Throws std::invalid_argument.
    void setFaults(const std::string& list);
    // T: replaces the event log by `count` events a minute apart; false on other models.
    bool setEventCount(int count);
    // Applies scenario presets (comma-separated, see ScenarioPreset.h) on top of the current state.
    void applyPreset(const std::string& names);

    // Requests received for this device (including those left unanswered on purpose).
    std::uint64_t requestCount() const;
    // Write requests received (functions 6 and 16 and TCP writes), the command register's included.
    std::uint64_t writeCount() const;
    // Waits until at least `n` requests have been received; false on time-out.
    bool waitForRequests(std::uint64_t n, std::chrono::milliseconds timeout) const;
    // TCP connections accepted so far.
    std::uint64_t tcpAcceptCount() const;

    void stop();

private:
    explicit SimServer(std::unique_ptr<SimServerImpl> impl);
    std::unique_ptr<SimServerImpl> impl_;
};

} // namespace qlxsim
