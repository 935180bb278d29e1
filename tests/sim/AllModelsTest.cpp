// Every model answers with its signature and keeps its clock where the tool
// looks for it, on every transport.
#include "SimServer.h"
#include "SimWire.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

struct Model {
    const char* name;
    std::uint16_t signature;
    std::uint16_t offset;
    std::uint16_t clock;
};

class AllModels : public ::testing::TestWithParam<Model> {};

} // namespace

TEST_P(AllModels, SignatureAndClockOnEveryTransport)
{
    const Model m = GetParam();
    auto sim = qlxsim::SimServer::start({.model = m.name, .password = "ABCD"}, {.serial = true, .udp = true, .tcp = true});
    const auto sig = static_cast<std::uint16_t>(m.offset + 2002);
    const auto clock = static_cast<std::uint16_t>(m.offset + m.clock);

    SerialClient line(sim->serialPath());
    UdpClient udp(sim->udpPort());
    for (const auto& master : {RtuMaster(line, false), RtuMaster(udp, true)}) {
        EXPECT_EQ(master.read(sig, 1).values, std::vector<std::uint16_t>{m.signature});
        const auto c = master.read(clock, 6).values;
        ASSERT_EQ(c.size(), 6u);
        EXPECT_TRUE(c[3] >= 1 && c[3] <= 31 && c[4] >= 1 && c[4] <= 12 && c[5] >= 24) << "day/month/year";
        EXPECT_EQ(master.read(static_cast<std::uint16_t>(m.offset + 1600), 4).values,
                  (std::vector<std::uint16_t>{'A', 'B', 'C', 'D'}));
    }
    TcpClient tcp(sim->tcpPort());
    tcp.send(asyncFrame(1, 42, 2, {sig, static_cast<std::uint16_t>(m.offset + 2510)}));
    EXPECT_EQ(tcp.receiveFrame(), asyncFrame(2, 42, 2, {sig, m.signature, static_cast<std::uint16_t>(m.offset + 2510), 0}));
}

INSTANTIATE_TEST_SUITE_P(Sim, AllModels,
                         ::testing::Values(Model{"T", 23847, 0, 401}, Model{"T-membrane", 15012, 0, 401},
                                           Model{"P", 10146, 0x8000, 401}, Model{"R", 58202, 0, 601},
                                           Model{"IRR", 15226, 0, 601}, Model{"C", 18447, 0, 601}),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::erase(n, '-');
                             return n;
                         });
