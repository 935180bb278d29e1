#include "AppScriptedUi.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "support/PtyPeer.h"
#include "support/RegisterPeer.h"

#include <gtest/gtest.h>

namespace {

class ChangeIpDialogTest : public ::testing::Test {
protected:
    ChangeIpDialogTest()
        : pty(device.handler())
        , comm(pump)
    {
    }
    void open(int type)
    {
        comm.setDeviceType(type);
        ASSERT_TRUE(comm.openSerial(pty.path(), {9600, 0, 0}, true));
        pty.clearRequests();
    }
    // First registers of the function-3 requests sent so far.
    std::vector<int> readStarts() const
    {
        std::vector<int> starts;
        for (const Bytes& r : pty.requests()) {
            if (r.size() == 8 && r[1] == 3)
                starts.push_back(r[2] * 256 + r[3]);
        }
        return starts;
    }

    RegisterPeer device;
    PtyPeer pty;
    PollEventPump pump;
    DeviceLink comm;
    ScriptedUi ui;
};

} // namespace

TEST_F(ChangeIpDialogTest, OtherModelsShowAddressAndPortOnly)
{
    open(kQLX700T);
    device.set(1700, 0x0132);
    device.set(1701, 0xC0A8);
    device.set(1702, 43101);
    ChangeIpDialog f(comm, 0, ui);
    f.readDevice();
    EXPECT_EQ(readStarts(), (std::vector<int>{1700, 1702}));
    EXPECT_EQ(f.ipText(), "192.168.1.50");
    EXPECT_EQ(f.portText(), "43101");
    EXPECT_FALSE(f.wifi());
    EXPECT_FALSE(f.timerEnabled());
    EXPECT_EQ(f.clientWidth(), 172);
    pty.clearRequests();
    f.tick();
    EXPECT_TRUE(pty.requests().empty());
}

TEST_F(ChangeIpDialogTest, OkWritesAddressAndPort)
{
    open(kQLX700T);
    ChangeIpDialog f(comm, 0, ui);
    f.setIpText("  192.168.1.50");
    f.setPortText("43101");
    f.okClicked();
    EXPECT_EQ(f.modalResult(), mrOk);
    EXPECT_EQ(device.get(1700), 0x0132);
    EXPECT_EQ(device.get(1701), 0xC0A8);
    EXPECT_EQ(device.get(1702), 43101);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"O equipamento utilizará o novo IP e porta imediatamente."});
}

TEST_F(ChangeIpDialogTest, InvalidInputWritesNothing)
{
    open(kQLX700IRR);
    struct Case {
        const char* ip;
        const char* port;
        const char* wifiPort;
        const char* message;
    };
    const char* invalidPort = "Porta inválida. Deve ser um inteiro entre 0 e 65535.";
    for (const Case& c : {Case{"192.168.1.50", "70000", "1", invalidPort}, Case{"192.168.1.50", "x", "1", invalidPort},
                          Case{"192.168.1", "502", "1", "IP inválido."}, Case{"192.168.1.50", "502", "65536", invalidPort}}) {
        ui.messages.clear();
        ChangeIpDialog f(comm, 0, ui);
        f.setIpText(c.ip);
        f.setPortText(c.port);
        f.setWifiPortText(c.wifiPort);
        f.okClicked();
        EXPECT_FALSE(f.closed()) << c.port;
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message}) << c.port;
    }
    EXPECT_TRUE(pty.requests().empty());
}

TEST_F(ChangeIpDialogTest, FailedWritesAreEachReportedAndTheRestStillGoes)
{
    open(kQLX700T);
    device.refused.insert(1700);
    device.refused.insert(1702);
    ChangeIpDialog f(comm, 1, ui);
    f.setIpText("10.0.0.2");
    f.setPortText("502");
    f.okClicked();
    EXPECT_EQ(device.get(1701), 0x0A00);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Error configuring the parameters.", "Error configuring the parameters.",
                                                           "The device will use the new IP and port immediately."}));
}

TEST_F(ChangeIpDialogTest, TheIrrShowsAndWritesItsWifiSettings)
{
    open(kQLX700IRR);
    const std::string ssid = "plant";
    device.set(1720, static_cast<std::uint16_t>('p' | ('l' << 8)));
    device.set(1721, static_cast<std::uint16_t>('a' | ('n' << 8)));
    device.set(1722, 't');
    device.set(1760, 5005);
    device.set(1774, 0x5566);
    device.set(1775, 0x3344);
    device.set(1776, 0x1122);
    device.set(1770, 0x010A);
    device.set(1771, 0xC0A8);
    device.set(1780, static_cast<std::uint16_t>(-65));
    ChangeIpDialog f(comm, 0, ui);
    EXPECT_EQ(f.clientWidth(), ChangeIpDialog::kWifiWidth);
    EXPECT_TRUE(f.timerEnabled());
    f.readDevice();
    EXPECT_EQ(readStarts(), (std::vector<int>{1700, 1702, 1720, 1740, 1760, 1770, 1774, 1780}));
    EXPECT_EQ(f.ssid(), ssid);
    EXPECT_EQ(f.wifiPortText(), "5005");
    EXPECT_EQ(f.mac(), "11 22 33 44 55 66");
    EXPECT_EQ(f.obtainedIp(), "192.168.1.10");
    EXPECT_EQ(f.wifiSignal(), "Sinal Médio");

    const std::string longSsid = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn"; // 40 characters
    f.setIpText("192.168.1.50");
    f.setPortText("43101");
    f.setSsid(longSsid);
    f.setWifiPassword("pw");
    f.setWifiPortText("6006");
    f.okClicked();
    EXPECT_EQ(f.modalResult(), mrOk);
    for (int i = 0; i < 16; ++i) {
        const auto expected = static_cast<std::uint16_t>(longSsid[2 * i] | (longSsid[2 * i + 1] << 8));
        EXPECT_EQ(device.get(static_cast<std::uint16_t>(1720 + i)), expected) << i;
    }
    EXPECT_EQ(device.get(1740), 'p' | ('w' << 8));
    EXPECT_EQ(device.get(1741), 0);
    EXPECT_EQ(device.get(1760), 6006);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"O equipamento utilizará o novo IP e porta imediatamente."});
}

TEST_F(ChangeIpDialogTest, TheTimerShowsTheObtainedAddressAndTheSignal)
{
    open(kQLX700IRR);
    ChangeIpDialog f(comm, 0, ui);
    struct Case {
        int dbm;
        std::uint16_t low;
        std::uint16_t high;
        const char* signal;
        const char* address;
    };
    for (const Case& c : {Case{-65, 0, 0, "Sinal Médio", "WI-FI não conectado"}, Case{-60, 0x0203, 0x0A01, "Sinal Bom", "10.1.2.3"},
                          Case{-71, 0, 1, "Sinal Fraco", "0.1.0.0"}, Case{-70, 1, 0, "Sinal Médio", "0.0.0.1"}}) {
        device.set(1780, static_cast<std::uint16_t>(c.dbm));
        device.set(1770, c.low);
        device.set(1771, c.high);
        pty.clearRequests();
        f.tick();
        EXPECT_EQ(readStarts(), (std::vector<int>{1770, 1780}));
        EXPECT_EQ(f.wifiSignal(), c.signal) << c.dbm;
        EXPECT_EQ(f.obtainedIp(), c.address) << c.dbm;
    }
    f.setLanguage(1);
    f.tick();
    EXPECT_EQ(f.wifiSignal(), "Medium Signal");
    EXPECT_EQ(f.captions().obtainedIpLabel, "IP Received");
}
