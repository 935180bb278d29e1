// Configuration files against the simulated devices: save, change the device, load,
// and every register the file covers is back; a second save is byte-identical.
#include "ConfigFileSimChanges.h"
#include "ModelLink.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "device/DeviceModel.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "settings/DeviceConfigFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>


namespace {

const auto kWhen = std::chrono::system_clock::from_time_t(1704110400);

class ConfigFileRoundTrip : public ::testing::TestWithParam<ModelLink> {
protected:
    void SetUp() override
    {
        const std::string model(modelShortName(GetParam().type));
        sim = qlxsim::SimServer::start({.model = model}, {.serial = !GetParam().tcp, .tcp = GetParam().tcp});
        link.setDeviceType(GetParam().type);
        link.setSlaveAddress(1);
        if (GetParam().tcp) {
            ASSERT_TRUE(link.openTcp("127.0.0.1", "", sim->tcpPort()));
            pump.runUntil([&] { return link.connected() || link.lastSocketError() != 0; }, deadlineAfter(Seconds(10)));
            ASSERT_TRUE(link.connected());
        } else {
            ASSERT_TRUE(link.openSerial(sim->serialPath(), {9600, 0, 0}, true));
        }
    }

    bool save(const std::filesystem::path& file)
    {
        int failed = 0;
        std::string error;
        return readFullConfiguration(link, failed) && saveConfiguration(link, file, error, kWhen);
    }

    std::unique_ptr<qlxsim::SimServer> sim;
    PollEventPump pump;
    DeviceLink link{pump};
    TempFolder tmp;
};

} // namespace

TEST_P(ConfigFileRoundTrip, LoadRestoresEverySavedRegister)
{
    const int type = GetParam().type;
    const auto before = configSnapshot(*sim, type);
    ASSERT_TRUE(save(tmp / "a.conf"));
    changeConfigBehindTheTool(*sim, type);
    EXPECT_NE(configSnapshot(*sim, type), before);

    int failed = 0;
    ASSERT_TRUE(readFullConfiguration(link, failed)) << failed;
    ConfigLoadOutcome outcome;
    outcome.errorRegister = -99;
    ASSERT_TRUE(loadConfiguration(link, tmp / "a.conf", {}, outcome))
        << outcome.errorRegister << " " << outcome.reason;
    EXPECT_EQ(outcome.errorRegister, 0);
    const auto after = configSnapshot(*sim, type);
    for (const auto& [reg, value] : before)
        EXPECT_EQ(after.at(reg), value) << "register " << reg;

    ASSERT_TRUE(save(tmp / "b.conf"));
    EXPECT_EQ(TempFolder::read(tmp / "b.conf"), TempFolder::read(tmp / "a.conf"));
}

INSTANTIATE_TEST_SUITE_P(AllModels, ConfigFileRoundTrip,
                         everyModelAndLink(), modelLinkName);
