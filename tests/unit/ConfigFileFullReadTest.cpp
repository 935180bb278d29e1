#include "ConfigFileDevice.h"
#include "settings/DeviceConfigLayout.h"
#include "settings/FullConfigRead.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> covered(const std::vector<RegisterRun>& runs)
{
    std::set<int> regs;
    for (const RegisterRun& r : runs) {
        EXPECT_GE(r.count, 1);
        EXPECT_LE(r.count, 147);
        for (int i = 0; i < r.count; ++i)
            EXPECT_TRUE(regs.insert(r.first + i).second) << "read twice: " << r.first + i;
    }
    return regs;
}

} // namespace

TEST(FullConfigRead, CoversEverySavedRegisterAndNothingElse)
{
    for (int type = 0; type < kDeviceTypeCount; ++type) {
        const int p = type == kQLX700P ? 5 : 0;
        const std::set<int> regs = covered(configurationRuns(type, p));
        std::set<int> expected{1500, 1600, 1601, 1602, 1603, 1700, 1701, 1702, 2000, 2002, 2501, 2502};
        if (type == kQLX700IRR) {
            for (int r = 1720; r < 1736; ++r)
                expected.insert(r);
            for (int r = 1740; r < 1756; ++r)
                expected.insert(r);
            for (int r = 1760; r < 1763; ++r)
                expected.insert(r);
        }
        for (const ConfigRow& row : configRows(type))
            expected.insert(row.registerAt(p));
        EXPECT_EQ(regs, expected) << type;
    }
    // The T's serial block 1300..1432 and relay blocks stay in separate runs: no
    // register outside the file is asked for.
    const auto runs = configurationRuns(kQLX700T, 0);
    EXPECT_EQ(runs.front().first, 1);
    EXPECT_EQ(runs.front().count, 10);
}

TEST(FullConfigRead, ReadsEveryRunIntoTheImage)
{
    ConfigFileDevice dev(kQLX700R);
    dev.set(151, 59);
    dev.set(708, 2);
    dev.set(1432, 7);
    dev.set(2501, 42);
    int failed = -1;
    ASSERT_TRUE(readFullConfiguration(dev.link(), failed));
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(dev.link().registerValue(151), 59);
    EXPECT_EQ(dev.link().registerValue(708), 2);
    EXPECT_EQ(dev.link().registerValue(1432), 7);
    EXPECT_EQ(dev.link().image().SerialNumber(), 42);
    EXPECT_EQ(dev.requests().size(), configurationRuns(kQLX700R, 0).size());
}

TEST(FullConfigRead, PReadsItsIndexFirstAndRefusesOneOutsideTheBus)
{
    ConfigFileDevice dev(kQLX700P);
    dev.set(1951, 2);
    dev.set(23, 8);
    int failed = -1;
    ASSERT_TRUE(readFullConfiguration(dev.link(), failed));
    const Bytes first = dev.requests().at(0);
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 6), (Bytes{1, 3, 0x87, 0x9F, 0, 1}));
    EXPECT_EQ(dev.link().registerValue(23), 8);

    dev.set(1951, 16);
    EXPECT_EQ(readConfigurationRegisters(dev.link(), failed), ConfigRead::UnitOutsideBus)
        << "the device answered: it is no link failure";
    EXPECT_EQ(failed, 1951);
}

TEST(FullConfigRead, StopsAtTheFirstFailedRead)
{
    ConfigFileDevice dev(kQLX700C);
    dev.peer().silent = true;
    int failed = 0;
    EXPECT_EQ(readConfigurationRegisters(dev.link(), failed), ConfigRead::LinkFailed);
    EXPECT_EQ(failed, configurationRuns(kQLX700C, 0).front().first);
    EXPECT_EQ(dev.requests().size(), 1u);
}
