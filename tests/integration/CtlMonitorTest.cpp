// qlx700ctl monitor against the simulated QLX700-T over serial and TCP.
#include "support/CtlRunner.h"
#include "support/FileText.h"
#include "SimServer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> tcp(const qlxsim::SimServer& sim)
{
    return {"--tcp", "127.0.0.1:" + std::to_string(sim.tcpPort())};
}

CtlRun monitor(std::vector<std::string> link, const std::string& count)
{
    link.insert(link.end(), {"--password", "QWKZ", "monitor", "--count", count});
    return ctl(link);
}

} // namespace

TEST(CtlMonitor, PrintsOneLinePerSecondWithTheLiveValues)
{
    auto sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true, .tcp = true});
    sim->setReg(404, 9);
    sim->setReg(405, 3);
    sim->setReg(406, 7);
    sim->setReg(501, 1612); // winding 1 at 11.2 degC
    sim->setReg(510, 0);    // RTD 1 at -150.0 degC
    sim->setReg(603, 1);
    sim->setReg(103, 0); // relay 3 energised, logic not inverted: closed
    sim->setReg(608, 1);
    sim->setReg(108, 1); // relay 8 energised, logic inverted: open

    for (const auto& link : {std::vector<std::string>{"--serial", sim->serialPath()}, tcp(*sim)}) {
        const CtlRun r = monitor(link, "2");
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> out = textLines(r.out);
        ASSERT_EQ(out.size(), 3u) << r.out;
        EXPECT_EQ(out[0].rfind("# device clock", 0), 0u) << out[0];
        for (std::size_t i = 1; i < out.size(); ++i) {
            EXPECT_EQ(out[i].rfind("2007-03-09 ", 0), 0u) << out[i];
            EXPECT_NE(out[i].find(" -150.0 "), std::string::npos) << out[i];
            EXPECT_NE(out[i].find("   11.2 "), std::string::npos) << out[i];
            const std::string relays = out[i].substr(out[i].size() - 10);
            EXPECT_EQ(relays[2], '1') << out[i];
            EXPECT_EQ(relays[7], '0') << out[i];
        }
    }
}

TEST(CtlMonitor, ASilentSampleIsReportedAndFailsTheRun)
{
    // How many requests one whole run of one sample takes, then a device that falls
    // silent right after that many: the second sample gets no answer.
    auto probe = qlxsim::SimServer::start({.model = "T"}, {.tcp = true});
    ASSERT_EQ(monitor(tcp(*probe), "1").status, 0);
    const std::uint64_t oneSample = probe->requestCount();

    auto sim = qlxsim::SimServer::start({.model = "T", .faults = "silent-after=" + std::to_string(oneSample)},
                                        {.tcp = true});
    const CtlRun r = monitor(tcp(*sim), "2");
    EXPECT_EQ(r.status, 1);
    const std::vector<std::string> out = textLines(r.out);
    ASSERT_EQ(out.size(), 3u) << r.out;
    EXPECT_EQ(out[1].rfind("20", 0), 0u) << out[1];
    EXPECT_EQ(out[2], "# sample 2: no answer (time-out (no answer))");
    EXPECT_NE(r.err.find("1 of 2 samples got no answer"), std::string::npos) << r.err;
}

TEST(CtlMonitor, TheMembraneVariantIsRefused)
{
    auto sim = qlxsim::SimServer::start({.model = "T-membrane"}, {.serial = true});
    const CtlRun r = monitor({"--serial", sim->serialPath()}, "1");
    EXPECT_EQ(r.status, 1) << "the device answered; the tool has no live view of it";
    EXPECT_NE(r.err.find("this is a membrane-variant QLX700-T"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    const CtlRun extra = ctl({"--serial", "/dev/null", "--password", "QWKZ", "monitor", "now"});
    EXPECT_EQ(extra.status, 2);
    EXPECT_NE(extra.err.find("monitor takes only --count N and --give-up S"), std::string::npos) << extra.err;
}

TEST(CtlMonitor, PrintsThePositionIndicatorsLine)
{
    auto sim = qlxsim::SimServer::start({.model = "C"}, {.tcp = true});
    sim->setReg(1016, 1275);
    sim->setReg(1017, 4000);
    sim->setReg(1015, 5);
    sim->setReg(703, 3);
    sim->setReg(704, 9);
    sim->setReg(707, 0);
    sim->setReg(1965, 4);
    sim->setReg(1101, 1);
    sim->setReg(1108, 0); // the failure relay would follow 1965
    std::vector<std::string> link = tcp(*sim);
    link.insert(link.end(), {"--model", "C"});
    const CtlRun r = monitor(link, "1");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> out = textLines(r.out);
    ASSERT_EQ(out.size(), 2u) << r.out;
    EXPECT_EQ(out[0].rfind("# device clock", 0), 0u) << out[0];
    EXPECT_NE(out[1].find("    127.5    4.000    5    4L    4  0100000000"), std::string::npos) << "[" << out[1] << "]";
}

TEST(CtlMonitor, PrintsTheIrrigationControllersLine)
{
    auto sim = qlxsim::SimServer::start({.model = "IRR"}, {.serial = true, .tcp = true});
    sim->setReg(1002, 0x2345); // pluviometer 0x12345 = 74565 mm
    sim->setReg(1003, 0x0001);
    sim->setReg(1004, 1200);
    sim->setReg(1005, 0);
    sim->setReg(1006, 80);
    sim->setReg(1007, 0);
    sim->setReg(1009, 25);   // 2.5 bar
    sim->setReg(1011, 1750); // 25.0 degC
    sim->setReg(1001, 5);    // no water, pressure too high
    sim->setReg(212, 5);     // pump and valve 2 by hand
    for (std::vector<std::string> link : {std::vector<std::string>{"--serial", sim->serialPath()}, tcp(*sim)}) {
        link.insert(link.end(), {"--model", "IRR"});
        const CtlRun r = monitor(link, "1");
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<std::string> out = textLines(r.out);
        ASSERT_EQ(out.size(), 2u) << r.out;
        EXPECT_EQ(out[0].rfind("# device clock", 0), 0u) << out[0];
        EXPECT_EQ(out[0].find("degC") + 4, out[1].find("25.0") + 4) << "the header stands over its columns\n" << out[0] << "\n" << out[1];
        EXPECT_NE(out[1].find("     74565      1200        80   2.5   25.0     5 alarm     1    01000"), std::string::npos)
            << "[" << out[1] << "]";
    }
    sim->setReg(1011, 0xFFFF);
    sim->setReg(1001, 0);
    const CtlRun r = monitor({"--serial", sim->serialPath(), "--model", "IRR"}, "1");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("   2.5  -----     0 "), std::string::npos) << "no temperature sensor\n" << r.out;
}

TEST(CtlMonitor, PrintsTheParallelismUnitsLineThroughItsBusIndex)
{
    auto sim = qlxsim::SimServer::start({.model = "P", .preset = "p-unit-3"}, {.serial = true});
    sim->setReg(504, 7);
    sim->setReg(524, 8);
    sim->setReg(544, 2);
    sim->setReg(1961, 12);
    const CtlRun r = monitor({"--serial", sim->serialPath(), "--model", "P"}, "1");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> out = textLines(r.out);
    ASSERT_EQ(out.size(), 2u) << r.out;
    EXPECT_NE(out[1].find("    7    8 individual     0    12 "), std::string::npos) << "[" << out[1] << "]";
}
