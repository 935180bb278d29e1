// QLX700-R: regulation sets, tap commands and measurements.
#include "ModelFixture.h"

using namespace simtest;

namespace {

class RegulatorDevice : public ModelFixture {
protected:
    void SetUp() override { start({.model = "R", .strict = true}); }
};

} // namespace

TEST_F(RegulatorDevice, RegulationSetsUseParametersOneToEleven)
{
    EXPECT_EQ(master->read(41, 11).values,
              (std::vector<std::uint16_t>{1150, 50, 0, 0, 20, 20, 10, 0, 0, 23, 59}));
    EXPECT_TRUE(master->write(45, 180).ok()) << "set 2, raising time";
    EXPECT_EQ(master->write(45, 181).exception, 3);
    EXPECT_EQ(master->read(52, 1).exception, 2) << "parameter 12 does not exist";
    EXPECT_EQ(master->read(160, 1).exception, 2) << "parameter 0 does not exist";
    EXPECT_TRUE(master->read(401, 6).ok()) << "the connection reads 401..406";
}

TEST_F(RegulatorDevice, TapCommandsStayWithinTheLimitsAndCount)
{
    ASSERT_TRUE(master->writeMany(705, {16, 18}).ok());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(master->write(3000, 1000).ok());
    EXPECT_EQ(read1(1015), 18);
    ASSERT_TRUE(master->write(3000, 1003).ok());
    ASSERT_TRUE(master->write(3000, 1003).ok());
    ASSERT_TRUE(master->write(3000, 1003).ok());
    EXPECT_EQ(read1(1015), 16);
    EXPECT_EQ(master->read(801, 2).values, (std::vector<std::uint16_t>{16, 18}));
    EXPECT_EQ(read1(804), 3) << "one step up, two down";
}

TEST_F(RegulatorDevice, MeasurementsAndValueTest)
{
    const auto m = master->read(1001, 15).values;
    ASSERT_EQ(m.size(), 15u);
    EXPECT_NEAR(m[0], 1150, 20) << "secondary voltage";
    EXPECT_NEAR(m[12], 1000, 20) << "deviation";
    ASSERT_TRUE(master->writeMany(2150, {1, 9, 1200, 300, 250}).ok());
    EXPECT_TRUE(eventually([&] {
        const auto v = master->read(1001, 15).values;
        return v.size() == 15 && v[0] == 1200 && v[1] == 300 && v[5] == 250 && v[14] == 9;
    }));
    sim->applyPreset("r-deviation-985,r-two-outputs");
    EXPECT_EQ(read1(1013), 985);
    EXPECT_EQ(master->read(2510, 6).values, (std::vector<std::uint16_t>{0, 0x3F80, 0, 0x3F80, 0, 0}));
}
