// qlx700ctl --model R monitor against the simulated regulator over serial and TCP.
#include "support/CtlRunner.h"
#include "SimServer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

TEST(CtlMonitorR, PrintsTheRegulatorsLiveValuesOnceASecond)
{
    auto sim = qlxsim::SimServer::start({.model = "R"}, {.serial = true, .tcp = true});
    sim->setReg(1001, 1153);
    sim->setReg(1004, 402);
    sim->setReg(1014, 2);
    sim->setReg(1015, 5);
    sim->setReg(704, 9);
    sim->setReg(703, 3);
    sim->setReg(804, 1234);
    sim->setReg(1100, 0);
    sim->setReg(1102, 1);
    sim->setReg(606, 26);
    sim->setReg(605, 3);
    sim->setReg(604, 9);

    for (const auto& link : {std::vector<std::string>{"--serial", sim->serialPath()},
                             std::vector<std::string>{"--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort())}}) {
        std::vector<std::string> args = link;
        args.insert(args.end(), {"--model", "R", "--password", "QWKZ", "monitor", "--count", "2"});
        const CtlRun r = ctl(args);
        ASSERT_EQ(r.status, 0) << r.err;
        std::vector<std::string> out;
        std::istringstream in(r.out);
        for (std::string line; std::getline(in, line);)
            out.push_back(line);
        ASSERT_EQ(out.size(), 3u) << r.out;
        EXPECT_EQ(out[0].rfind("# device clock", 0), 0u) << out[0];
        EXPECT_EQ(out[0].size(), out[1].size() - 10 + std::string("relays 1..10 (1 on)").size()) << "aligned";
        for (std::size_t i = 1; i < out.size(); ++i) {
            EXPECT_EQ(out[i].rfind("2026-03-09 ", 0), 0u) << out[i];
            EXPECT_NE(out[i].find("  115.3 "), std::string::npos) << out[i];
            EXPECT_NE(out[i].find("    402 "), std::string::npos) << out[i];
            EXPECT_NE(out[i].find("    4L   3     1234  "), std::string::npos) << out[i];
            EXPECT_EQ(out[i].substr(out[i].size() - 10, 3), "001") << out[i];
        }
    }
}
