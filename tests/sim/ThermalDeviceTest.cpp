// QLX700-T behaviour seen through Modbus RTU over UDP.
#include "ModelFixture.h"

#include <cmath>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>

using namespace simtest;

namespace {

class ThermalDevice : public ModelFixture {
protected:
    // The window in the two reads the tool makes (a byte count holds at most 127 registers).
    std::vector<std::uint16_t> window()
    {
        auto w = master->read(1810, 100).values;
        const auto rest = master->read(1910, 30).values;
        w.insert(w.end(), rest.begin(), rest.end());
        return w;
    }
};

std::uint64_t stamp(const std::vector<std::uint16_t>& w, std::size_t at)
{
    return w[at] | static_cast<std::uint64_t>(w[at + 1]) << 16 | static_cast<std::uint64_t>(w[at + 2]) << 32;
}

std::vector<std::uint16_t> floatWords(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return {static_cast<std::uint16_t>(bits & 0xFFFF), static_cast<std::uint16_t>(bits >> 16)};
}

} // namespace

TEST_F(ThermalDevice, EventWindowShowsTenEventsCountingDownFromTheIndex)
{
    start({.model = "T", .preset = "t-events-25"});
    EXPECT_EQ(read1(1800), 25);
    struct Case {
        std::uint16_t index;
        int present;
    };
    for (const Case c : {Case{24, 10}, Case{14, 10}, Case{4, 5}}) {
        ASSERT_TRUE(master->write(801, c.index).ok());
        EXPECT_EQ(read1(801), c.index);
        const auto w = window();
        ASSERT_EQ(w.size(), 130u);
        for (int k = 0; k < 10; ++k) {
            const auto at = static_cast<std::size_t>(13 * k);
            if (k < c.present) {
                EXPECT_NE(stamp(w, at), 0u) << "index " << c.index << " record " << k;
                if (k > 0) { // the synthetic history is one minute apart, newest first
                    EXPECT_EQ(stamp(w, at - 13) - stamp(w, at), 60000u) << "index " << c.index << " record " << k;
                }
            } else {
                EXPECT_EQ(std::count(w.begin() + static_cast<long>(at), w.begin() + static_cast<long>(at) + 13, 0), 13)
                    << "index " << c.index << " record " << k;
            }
        }
    }
    // Command 100 erases the events and the window.
    ASSERT_TRUE(master->write(3000, 100).ok());
    EXPECT_EQ(read1(1800), 0);
    const auto w = window();
    EXPECT_EQ(std::count(w.begin(), w.end(), 0), 130);
}

TEST_F(ThermalDevice, EventsAreRecordedWhileTheIntervalIsSet)
{
    start({.model = "T", .fastEvents = true});
    EXPECT_EQ(read1(1800), 0);
    ASSERT_TRUE(master->write(214, 1).ok());
    EXPECT_TRUE(eventually([&] { return read1(1800) >= 1; }));
    ASSERT_TRUE(master->write(801, 0).ok());
    const auto record = master->read(1810, 13).values;
    EXPECT_GT(record[3], 1500) << "winding 1 temperature";
    EXPECT_NE(stamp(record, 0), 0u);
}

TEST_F(ThermalDevice, AlternationNeedsMatchingRelayPairs)
{
    start({.model = "T"});
    // Relays 5/6 equal, 7/8 differ in delay (47 vs 48).
    ASSERT_TRUE(master->write(47, 9).ok());
    struct Case {
        std::uint16_t mode;
        bool accepted;
    };
    for (const Case c : {Case{1, true}, Case{2, false}, Case{3, false}, Case{0, true}}) {
        const auto before = read1(208);
        const auto reply = master->write(208, c.mode);
        EXPECT_EQ(reply.ok(), c.accepted) << "mode " << c.mode;
        EXPECT_EQ(read1(208), c.accepted ? c.mode : before) << "mode " << c.mode;
    }
    sim->applyPreset("t-alternation-refusal");
    EXPECT_EQ(master->write(208, 1).exception, 3);
}

TEST_F(ThermalDevice, ClockRunsInRealTimeAndIsSetBySixRegisters)
{
    start({.model = "T"});
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const auto clock = master->read(401, 6).values;
    ASSERT_EQ(clock.size(), 6u);
    EXPECT_EQ(clock[3], local.tm_mday);
    EXPECT_EQ(clock[4], local.tm_mon + 1);
    EXPECT_EQ(clock[5], local.tm_year + 1900 - 2000);

    ASSERT_TRUE(master->writeMany(401, {10, 20, 30, 29, 2, 24}).ok());
    const auto set = master->read(401, 6).values;
    EXPECT_EQ(set[0], 10);
    EXPECT_EQ(set[1], 20);
    EXPECT_LE(set[2] - 30, 1);
    EXPECT_EQ((std::vector<std::uint16_t>{set[3], set[4], set[5]}), (std::vector<std::uint16_t>{29, 2, 24}));
    EXPECT_EQ(master->writeMany(401, {10, 20, 30, 1, 13, 24}).exception, 3) << "month 13";
    EXPECT_TRUE(eventually([&] { return read1(403) != set[2]; })) << "the seconds move on";
}

TEST_F(ThermalDevice, RtdReadingsFollowPt100AndTheCalibration)
{
    start({.model = "T"});
    auto rtd = master->read(510, 12).values;
    for (int k = 0; k < 6; ++k) {
        const double celsius = (rtd[2 * k] - 1500) / 10.0;
        const double ohms = rtd[2 * k + 1] / 10.0;
        const double expected = 100.0 * (1 + 3.9083e-3 * celsius - 5.775e-7 * celsius * celsius);
        EXPECT_NEAR(ohms, expected, 0.2) << "RTD " << k + 1;
    }
    // Gain 2 on RTD 1: the corrected resistance doubles.
    const auto raw = read1(2580);
    ASSERT_TRUE(master->writeMany(2540, floatWords(2.0f)).ok());
    EXPECT_TRUE(eventually([&] { return std::abs(read1(511) * 10.0 - 2.0 * read1(2580)) < 40.0; }))
        << "raw " << raw << " corrected " << read1(511);

    // Value test: RTD 1 at 115.5 ohm shows 40.0 degC once the gain is back to 1.
    ASSERT_TRUE(master->writeMany(2540, floatWords(1.0f)).ok());
    ASSERT_TRUE(master->writeMany(2150, {1, 1155}).ok());
    EXPECT_TRUE(eventually([&] {
        const auto v = master->read(510, 2).values;
        return v.size() == 2 && std::abs(v[1] - 1155) <= 1 && std::abs(v[0] - 1900) <= 2;
    }));
}

TEST_F(ThermalDevice, MaximaRiseWithTimeStamps)
{
    start({.model = "T"});
    EXPECT_TRUE(eventually([&] { return read1(701) >= 59; }));
    const auto stamps = master->read(1710, 3).values;
    const auto ms = stamp(stamps, 0);
    EXPECT_GT(ms, 1600000000000u);
}

TEST_F(ThermalDevice, MembraneVariantHasItsSignatureAndTestBlock)
{
    start({.model = "T-membrane"});
    EXPECT_EQ(read1(2002), 15012);
    const auto block = master->read(1201, 11).values;
    ASSERT_EQ(block.size(), 11u);
    EXPECT_NE(block[1], 0) << "Nmin";
    EXPECT_LE(block[8], 5) << "test state";
    sim->applyPreset("membrane-nan");
    EXPECT_EQ(master->read(1210, 2).values, (std::vector<std::uint16_t>{0xFFFF, 0x7FFF}));
}
