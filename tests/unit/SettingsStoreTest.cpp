#include "settings/SettingsStore.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

SettingsRecord loadFrom(const TempFolder& tmp, const std::string& content)
{
    if (!content.empty())
        TempFolder::write(tmp / "conf.ini", content);
    SettingsStore store;
    SettingsRecord r;
    std::string error;
    EXPECT_TRUE(store.load(r, tmp.path(), error)) << error;
    return r;
}

} // namespace

TEST(SettingsStore, FirstRunGivesTheDefaults)
{
    TempFolder tmp;
    const SettingsRecord r = loadFrom(tmp, "");
    EXPECT_EQ(r.LastLanguage, 0);
    EXPECT_EQ(r.LastDevice, 0);
    for (int type = 0; type < kDeviceTypeCount; ++type) {
        const ConnectionSettings& c = r.connection(type);
        EXPECT_EQ(c.LastIPPort, 43101);
        EXPECT_EQ(c.LastModBusAddr, 1);
        EXPECT_EQ(c.LastSerialBaudRate, 9600);
        EXPECT_EQ(c.LastSerialFormat, 0);
        EXPECT_EQ(c.LastAddress, "localhost");
        EXPECT_EQ(c.LastConfFile, "");
    }
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(r.RelayNames[static_cast<std::size_t>(k - 1)], "RL" + std::to_string(k));
    EXPECT_EQ(r.IrrRelayNames[0], "Bomba");
    EXPECT_EQ(r.IrrRelayNames[1], "Ramal 1");
    EXPECT_EQ(r.IrrRelayNames[5], "Ramal 5");
    EXPECT_EQ(r.IrrRelayNames[6], "");
    EXPECT_FALSE(std::filesystem::exists(tmp / "conf.ini"));
}

TEST(SettingsStore, IrrigationNamesDefaultByTheStoredLanguage)
{
    struct Case {
        const char* language;
        int uiLanguage;
        const char* pump;
        const char* branch5;
    };
    const Case cases[] = {{"1", 1, "Pump", "Branch 5"}, {"2", 2, "Bomba", "Rama 5"}, {"7", 0, "Bomba", "Rama 5"},
                          {"-1", 0, "Bomba", "Rama 5"}, {"abc", 0, "Bomba", "Ramal 5"}};
    for (const Case& c : cases) {
        TempFolder tmp;
        const SettingsRecord r = loadFrom(tmp, std::string("[GeneralSection]\nLastLanguage=") + c.language + "\n");
        EXPECT_EQ(r.LastLanguage, c.uiLanguage) << c.language;
        EXPECT_EQ(r.IrrRelayNames[0], c.pump) << c.language;
        EXPECT_EQ(r.IrrRelayNames[5], c.branch5) << c.language;
    }
}

TEST(SettingsStore, BadNumbersFallBackEmptyTextsStayEmpty)
{
    TempFolder tmp;
    const SettingsRecord r = loadFrom(tmp,
        "[generalsection]\nLastIPPort=abc\nLastAddress=\nLastModBusAddr=99999999999\nLastDevice=9\n"
        "LastSerialBaudRate_QLX700P=19200\n[Relays]\nName3=\n[RelaysQLX700IRR]\nName1=Poço\n");
    EXPECT_EQ(r.connection(kQLX700T).LastIPPort, 43101);
    EXPECT_EQ(r.connection(kQLX700T).LastAddress, "");
    EXPECT_EQ(r.connection(kQLX700T).LastModBusAddr, 1);
    EXPECT_EQ(r.LastDevice, 0);
    EXPECT_EQ(r.connection(kQLX700P).LastSerialBaudRate, 19200);
    EXPECT_EQ(r.RelayNames[2], "");
    EXPECT_EQ(r.IrrRelayNames[0], "Poço");
}

// How often a read is sent again: 0..10, anything else the nearest bound, text the default.
TEST(SettingsStore, RetriesAreReadWithinTheirRange)
{
    const std::pair<const char*, int> cases[] = {{"", 2}, {"0", 0}, {"3", 3}, {"10", 10}, {"11", 10}, {"-1", 0}, {"abc", 2}};
    for (const auto& [text, retries] : cases) {
        TempFolder tmp;
        const std::string file = *text ? std::string("[GeneralSection]\nRetries=") + text + "\n" : std::string();
        EXPECT_EQ(loadFrom(tmp, file).Retries, retries) << text;
    }
}

TEST(SettingsStore, SaveWritesEveryKeyInOrderAndKeepsUnknownOnes)
{
    TempFolder tmp;
    TempFolder::write(tmp / "conf.ini", "[GeneralSection]\nFutureKey=keep\nLastLanguage=1\n[Elsewhere]\na=b\n");
    SettingsStore store;
    SettingsRecord r;
    std::string error;
    ASSERT_TRUE(store.load(r, tmp.path(), error));
    r.connection(kQLX700C).LastDeviceIP = "10.0.0.9";
    r.LastDevice = 4;
    ASSERT_TRUE(store.save(r, tmp.path(), error)) << error;

    IniFile file(tmp / "conf.ini");
    ASSERT_TRUE(file.load(error));
    EXPECT_EQ(file.readString("GeneralSection", "FutureKey", ""), "keep");
    EXPECT_EQ(file.readString("Elsewhere", "a", ""), "b");
    EXPECT_EQ(file.sectionNames(), (std::vector<std::string>{"GeneralSection", "Elsewhere", "Relays", "RelaysQLX700IRR"}));
    std::vector<std::string> expected{"FutureKey", "LastLanguage", "LastEventLogPath", "LastDevice"};
    const char* group[] = {"LastConfFile", "LastDeviceIP", "LastPCIP", "LastIPPort", "LastAddress", "LastModBusAddr",
                           "LastSerialBaudRate", "LastSerialFormat"};
    for (const char* suffix : {"", "!", "_QLX700P", "_QLX700R", "_QLX700IRR", "_QLX700C"}) {
        if (std::string(suffix) == "!") {
            expected.push_back("DetectFalhaSave");
            continue;
        }
        for (const char* key : group)
            expected.push_back(std::string(key) + suffix);
    }
    expected.push_back("Retries");
    EXPECT_EQ(file.keys("GeneralSection"), expected);
    std::vector<std::string> irr;
    for (int k = 1; k <= 10; ++k)
        irr.push_back("Name" + std::to_string(k));
    irr.push_back("RecFilePath");
    EXPECT_EQ(file.keys("RelaysQLX700IRR"), irr);
    EXPECT_EQ(file.readString("RelaysQLX700IRR", "Name2", "?"), "Branch 1");
    EXPECT_EQ(file.readString("RelaysQLX700IRR", "Name7", "?"), "");
    EXPECT_EQ(file.keys("Relays").size(), 10u);

    // The record survives a restart, the C group included.
    SettingsStore next;
    SettingsRecord back;
    ASSERT_TRUE(next.load(back, tmp.path(), error));
    EXPECT_EQ(back.connection(kQLX700C).LastDeviceIP, "10.0.0.9");
    EXPECT_EQ(back.LastDevice, 4);
    EXPECT_EQ(back.LastLanguage, 1);
}

TEST(SettingsStore, FileIsReadOnceAndOutsideEditsAreOverwritten)
{
    TempFolder tmp;
    SettingsStore store;
    SettingsRecord r;
    std::string error;
    ASSERT_TRUE(store.load(r, tmp.path(), error));
    TempFolder::write(tmp / "conf.ini", "[GeneralSection]\nLastLanguage=2\n");
    ASSERT_TRUE(store.load(r, tmp.path(), error));
    EXPECT_EQ(r.LastLanguage, 0);
    ASSERT_TRUE(store.save(r, tmp.path(), error));
    EXPECT_NE(TempFolder::read(tmp / "conf.ini").find("LastLanguage=0\r\n"), std::string::npos);
}

TEST(SettingsStore, FailedSaveIsReportedAndKeepsTheRecord)
{
    TempFolder tmp;
    std::filesystem::create_directory(tmp / "conf.ini"); // the name is taken by a folder
    SettingsStore store;
    SettingsRecord r;
    std::string error;
    store.load(r, tmp.path(), error);
    r.LastLanguage = 2;
    error.clear();
    EXPECT_FALSE(store.save(r, tmp.path(), error));
    EXPECT_NE(error.find("conf.ini"), std::string::npos) << error;
    EXPECT_EQ(r.LastLanguage, 2);
}

TEST(SettingsStore, ProcessWideRecordLivesInTheDataFolder)
{
    // The tests run with QLX700_DATA_DIR set to a folder of their own.
    std::string error;
    ASSERT_TRUE(LoadSettings(&error)) << error;
    Settings().RelayNames[0] = "Trip";
    ASSERT_TRUE(SaveSettings(&error)) << error;
    IniFile file(std::filesystem::path(std::getenv("QLX700_DATA_DIR")) / "conf.ini");
    ASSERT_TRUE(file.load(error));
    EXPECT_EQ(file.readString("Relays", "Name1", ""), "Trip");
}
