#include "ConfigFileDevice.h"
#include "settings/DaysSince1899.h"
#include "settings/DeviceConfigFile.h"
#include "settings/FullConfigRead.h"
#include "settings/IniFile.h"
#include "settings/PasswordCoding.h"
#include "settings/RealText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

const auto kWhen = std::chrono::system_clock::from_time_t(1704110400); // 2024-01-01 12:00 UTC

void setDevicePassword(ConfigFileDevice& dev, const char* four)
{
    for (int i = 0; i < 4; ++i)
        dev.set(1600 + i, four[i]);
}

IniFile saveFrom(ConfigFileDevice& dev, const TempFolder& tmp, const std::string& name = "x.conf")
{
    int failed = -1;
    EXPECT_TRUE(readFullConfiguration(dev.link(), failed)) << failed;
    std::string error;
    EXPECT_TRUE(saveConfiguration(dev.link(), tmp / name, error, kWhen)) << error;
    IniFile ini(tmp / name);
    EXPECT_TRUE(ini.load(error));
    return ini;
}

// Sets TZ for one test.
class TimeZone {
public:
    explicit TimeZone(const char* tz)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~TimeZone()
    {
        if (old_.empty())
            unsetenv("TZ");
        else
            setenv("TZ", old_.c_str(), 1);
        tzset();
    }

private:
    std::string old_;
};

} // namespace

TEST(DaysSince1899, CountsLocalDaysWithTheTimeAsFraction)
{
    {
        TimeZone utc("UTC0");
        EXPECT_DOUBLE_EQ(localDaysSince1899(kWhen), 45292.5);
        EXPECT_DOUBLE_EQ(localDaysSince1899(std::chrono::system_clock::from_time_t(0)), 25569.0);
    }
    TimeZone brasilia("<-03>3");
    EXPECT_DOUBLE_EQ(localDaysSince1899(kWhen), 45292.375);
}

TEST(ConfigFileSave, TFileHasEverySectionAndKeyInOrder)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700T);
    setDevicePassword(dev, "QWKZ");
    dev.set(1500, 1);
    dev.set(1700, 0x0032);
    dev.set(1701, 0xC0A8);
    dev.set(1702, 43101);
    dev.set(2000, 0x1106);
    dev.set(2501, 0x2345);
    dev.set(2502, 0x8001); // bit 15 is not part of the number
    dev.set(2002, kSignatureT);
    dev.set(27, 55);
    dev.set(1331, 4661);
    dev.set(1009, 1);
    TempFolder::write(tmp / "x.conf", "[Old]\nstale=1\n[GeneralConf]\nExtra=2\n");

    const IniFile ini = saveFrom(dev, tmp);
    EXPECT_EQ(ini.sectionNames(),
              (std::vector<std::string>{"GeneralConf", "ConfEquip", "ConfRele", "ConfCalc", "ConfSaida", "ConfSerial"}));
    EXPECT_EQ(ini.keys("GeneralConf"), (std::vector<std::string>{"Senha", "Language", "IpAddr", "IpPort", "FirmwareVersion",
                                                                 "SerialNumber", "DateTimeGenerated", "DeviceSignature"}));
    EXPECT_EQ(ini.readInteger("GeneralConf", "Senha", 0), encodePassword({'Q', 'W', 'K', 'Z'}));
    EXPECT_EQ(ini.readString("GeneralConf", "IpAddr", ""), "-1062731726");
    EXPECT_EQ(ini.readInteger("GeneralConf", "FirmwareVersion", 0), 0x1106);
    EXPECT_EQ(ini.readInteger("GeneralConf", "SerialNumber", 0), 0x12345);
    EXPECT_EQ(ini.readString("GeneralConf", "DateTimeGenerated", ""), formatDouble(localDaysSince1899(kWhen)));
    EXPECT_NE(ini.readString("GeneralConf", "DateTimeGenerated", "").find('.'), std::string::npos);
    EXPECT_EQ(ini.readInteger("GeneralConf", "DeviceSignature", 0), kSignatureT);

    EXPECT_EQ(ini.keys("ConfEquip"), (std::vector<std::string>{"UnidadeIndicacao", "FreqOperacao", "TimerEventos"}));
    const auto relayKeys = ini.keys("ConfRele");
    ASSERT_EQ(relayKeys.size(), 101u);
    const std::vector<std::string> firstRelay{"SetPointRTD1", "HistereseRTD1", "Retardo1", "CanalAssociado1", "Forca1",
                                              "LogicaInversa1", "SetPointCorrente1", "HistereseCorrente1",
                                              "FuncaoAssociada1", "SetPointRTD2"};
    EXPECT_EQ(std::vector<std::string>(relayKeys.begin(), relayKeys.begin() + 10), firstRelay);
    EXPECT_EQ(std::vector<std::string>(relayKeys.begin() + 90, relayKeys.end()),
              (std::vector<std::string>{"ReleAlternado", "ResfrDiarioInicio", "ResfrDiarioDuracao", "MaxDifTemp",
                                        "ModoRedudante1", "ModoRedudante2", "ModoRedudante3", "ModoRedudante4",
                                        "ModoRedudante5", "ModoRedudante6", "NumRtds"}));
    EXPECT_EQ(ini.keys("ConfCalc"), (std::vector<std::string>{"DeltaT1", "CorrenteNominal1", "DeltaT2", "CorrenteNominal2",
                                                              "DeltaT3", "CorrenteNominal3", "ConstTempo", "ConstM"}));
    EXPECT_EQ(ini.keys("ConfSaida"), (std::vector<std::string>{"EscalaSaida", "FundoEscala", "SaidaCanalAssociado1",
                                                               "SaidaCanalAssociado2", "SaidaCanalAssociado3",
                                                               "SaidaCanalAssociado4"}));
    const auto serial = ini.keys("ConfSerial");
    ASSERT_EQ(serial.size(), 39u);
    EXPECT_EQ(std::vector<std::string>(serial.begin(), serial.begin() + 14),
              (std::vector<std::string>{"ModoSerial1", "Dnp3Baudrate1", "Dnp3Format1", "Dnp3Address1", "Dnp3AppConf1",
                                        "Dnp3MaxInteroctetGap1", "Dnp3BackoffFixed1", "Dnp3BackoffRandom1",
                                        "Dnp3InterframeGap1", "ModbusBaudrate1", "ModbusFormat1", "ModbusAddress1",
                                        "ModbusTxDelay1", "ModoSerial2"}));
    EXPECT_EQ(ini.readInteger("ConfRele", "HistereseRTD7", 0), 55);
    EXPECT_EQ(ini.readInteger("ConfRele", "ModoRedudante6", 0), 1);
    EXPECT_EQ(ini.readInteger("ConfSerial", "Dnp3Address2", 0), 4661);
    // Written anew: nothing of the old content survives.
    EXPECT_FALSE(ini.hasSection("Old"));
    EXPECT_FALSE(ini.value("GeneralConf", "Extra").has_value());
    const std::string bytes = TempFolder::read(tmp / "x.conf");
    EXPECT_TRUE(bytes.starts_with("[GeneralConf]\r\nSenha="));
}

TEST(ConfigFileSave, IrrFileCarriesTheWifiTextsAndTheRelayCommand)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700IRR);
    const std::string ssid = "Fazenda Tr\xEAs"; // the device holds 8-bit characters
    for (std::size_t i = 0; i < ssid.size(); i += 2) {
        const int hi = i + 1 < ssid.size() ? static_cast<unsigned char>(ssid[i + 1]) : 0;
        dev.set(1720 + static_cast<int>(i / 2), static_cast<unsigned char>(ssid[i]) | hi << 8);
    }
    dev.set(1740, 'a' | 'b' << 8);
    dev.set(1761, 502);
    dev.set(212, 9);
    dev.set(32, 1);
    const IniFile ini = saveFrom(dev, tmp);
    EXPECT_EQ(ini.keys("GeneralConf"),
              (std::vector<std::string>{"Senha", "Language", "IpAddr", "IpPort", "WifiSsid", "WifiPass", "WifiPort1",
                                        "WifiPort2", "WifiPort3", "FirmwareVersion", "SerialNumber", "DateTimeGenerated",
                                        "DeviceSignature"}));
    EXPECT_EQ(ini.readString("GeneralConf", "WifiSsid", ""), "Fazenda Três");
    EXPECT_EQ(ini.readString("GeneralConf", "WifiPass", ""), "ab");
    EXPECT_EQ(ini.readInteger("GeneralConf", "WifiPort2", 0), 502);
    EXPECT_EQ(ini.readInteger("ConfQLX700IRR", "RelayScreenSoftwareCommand", 0), 9);
    EXPECT_EQ(ini.readInteger("ConfQLX700IRR", "BloquearConsumo", 0), 1);
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"GeneralConf", "ConfQLX700IRR", "ConfSerial"}));
    EXPECT_NE(TempFolder::read(tmp / "x.conf").find("WifiSsid=Fazenda Tr\xEAs\r\n"), std::string::npos);
}

TEST(ConfigFileSave, PFileFollowsTheUnitIndexAndRefusesOneOutsideTheBus)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700P);
    dev.set(1951, 3);
    dev.set(4, 3);    // BusAddress of position 3
    dev.set(24, 7);   // BusSize
    dev.set(164, 1);  // Relay9Config
    dev.set(304, 2);  // OutputRange
    dev.set(21, 99);  // another position's
    const IniFile ini = saveFrom(dev, tmp);
    EXPECT_EQ(ini.keys("ConfParalelismo"),
              (std::vector<std::string>{"EnderecoBus", "TamanhoBus", "NumPosic", "ResistPorPosic", "TempoErroParal",
                                        "TempoErroPos", "ConfRele7", "ConfRele8", "ConfRele9", "ModoLeitura"}));
    EXPECT_EQ(ini.readInteger("ConfParalelismo", "EnderecoBus", -1), 3);
    EXPECT_EQ(ini.readInteger("ConfParalelismo", "TamanhoBus", -1), 7);
    EXPECT_EQ(ini.readInteger("ConfParalelismo", "ConfRele9", -1), 1);
    EXPECT_EQ(ini.readInteger("ConfSaida", "EscalaSaida", -1), 2);

    dev.link().storeRegisterValue(1951, 16);
    std::string error;
    EXPECT_FALSE(saveConfiguration(dev.link(), tmp / "p16.conf", error, kWhen));
    EXPECT_NE(error.find("1951"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(tmp / "p16.conf"));
}

TEST(ConfigFileSave, RAndCFilesListTheirSections)
{
    TempFolder tmp;
    ConfigFileDevice r(kQLX700R);
    r.set(45, 33); // set 2, parameter 5: the raise time
    const IniFile ri = saveFrom(r, tmp, "r.conf");
    std::vector<std::string> sections{"GeneralConf"};
    for (int s = 0; s < 8; ++s)
        sections.push_back("ConfConjunto" + std::to_string(s));
    for (const char* s : {"ConfLDC", "ConfQLX700R", "ConfSaida", "ConfSerial"})
        sections.push_back(s);
    EXPECT_EQ(ri.sectionNames(), sections);
    EXPECT_EQ(ri.readInteger("ConfConjunto2", "TempoSubir", 0), 33);
    EXPECT_EQ(ri.keys("ConfQLX700R").size(), 16u);
    EXPECT_EQ(ri.keys("ConfSaida").size(), 7u);

    ConfigFileDevice c(kQLX700C);
    c.set(707, 1);
    const IniFile ci = saveFrom(c, tmp, "c.conf");
    EXPECT_EQ(ci.sectionNames(), (std::vector<std::string>{"GeneralConf", "ConfQLX700C", "ConfSaida", "ConfSerial"}));
    EXPECT_EQ(ci.keys("ConfSaida"), (std::vector<std::string>{"EscalaSaida", "FundoEscalaCorrente"}));
    EXPECT_EQ(ci.readInteger("ConfQLX700C", "ModoLeitura", 0), 1);
}

TEST(ConfigFileSave, FailureNamesTheFile)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700C);
    int failed = -1;
    ASSERT_TRUE(readFullConfiguration(dev.link(), failed)) << failed;
    std::string error;
    EXPECT_FALSE(saveConfiguration(dev.link(), tmp / "no" / "c.conf", error, kWhen));
    EXPECT_NE(error.find("c.conf"), std::string::npos) << error;
}

// A register this connection never received would go into the file as a zero the
// device never held: such a save fails and writes no file.
TEST(ConfigFileSave, ARegisterNeverReadMakesTheSaveFail)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700T);
    int failed = -1;
    ASSERT_TRUE(readFullConfiguration(dev.link(), failed)) << failed;
    dev.link().close();
    dev.link().openSerial(dev.link().portName(), {9600, 0, 0}, true);
    ASSERT_TRUE(dev.link().readRegisters(1500, 1));
    std::string error;
    EXPECT_FALSE(saveConfiguration(dev.link(), tmp / "t.conf", error, kWhen));
    EXPECT_NE(error.find("register 1 was not read from the device"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(tmp / "t.conf"));
}
