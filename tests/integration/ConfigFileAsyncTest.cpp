// Configuration files over the asynchronous TCP link: the load's result is the
// flush's, and the P's unit index is written and read back at once.
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "settings/DeviceConfigFile.h"
#include "settings/FullConfigRead.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class ConfigFileAsync : public ::testing::Test {
protected:
    void connect(const std::string& model, int type, const std::string& preset = {})
    {
        sim = qlxsim::SimServer::start({.model = model, .preset = preset}, {.tcp = true});
        link.setDeviceType(type);
        ASSERT_TRUE(link.openTcp("127.0.0.1", "", sim->tcpPort()));
        pump.runUntil([&] { return link.connected() || link.lastSocketError() != 0; }, deadlineAfter(Seconds(10)));
        ASSERT_TRUE(link.connected());
    }

    bool refresh()
    {
        int failed = 0;
        return readFullConfiguration(link, failed);
    }

    std::unique_ptr<qlxsim::SimServer> sim;
    PollEventPump pump;
    DeviceLink link{pump};
    TempFolder tmp;
};

} // namespace

TEST_F(ConfigFileAsync, RefusedWriteMakesTheLoadFail)
{
    connect("T", kQLX700T);
    ASSERT_TRUE(refresh());
    std::string error;
    ASSERT_TRUE(saveConfiguration(link, tmp / "t.conf", error));
    sim->setReg(27, 9);
    sim->setReg(1331, 7);
    ASSERT_TRUE(refresh());
    sim->setFaults("exception=4");
    ConfigLoadOutcome outcome;
    EXPECT_FALSE(loadConfiguration(link, tmp / "t.conf", {}, outcome));
    // The first queued row, relay 7's RTD hysteresis, reports its group's first register.
    EXPECT_EQ(outcome.errorRegister, 21);
    EXPECT_EQ(sim->reg(27), 9);
}

TEST_F(ConfigFileAsync, PWritesItsIndexAtOnceAndLoadsAtThePositionReadBack)
{
    connect("P", kQLX700P, "p-unit-3");
    sim->setReg(24, 5); // BusSize of position 3
    ASSERT_TRUE(refresh());
    std::string error;
    ASSERT_TRUE(saveConfiguration(link, tmp / "p.conf", error));

    sim->setReg(1951, 0);
    sim->setReg(24, 6);
    ASSERT_TRUE(refresh());
    std::vector<std::chrono::milliseconds> pauses;
    std::vector<int> indexAtPause;
    const ConfigPause pause = [&](std::chrono::milliseconds ms) {
        pauses.push_back(ms);
        indexAtPause.push_back(sim->reg(1951));
    };
    ConfigLoadOutcome outcome;
    ASSERT_TRUE(loadConfiguration(link, tmp / "p.conf", {}, outcome, pause)) << outcome.reason;
    ASSERT_EQ(pauses.size(), 2u);
    EXPECT_EQ(pauses[1], std::chrono::milliseconds(300));
    EXPECT_EQ(indexAtPause[1], 3); // already flushed when the pause starts
    EXPECT_EQ(sim->reg(1951), 3);
    EXPECT_EQ(sim->reg(24), 5);
}

TEST_F(ConfigFileAsync, PSaveIsRefusedWhileTheIndexIsOutsideTheBus)
{
    connect("P", kQLX700P, "p-unit-20");
    int failed = 0;
    EXPECT_FALSE(readFullConfiguration(link, failed));
    EXPECT_EQ(failed, 1951);
    std::string error;
    EXPECT_FALSE(saveConfiguration(link, tmp / "p.conf", error));
    EXPECT_FALSE(std::filesystem::exists(tmp / "p.conf"));
}
