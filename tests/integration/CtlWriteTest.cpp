// qlx700ctl write prints what the device answered to the read-back, in read's lines,
// and nothing when the write did not stick.
#include "support/CtlRunner.h"
#include "SimServer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CtlWrite, PrintsTheRegistersReadBack)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true, .tcp = true});
    const std::vector<std::vector<std::string>> links{{"--serial", sim->serialPath()},
                                                      {"--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort())}};
    int value = 5; // 0 or 5..10 on this register
    for (std::vector<std::string> link : links) {
        link.insert(link.end(), {"--password", "QWKZ", "write", "210", std::to_string(value), "0x1"});
        const CtlRun w = ctl(link);
        ASSERT_EQ(w.status, 0) << link[0] << ": " << w.err;
        EXPECT_EQ(w.out, "210 " + std::to_string(value) + "\n211 1\n") << link[0];
        EXPECT_EQ(sim->reg(210), value);
        EXPECT_EQ(sim->reg(211), 1);
        ++value;
    }

    sim->setFaults("ignore-writes");
    std::vector<std::string> link = links[0];
    link.insert(link.end(), {"--password", "QWKZ", "write", "210", "1"});
    const CtlRun refused = ctl(link);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(sim->reg(210), value - 1);
}
