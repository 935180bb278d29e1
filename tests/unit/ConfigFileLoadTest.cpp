#include "ConfigFileDevice.h"
#include "settings/DeviceConfigFile.h"
#include "settings/FullConfigRead.h"
#include "settings/PasswordCoding.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Writes = std::vector<std::pair<int, int>>;

void packText(ConfigFileDevice& dev, int first, const std::string& text)
{
    for (int i = 0; i < 16; ++i) {
        const auto at = [&](std::size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0; };
        dev.set(first + i, at(2u * static_cast<std::size_t>(i)) | at(2u * static_cast<std::size_t>(i) + 1) << 8);
    }
}

// A device holding every default of its file (bus position 0 on the P), read into
// the image, so a load writes exactly the rows whose file value differs.
void holdDefaults(ConfigFileDevice& dev, int type)
{
    dev.set(1700, 0x0032);
    dev.set(1701, 0xC0A8);
    dev.set(1702, 43101);
    if (type == kQLX700IRR) {
        packText(dev, 1720, "Ssid");
        packText(dev, 1740, "wifi");
        dev.set(1760, 43101);
        dev.set(1761, 502);
        dev.set(1762, 503);
    }
    for (const ConfigRow& row : configRows(type)) {
        if (row.kind == ConfigRow::Kind::Word)
            dev.set(row.registerAt(0), row.defaultValue);
    }
    int failed = 0;
    ASSERT_TRUE(readFullConfiguration(dev.link(), failed)) << failed;
    dev.clearRequests();
}

struct Outcome {
    bool ok;
    int errorRegister;
    std::string reason;
};

Outcome load(ConfigFileDevice& dev, const std::filesystem::path& file, const ConfigLoadOptions& options = {},
             const ConfigPause& pause = [](std::chrono::milliseconds) {})
{
    ConfigLoadOutcome outcome;
    outcome.errorRegister = 12345;
    const bool ok = loadConfiguration(dev.link(), file, options, outcome, pause);
    return {ok, outcome.errorRegister, outcome.reason};
}

Outcome loadText(ConfigFileDevice& dev, const TempFolder& tmp, const std::string& text, const ConfigLoadOptions& options = {})
{
    TempFolder::write(tmp / "in.conf", text);
    return load(dev, tmp / "in.conf", options);
}

} // namespace

TEST(ConfigFileLoad, FilesOfAnotherModelAreRefusedWithoutAWrite)
{
    struct Case {
        int type;
        const char* fixture;
    };
    const Case cases[] = {
        {kQLX700C, "config_R.conf"},           // signature 58202
        {kQLX700T, "config_T_membrane.conf"},  // the membrane variant's 15012
        {kQLX700T, "config_P_unsigned.conf"},  // no signature, none of the T's sections
        {kQLX700R, "config_empty.conf"},
        {kQLX700IRR, "config_C_defaults.conf"},
        {kQLX700C, "does_not_exist.conf"},
    };
    for (const Case& c : cases) {
        ConfigFileDevice dev(c.type);
        const Outcome o = load(dev, kFixtures / c.fixture);
        EXPECT_FALSE(o.ok) << c.fixture;
        EXPECT_EQ(o.errorRegister, -1) << c.fixture;
        EXPECT_FALSE(o.reason.empty());
        EXPECT_TRUE(dev.requests().empty()) << c.fixture;
    }
}

TEST(ConfigFileLoad, MissingKeysTakeTheDefaults)
{
    ConfigFileDevice dev(kQLX700C);
    int failed = 0;
    ASSERT_TRUE(readFullConfiguration(dev.link(), failed)) << failed;
    dev.clearRequests();
    const Outcome o = load(dev, kFixtures / "config_C_defaults.conf");
    ASSERT_TRUE(o.ok) << o.reason;
    EXPECT_EQ(o.errorRegister, 0);
    const Writes expected{{1700, 0x0032}, {1701, 0xC0A8}, {1702, 43101}, {701, 100}, {702, 33}, {704, 1}, {705, 1},
                          {706, 50}, {301, 4}, {303, 100}};
    Writes writes = dev.writes();
    ASSERT_GE(writes.size(), expected.size());
    EXPECT_EQ(Writes(writes.begin(), writes.begin() + static_cast<long>(expected.size())), expected);
    // Then the serial ports' non-zero defaults, port by port; no password (absent).
    EXPECT_EQ(dev.get(1330), 4660);
    EXPECT_EQ(dev.get(1352), 5);
    EXPECT_EQ(dev.get(1422), 1);
    EXPECT_EQ(writes.size(), expected.size() + 15);
    for (const auto& w : writes)
        EXPECT_FALSE(w.first >= 1600 && w.first <= 1603);

    // Without the read first, a default of zero goes out too: the device may hold
    // anything in a register this connection never read.
    ConfigFileDevice unread(kQLX700C);
    unread.set(1300, 1);
    ASSERT_TRUE(load(unread, kFixtures / "config_C_defaults.conf").ok);
    EXPECT_EQ(unread.get(1300), 0);
}

TEST(ConfigFileLoad, SignatureZeroOrOwnLoads)
{
    TempFolder tmp;
    for (const char* signature : {"0", "18447"}) {
        ConfigFileDevice dev(kQLX700C);
        holdDefaults(dev, kQLX700C);
        const Outcome o = loadText(dev, tmp, std::string("[GeneralConf]\nDeviceSignature=") + signature +
                                                 "\n[ConfQLX700C]\nNumPos=20\n");
        EXPECT_TRUE(o.ok) << signature << o.reason;
        EXPECT_EQ(dev.writes(), (Writes{{702, 20}})) << signature;
    }
}

TEST(ConfigFileLoad, RSetsOptionWritesOnlyTheSets)
{
    TempFolder tmp;
    std::string text = "[GeneralConf]\nLanguage=2\nIpPort=5000\n";
    std::vector<int> expected;
    for (int s = 0; s < 8; ++s) {
        text += "[ConfConjunto" + std::to_string(s) + "]\n";
        const char* keys[] = {"TensaoNominal", "DesvioMaximo", "TipoComando", "TipoTemporizacao", "TempoSubir", "TempoDescer",
                              "TempoRepeticao", "HoraInicialHora", "HoraInicialMinuto", "HoraFinalHora", "HoraFinalMinuto"};
        for (int p = 1; p <= 11; ++p) {
            text += std::string(keys[p - 1]) + "=" + std::to_string(1000 + 20 * s + p) + "\n";
            expected.push_back(20 * s + p);
        }
    }
    text += "[ConfLDC]\nTipo=3\n[ConfQLX700R]\nRelacaoTP=7\n[ConfSaida]\nEscalaSaida=9\n[ConfSerial]\nModoSerial1=2\n";
    ConfigFileDevice dev(kQLX700R);
    ConfigLoadOptions options = ConfigLoadOptions::none();
    options.sets = true;
    const Outcome o = loadText(dev, tmp, text, options);
    ASSERT_TRUE(o.ok) << o.reason;
    EXPECT_EQ(dev.writtenRegisters(), expected);
    EXPECT_EQ(dev.get(151), 1151);
}

TEST(ConfigFileLoad, IrrCyclesReachTheirRegistersAndSavedOnlyKeysAreNeverWritten)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700IRR);
    holdDefaults(dev, kQLX700IRR);
    const Outcome o = loadText(dev, tmp,
                               "[GeneralConf]\nFirmwareVersion=4358\nSerialNumber=77\nDateTimeGenerated=45292.5\n"
                               "WifiSsid=Tr\xC3\xAAs\n"
                               "[ConfQLX700IRR]\nConsumoMax=500\nBloquearConsumo=1\nRelayScreenSoftwareCommand=9\n"
                               "CicloIrrRamais2=3\n");
    ASSERT_TRUE(o.ok) << o.reason;
    const Writes writes = dev.writes();
    ASSERT_EQ(writes.size(), 16u + 3u);
    // The text block goes in one write: "Três" in the device's 8-bit characters.
    EXPECT_EQ(writes[0], std::make_pair(1720, 'T' | 'r' << 8));
    const std::pair<int, int> second{1721, 0xEA | 's' << 8};
    EXPECT_EQ(writes[1], second);
    EXPECT_EQ(writes[2], std::make_pair(1722, 0));
    EXPECT_EQ(Writes(writes.begin() + 16, writes.end()), (Writes{{22, 3}, {31, 500}, {32, 1}}));
}

TEST(ConfigFileLoad, PasswordRoundTripsThroughTheCoding)
{
    TempFolder tmp;
    ConfigFileDevice a(kQLX700T);
    holdDefaults(a, kQLX700T);
    for (int i = 0; i < 4; ++i)
        a.set(1600 + i, "QWKZ"[i]);
    int failed = 0;
    ASSERT_TRUE(readFullConfiguration(a.link(), failed));
    std::string error;
    ASSERT_TRUE(saveConfiguration(a.link(), tmp / "a.conf", error));

    ConfigFileDevice b(kQLX700T);
    holdDefaults(b, kQLX700T);
    for (int i = 0; i < 4; ++i)
        b.set(1600 + i, "ABCD"[i]);
    ASSERT_TRUE(readFullConfiguration(b.link(), failed));
    b.clearRequests();
    const Outcome o = load(b, tmp / "a.conf");
    ASSERT_TRUE(o.ok) << o.reason;
    int blockWrites = 0;
    for (const Bytes& r : b.requests()) {
        if (r[1] == 16) {
            ++blockWrites;
            EXPECT_EQ(Bytes(r.begin() + 2, r.begin() + 15),
                      (Bytes{0x06, 0x40, 0x00, 0x04, 0x08, 0, 81, 0, 87, 0, 75, 0, 90}));
        }
        EXPECT_NE(r[1], 6); // nothing else differs
    }
    EXPECT_EQ(blockWrites, 1);
}

TEST(ConfigFileLoad, ThirtyTwoBitNumbersLoadSignedOrUnsigned)
{
    const std::int64_t password = encodePassword({'Q', 'W', 'K', 'Z'});
    const std::int64_t unsignedPassword = password < 0 ? password + 0x100000000LL : password;
    struct Case {
        std::string ip;
        std::string password;
    };
    const Case cases[] = {{"-1062731726", std::to_string(password)}, {"3232235570", std::to_string(unsignedPassword)}};
    TempFolder tmp;
    for (const Case& c : cases) {
        ConfigFileDevice dev(kQLX700C);
        holdDefaults(dev, kQLX700C);
        dev.set(1700, 0);
        dev.set(1701, 0);
        int failed = 0;
        ASSERT_TRUE(readFullConfiguration(dev.link(), failed));
        dev.clearRequests();
        const Outcome o =
            loadText(dev, tmp, "[GeneralConf]\nIpAddr=" + c.ip + "\nSenha=" + c.password + "\n[ConfQLX700C]\n");
        ASSERT_TRUE(o.ok) << c.ip << " " << o.reason;
        EXPECT_EQ(dev.writes(), (Writes{{1600, 'Q'}, {1601, 'W'}, {1602, 'K'}, {1603, 'Z'}, {1700, 0x0032}, {1701, 0xC0A8}}));
    }
}

TEST(ConfigFileLoad, FirstFailureEndsTheLoadWithItsErrorRegister)
{
    struct Case {
        const char* text;
        int refused; // register the device refuses, 0 for none
        int errorRegister;
    };
    const Case cases[] = {
        {"[ConfRele]\nSetPointRTD2=90\nHistereseRTD7=5\nRetardo9=4\n", 27, 21},
        {"[ConfEquip]\n[ConfSerial]\nDnp3Address2=1\nModbusTxDelay3=4\n", 1331, 1330},
        {"[ConfEquip]\n[ConfSaida]\nSaidaCanalAssociado3=0\n", 312, 310},
        {"[ConfRele]\nModoRedudante3=1\n", 1006, 1004},
        {"[ConfEquip]\n[ConfCalc]\nDeltaT3=4\n", 204, 202},
        {"[ConfEquip]\n[ConfCalc]\nCorrenteNominal2=40\n", 206, 205},
        {"[ConfEquip]\nTimerEventos=3\n", 214, 214},
        {"[ConfRele]\nRetardo3=70000\nNumRtds=3\n", 0, 41},
        {"[ConfEquip]\n[ConfCalc]\nConstM=-1\n", 0, 210},
        {"[GeneralConf]\nIpAddr=4294967296\n[ConfEquip]\nUnidadeIndicacao=1\n", 0, 1700},
        {"[GeneralConf]\nIpPort=65536\n[ConfEquip]\n", 0, 1702},
        {"[GeneralConf]\nSenha=1234\n[ConfEquip]\nUnidadeIndicacao=1\n", 0, 1600},
        {"[GeneralConf]\nSenha=x\nIpPort=1\n[ConfEquip]\n", 1702, 1702},
    };
    TempFolder tmp;
    for (const Case& c : cases) {
        ConfigFileDevice dev(kQLX700T);
        holdDefaults(dev, kQLX700T);
        if (c.refused != 0)
            dev.refuse(c.refused);
        const Outcome o = loadText(dev, tmp, c.text);
        EXPECT_FALSE(o.ok) << c.text;
        EXPECT_EQ(o.errorRegister, c.errorRegister) << c.text;
        EXPECT_FALSE(o.reason.empty());
        // A value the file itself gets wrong is refused before the first write.
        if (c.refused == 0) {
            EXPECT_TRUE(dev.writes().empty()) << c.text;
        }
        // Nothing after the failing row is written, and no bad password ever is.
        for (int reg : dev.writtenRegisters()) {
            EXPECT_NE(reg, 49) << c.text;
            EXPECT_NE(reg, 1002) << c.text;
            EXPECT_NE(reg, 1432) << c.text;
            EXPECT_FALSE(reg >= 1600 && reg <= 1603) << c.text;
            EXPECT_NE(reg, 201) << c.text;
        }
    }
}

TEST(ConfigFileLoad, BadPasswordFixtureIsNotWritten)
{
    ConfigFileDevice dev(kQLX700C);
    holdDefaults(dev, kQLX700C);
    const Outcome o = load(dev, kFixtures / "config_C_bad_password.conf");
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.errorRegister, 1600);
    EXPECT_TRUE(dev.writes().empty()) << "the file is refused before the first write";
}

TEST(ConfigFileLoad, PWritesItsAddressFirstAndFollowsTheIndexReadBack)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700P);
    holdDefaults(dev, kQLX700P);
    std::vector<std::size_t> pausesAtRequest;
    std::vector<std::chrono::milliseconds> pauses;
    const ConfigPause pause = [&](std::chrono::milliseconds ms) {
        pauses.push_back(ms);
        pausesAtRequest.push_back(dev.requests().size());
    };
    TempFolder::write(tmp / "p.conf",
                      "[GeneralConf]\nLanguage=0\n[ConfParalelismo]\nEnderecoBus=3\nTamanhoBus=5\nNumPosic=6\nResistPorPosic=7\n"
                      "TempoErroParal=8\nTempoErroPos=9\nConfRele7=1\nConfRele8=2\nConfRele9=3\nModoLeitura=1\n"
                      "[ConfSaida]\nEscalaSaida=2\n");
    ConfigLoadOutcome outcome;
    Outcome o{false, 0, {}};
    o.ok = loadConfiguration(dev.link(), tmp / "p.conf", {}, outcome, pause);
    o.errorRegister = outcome.errorRegister;
    o.reason = outcome.reason;
    ASSERT_TRUE(o.ok) << o.reason;
    ASSERT_EQ(pauses.size(), 2u);
    EXPECT_EQ(pauses[0], std::chrono::milliseconds(50));  // after the general keys
    EXPECT_EQ(pauses[1], std::chrono::milliseconds(300)); // before reading the index back
    const auto requests = dev.requests();
    // The write of 1951 (with its read-back), the pause, then a read of 1951 on its own.
    ASSERT_GE(pausesAtRequest[1], 2u);
    EXPECT_EQ(Bytes(requests[pausesAtRequest[1] - 2].begin(), requests[pausesAtRequest[1] - 2].begin() + 6),
              (Bytes{1, 6, 0x87, 0x9F, 0, 3}));
    EXPECT_EQ(Bytes(requests[pausesAtRequest[1]].begin(), requests[pausesAtRequest[1]].begin() + 6),
              (Bytes{1, 3, 0x87, 0x9F, 0, 1}));
    EXPECT_EQ(dev.writes(), (Writes{{1951, 3}, {24, 5}, {44, 6}, {64, 7}, {84, 8}, {104, 9}, {124, 1}, {144, 2},
                                    {164, 3}, {201, 1}, {304, 2}}));
}

TEST(ConfigFileLoad, PRefusesAnAddressOutsideTheBus)
{
    TempFolder tmp;
    ConfigFileDevice dev(kQLX700P);
    holdDefaults(dev, kQLX700P);
    const Outcome o = loadText(dev, tmp, "[ConfParalelismo]\nEnderecoBus=16\nTamanhoBus=5\n");
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.errorRegister, 1);
    EXPECT_TRUE(dev.writes().empty());

    // A unit index that does not take the new address fails the same way.
    ConfigFileDevice stuck(kQLX700P);
    holdDefaults(stuck, kQLX700P);
    stuck.refuse(1951);
    const Outcome s = loadText(stuck, tmp, "[ConfParalelismo]\nEnderecoBus=2\nTamanhoBus=5\n");
    EXPECT_FALSE(s.ok);
    EXPECT_EQ(s.errorRegister, 1);
    EXPECT_EQ(stuck.writtenRegisters(), (std::vector<int>{1951}));
}
