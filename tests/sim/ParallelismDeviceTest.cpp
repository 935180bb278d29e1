// QLX700-P: unit index and the raise/lower rules (registers go out with 0x8000).
#include "ModelFixture.h"

using namespace simtest;

namespace {

constexpr std::uint16_t P = 0x8000;

class ParallelismDevice : public ModelFixture {
protected:
    void SetUp() override { start({.model = "P"}); }
    int commandMoves(std::uint16_t code)
    {
        const int before = sim->reg(501 + 3);
        EXPECT_TRUE(master->write(P + 3000, code).ok()) << "the command is echoed even when ignored";
        return sim->reg(501 + 3) - before;
    }
};

} // namespace

TEST_F(ParallelismDevice, IdentityAnswersWithAndWithoutTheOffset)
{
    EXPECT_EQ(read1(P + 2002), 10146);
    EXPECT_EQ(read1(2002), 10146) << "a tool set up for the T must see the P's signature";
    EXPECT_EQ(read1(P + 1600), 'Q');
    EXPECT_EQ(read1(1600), 0) << "the password only with the offset";
}

TEST_F(ParallelismDevice, UnitIndexAcceptsZeroToFifteen)
{
    EXPECT_TRUE(master->write(P + 1951, 15).ok());
    EXPECT_EQ(master->write(P + 1951, 16).exception, 3);
    EXPECT_EQ(read1(P + 1951), 15);
    sim->applyPreset("p-unit-20");
    EXPECT_EQ(read1(P + 1951), 20) << "an invalid index for the tool to refuse";
}

TEST_F(ParallelismDevice, RaiseAndLowerFollowModeManualAndErrors)
{
    ASSERT_TRUE(master->write(P + 1951, 3).ok());
    EXPECT_EQ(commandMoves(1000), 1) << "master, manual, no errors";
    EXPECT_EQ(sim->reg(521 + 3), sim->reg(501 + 3)) << "the expected position follows";
    EXPECT_EQ(commandMoves(1003), -1);

    struct Case {
        const char* what;
        std::uint16_t reg, value;
        int moves;
    };
    const Case cases[] = {
        {"individual", 541 + 3, 2, 1},
        {"commanded", 541 + 3, 1, 0},
        {"off", 541 + 3, 3, 0},
        {"automatic", 603, 0, 0},
        {"error 1960", 1960, 1, 0},
        {"error 1963", 1963, 2, 0},
    };
    for (const auto& c : cases) {
        const auto old = sim->reg(c.reg);
        sim->setReg(c.reg, c.value);
        EXPECT_EQ(commandMoves(1000), c.moves) << c.what;
        sim->setReg(c.reg, old);
    }
    // Not past the number of positions of the unit.
    sim->setReg(41 + 3, sim->reg(501 + 3));
    EXPECT_EQ(commandMoves(1000), 0) << "at the top";
    sim->setReg(501 + 3, 1);
    EXPECT_EQ(commandMoves(1003), 0) << "at the bottom";
}

TEST_F(ParallelismDevice, RangesOfThePositionTables)
{
    EXPECT_TRUE(master->write(P + 41, 50).ok());
    EXPECT_EQ(master->write(P + 41, 51).exception, 3);
    EXPECT_EQ(master->write(P + 61, 29).exception, 3);
    EXPECT_EQ(master->read(P + 121, 3).values, (std::vector<std::uint16_t>{8, 8, 8}));
    EXPECT_EQ(master->read(P + 301, 1).values, std::vector<std::uint16_t>{4});
}
