#pragma once

#include "SimServer.h"
#include "SimWire.h"

#include <gtest/gtest.h>
#include <memory>

namespace simtest {

// A simulated device reached by Modbus RTU over UDP, with the register offset
// of the model applied by the caller.
class ModelFixture : public ::testing::Test {
protected:
    void start(qlxsim::SimConfig config)
    {
        sim = qlxsim::SimServer::start(config, {.udp = true});
        udp = std::make_unique<UdpClient>(sim->udpPort());
        master = std::make_unique<RtuMaster>(*udp, true);
    }
    std::uint16_t read1(std::uint16_t wire) { return master->read(wire, 1).values.at(0); }

    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<UdpClient> udp;
    std::unique_ptr<RtuMaster> master;
};

} // namespace simtest
