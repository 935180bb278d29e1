// qlx700ctl save and load against the simulated devices, over serial and TCP.
#include "ConfigFileSimChanges.h"
#include "ModelLink.h"
#include "SimServer.h"
#include "device/DeviceModel.h"
#include "support/CtlRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The file without its creation time, the one line two saves may differ in.
std::string withoutTime(const std::string& text)
{
    const auto at = text.find("DateTimeGenerated=");
    if (at == std::string::npos)
        return text;
    return text.substr(0, at) + text.substr(text.find("\r\n", at));
}

class ConfigFileCtl : public ::testing::TestWithParam<ModelLink> {
protected:
    void SetUp() override
    {
        // Backups go to a data folder of this test's own.
        if (const char* old = std::getenv("QLX700_DATA_DIR"))
            oldDataDir_ = old;
        setenv("QLX700_DATA_DIR", data.path().c_str(), 1);
        sim = qlxsim::SimServer::start({.model = std::string(modelShortName(GetParam().type))},
                                       {.serial = !GetParam().tcp, .tcp = GetParam().tcp});
    }
    void TearDown() override { setenv("QLX700_DATA_DIR", oldDataDir_.c_str(), 1); }

    CtlRun ctl(const std::string& command, const std::string& file, const std::string& password = "QWKZ")
    {
        std::vector<std::string> args;
        if (GetParam().tcp) {
            args.insert(args.end(), {"--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort())});
        } else {
            args.insert(args.end(), {"--serial", sim->serialPath()});
        }
        args.insert(args.end(), {"--password", password, command, file});
        return ::ctl(args);
    }

    std::vector<std::filesystem::path> backups() const
    {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(data / "backups")) {
            for (const auto& e : std::filesystem::directory_iterator(data / "backups"))
                files.push_back(e.path());
        }
        return files;
    }

    TempFolder data;
    TempFolder tmp;
    std::unique_ptr<qlxsim::SimServer> sim;

private:
    std::string oldDataDir_;
};

} // namespace

TEST_P(ConfigFileCtl, SaveChangeLoadRestoresTheDeviceAndKeepsABackup)
{
    const int type = GetParam().type;
    const auto before = configSnapshot(*sim, type);
    const CtlRun saved = ctl("save", (tmp / "a.conf").string());
    ASSERT_EQ(saved.status, 0) << saved.err;

    changeConfigBehindTheTool(*sim, type); // the password too: Q becomes P
    ASSERT_EQ(ctl("save", (tmp / "changed.conf").string(), "PWKZ").status, 0);
    const CtlRun loaded = ctl("load", (tmp / "a.conf").string(), "PWKZ");
    ASSERT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_EQ(configSnapshot(*sim, type), before);

    // The backup holds the device as it was before the load, and says where it is.
    const auto files = backups();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_NE(loaded.out.find("backup of the device's configuration: " + files[0].string()), std::string::npos)
        << loaded.out;
    EXPECT_TRUE(files[0].filename().string().starts_with(std::string(modelShortName(type)) + "-"));
    EXPECT_EQ(withoutTime(TempFolder::read(files[0])), withoutTime(TempFolder::read(tmp / "changed.conf")));

    // A second save of the restored device gives the same file.
    ASSERT_EQ(ctl("save", (tmp / "b.conf").string()).status, 0);
    EXPECT_EQ(withoutTime(TempFolder::read(tmp / "b.conf")), withoutTime(TempFolder::read(tmp / "a.conf")));
}

INSTANTIATE_TEST_SUITE_P(AllModels, ConfigFileCtl,
                         everyModelAndLink(), modelLinkName);

TEST(ConfigFileCtlErrors, AnotherModelsFileIsRefusedWithMinusOne)
{
    TempFolder data;
    TempFolder tmp;
    const std::string oldData = std::getenv("QLX700_DATA_DIR") ? std::getenv("QLX700_DATA_DIR") : "";
    setenv("QLX700_DATA_DIR", data.path().c_str(), 1);
    TempFolder::write(tmp / "r.conf", "[GeneralConf]\r\nDeviceSignature=58202\r\n[ConfConjunto0]\r\n");
    auto sim = qlxsim::SimServer::start({.model = "C"}, {.tcp = true});
    const std::vector<std::string> link{"--tcp", "127.0.0.1:" + std::to_string(sim->tcpPort()), "--password", "QWKZ"};
    std::vector<std::string> load = link;
    load.insert(load.end(), {"load", (tmp / "r.conf").string()});
    const CtlRun refused = ctl(load);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("it is a QLX700-R file"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(data / "backups")) << "a refused file writes not even a backup";
    std::vector<std::string> save = link;
    save.push_back("save");
    EXPECT_EQ(ctl(save).status, 2);
    setenv("QLX700_DATA_DIR", oldData.c_str(), 1);
}
