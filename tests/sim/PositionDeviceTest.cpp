// QLX700-C: the position follows the measured resistance.
#include "ModelFixture.h"

using namespace simtest;

TEST(PositionDevice, PositionIsTheResistanceOverTheStep)
{
    struct Case {
        std::uint16_t perPosition, resistance, position;
    };
    for (const Case c : {Case{100, 1275, 13}, Case{100, 40, 1}, Case{30, 1275, 33}, Case{200, 1275, 6}}) {
        auto sim = qlxsim::SimServer::start({.model = "C"}, {.udp = true});
        UdpClient udp(sim->udpPort());
        RtuMaster master(udp, true);
        ASSERT_TRUE(master.write(701, c.perPosition).ok());
        sim->setReg(1016, c.resistance);
        EXPECT_TRUE(eventually([&] { return master.read(1015, 1).values == std::vector<std::uint16_t>{c.position}; }))
            << c.resistance << " / " << c.perPosition << " gave " << sim->reg(1015);
    }
}

TEST(PositionDevice, PresetsOfTheIndicator)
{
    auto sim = qlxsim::SimServer::start({.model = "C", .preset = "c-failure-5,c-style2-pos5"}, {.udp = true});
    UdpClient udp(sim->udpPort());
    RtuMaster master(udp, true);
    EXPECT_EQ(master.read(1965, 1).values, std::vector<std::uint16_t>{5});
    EXPECT_EQ(master.read(703, 2).values, (std::vector<std::uint16_t>{2, 9}));
    EXPECT_EQ(master.read(1015, 1).values, std::vector<std::uint16_t>{5});
    EXPECT_EQ(master.read(303, 1).values, std::vector<std::uint16_t>{100});
}
