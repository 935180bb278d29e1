#include "AppScriptedUi.h"
#include "app/ConnectionSources.h"
#include "app/FolderAppSettings.h"
#include "app/PosixHostResolver.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "link/PollEventPump.h"
#include "support/PtyPeer.h"
#include "support/RegisterPeer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <netdb.h>

namespace {

class SerialConnectDialogTest : public ::testing::Test {
protected:
    SerialConnectDialogTest()
    {
        std::string error;
        settings.load(error);
    }
    SerialConnectDialog dialog(bool usb, int type = kQLX700T)
    {
        return SerialConnectDialog(usb, 0, settings, type,
                                   {{"/dev/serial/by-id/usb-Maker_Adapter-if00", "usb-Maker_Adapter-if00"},
                                    {"/dev/ttyS0", "/dev/ttyS0"}},
                                   ui);
    }
    std::string confIni() const { return TempFolder::read(folder / "conf.ini"); }

    TempFolder folder;
    FolderAppSettings settings{folder.path()};
    ScriptedUi ui;
};

class FakeResolver final : public HostResolver {
public:
    HostResolution resolve(const std::string& host, int port) override
    {
        asked = host + ":" + std::to_string(port);
        return answer;
    }
    HostResolution answer;
    std::string asked;
};

} // namespace

TEST_F(SerialConnectDialogTest, FormatsAndSpeedsMapToTheLinkSettings)
{
    struct Case {
        int format;
        int speed;
        SerialLinkSettings expected;
    };
    for (const Case& c : {Case{0, 0, {9600, 0, 0}}, Case{1, 1, {19200, 1, 0}}, Case{2, 2, {38400, 2, 0}},
                          Case{3, 3, {57600, 0, 2}}, Case{0, 4, {115200, 0, 0}}}) {
        SerialConnectDialog f = dialog(false);
        f.selectFormat(c.format);
        f.selectBaudRate(c.speed);
        f.okClicked();
        ASSERT_EQ(f.modalResult(), mrOk);
        EXPECT_EQ(f.linkSettings().baudRate, c.expected.baudRate);
        EXPECT_EQ(f.linkSettings().parity, c.expected.parity) << c.format;
        EXPECT_EQ(f.linkSettings().stopBits, c.expected.stopBits) << c.format;
    }
    EXPECT_EQ(std::string(SerialConnectDialog::kFormats[3]), "8N2");
}

TEST_F(SerialConnectDialogTest, TheLastValuesArePreselectedAndOkStoresThem)
{
    ConnectionSettings& p = settings.record().connection(kQLX700P);
    p.LastModBusAddr = 17;
    p.LastSerialBaudRate = 38400;
    p.LastSerialFormat = 2;
    SerialConnectDialog f = dialog(false, kQLX700P);
    EXPECT_EQ(f.modbusAddressText(), "17");
    EXPECT_EQ(f.baudRateIndex(), 2);
    EXPECT_EQ(f.formatIndex(), 2);
    EXPECT_EQ(f.portText(), "usb-Maker_Adapter-if00");
    EXPECT_EQ(f.portPath(), "/dev/serial/by-id/usb-Maker_Adapter-if00");

    f.setModbusAddressText("256");
    f.okClicked();
    EXPECT_FALSE(f.closed());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Endereço Modbus inválido. Deve ser um número entre 0 e 255."});
    EXPECT_FALSE(std::filesystem::exists(folder / "conf.ini"));

    f.setModbusAddressText("0");
    f.selectBaudRate(4);
    f.selectFormat(3);
    f.okClicked();
    EXPECT_EQ(f.modalResult(), mrOk);
    EXPECT_EQ(p.LastModBusAddr, 0);
    const std::string ini = confIni();
    EXPECT_NE(ini.find("LastModBusAddr_QLX700P=0"), std::string::npos);
    EXPECT_NE(ini.find("LastSerialBaudRate_QLX700P=115200"), std::string::npos);
    EXPECT_NE(ini.find("LastSerialFormat_QLX700P=3"), std::string::npos);
}

TEST_F(SerialConnectDialogTest, WithoutASpeedOrFormatTheDialogStaysOpenSilently)
{
    settings.record().connection(kQLX700T).LastSerialBaudRate = 1234;
    settings.record().connection(kQLX700T).LastSerialFormat = 9;
    SerialConnectDialog f = dialog(false);
    EXPECT_EQ(f.baudRateIndex(), -1);
    EXPECT_EQ(f.formatIndex(), -1);
    f.okClicked();
    EXPECT_FALSE(f.closed());
    f.selectBaudRate(0);
    f.okClicked();
    EXPECT_FALSE(f.closed());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SerialConnectDialogTest, UsbModeReturns115200And8N1WithoutCheckingOrSaving)
{
    SerialConnectDialog f = dialog(true);
    EXPECT_TRUE(f.usb());
    f.selectFormat(1);
    f.selectBaudRate(0);
    f.setModbusAddressText("999");
    f.okClicked();
    EXPECT_EQ(f.modalResult(), mrOk);
    EXPECT_EQ(f.linkSettings().baudRate, 115200);
    EXPECT_EQ(f.linkSettings().parity, 0);
    EXPECT_EQ(f.linkSettings().stopBits, 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "conf.ini"));
}

TEST_F(SerialConnectDialogTest, ATypedPortPathAndAnAddressThatIsNoNumber)
{
    SerialConnectDialog f = dialog(false);
    f.setPortText("  /dev/ttyUSB7 ");
    f.setModbusAddressText("x");
    EXPECT_EQ(f.portPath(), "/dev/ttyUSB7");
    EXPECT_EQ(f.modbusAddress(), 1);
    f.selectPort(1);
    EXPECT_EQ(f.portPath(), "/dev/ttyS0");
    SerialConnectDialog en(false, 1, settings, kQLX700T, {}, ui);
    EXPECT_EQ(en.caption(), "Serial Port");
    EXPECT_EQ(en.addressLabel(), "ModBus Address");
    EXPECT_TRUE(en.portText().empty());
}

TEST(IpConnectDialogTest, TheDefaultButtonsSetTheDefaultsAndExplain)
{
    FakeResolver resolver;
    ScriptedUi ui;
    IpConnectDialog f(0, {"10.0.0.5"}, resolver, ui);
    f.setDeviceIp("10.0.0.9");
    f.portEdited("1");
    f.defaultsClicked();
    EXPECT_EQ(f.deviceIp(), "192.168.1.50");
    EXPECT_EQ(f.portText(), "43101");
    EXPECT_EQ(f.hostPortText(), "43101");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(ui.messages[0].text, "Para forçar o equipamento a utilizar o endereço IP e porta padrão (192.168.1.50 : 43101), "
                                   "ligue-o\nsegurando o botão PROG. Atenção: isso APAGARÁ TODAS AS CONFIGURAÇÔES.");
    f.setLanguage(1);
    f.defaultsClicked();
    EXPECT_EQ(ui.messages[1].text, "In order to force de device to use its default IP and port (192.168.1.50 : 43101), turn "
                                   "it on holding\nthe PROG button. Warning: This will RESET ALL CONFIGURATION.");
}

TEST(IpConnectDialogTest, ThePortFieldsMirrorEachOtherAndAreChecked)
{
    FakeResolver resolver;
    ScriptedUi ui;
    IpConnectDialog f(0, {}, resolver, ui);
    f.portEdited("502");
    EXPECT_EQ(f.hostPortText(), "502");
    f.hostPortEdited("503");
    EXPECT_EQ(f.portText(), "503");
    f.setDeviceIp("10.1.2.3");
    for (const char* bad : {"70000", "-1", "", "12a"}) {
        f.portEdited(bad);
        f.okClicked();
        EXPECT_FALSE(f.closed()) << bad;
    }
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].text, "Porta inválida. Deve ser um inteiro entre 0 e 65535.");
    f.portEdited("65535");
    f.okClicked();
    EXPECT_EQ(f.modalResult(), mrOk);
    EXPECT_EQ(f.resultAddress(), "10.1.2.3");
    EXPECT_EQ(f.resultPort(), 65535);
}

TEST(IpConnectDialogTest, ConnectingByNameReportsEachOutcome)
{
    FakeResolver resolver;
    ScriptedUi ui;
    struct Case {
        HostResolution answer;
        std::string message;
        int result;
    };
    const std::vector<Case> cases{
        {{HostResolution::Status::NotFound, "", 0}, "Host não encontrado. Verifique o endereço digitado.", mrNone},
        {{HostResolution::Status::Failed, "", 11002}, "WSAError: 11002", mrNone},
        {{HostResolution::Status::NoIPv4, "", 0}, "Erro de comunicação com o servidor", mrNone},
        {{HostResolution::Status::Found, "10.20.30.40", 0}, "", mrYes},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        IpConnectDialog f(0, {}, resolver, ui);
        f.setHost("device.example");
        f.hostPortEdited("4000");
        resolver.answer = c.answer;
        f.hostOkClicked();
        EXPECT_EQ(f.modalResult(), c.result) << c.message;
        EXPECT_EQ(resolver.asked, "device.example:4000");
        if (c.message.empty()) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(f.resultAddress(), "10.20.30.40");
            EXPECT_EQ(f.resultPort(), 4000);
        } else {
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message});
        }
    }
}

TEST(IpConnectDialogTest, TheSystemResolverPicksAnIPv4Address)
{
    // A bare root (debootstrap) has no /etc/hosts, and then the system knows no localhost.
    addrinfo* any = nullptr;
    if (getaddrinfo("localhost", nullptr, nullptr, &any) != 0)
        GTEST_SKIP() << "this system cannot resolve localhost at all";
    freeaddrinfo(any);
    PosixHostResolver resolver;
    // localhost is often listed as ::1 first; the device links need IPv4.
    const HostResolution r = resolver.resolve("localhost", 43101);
    ASSERT_EQ(r.status, HostResolution::Status::Found);
    EXPECT_EQ(r.address.rfind("127.", 0), 0u);
    EXPECT_EQ(resolver.resolve("::1", 43101).status, HostResolution::Status::NoIPv4);
}

TEST(IpConnectDialogTest, PrefillTakesTheLastValuesAndTheDemoDevice)
{
    FakeResolver resolver;
    ScriptedUi ui;
    ConnectionSettings last;
    last.LastDeviceIP = "10.9.8.7";
    last.LastPCIP = "10.0.0.6";
    last.LastIPPort = 4321;
    last.LastAddress = "plant-7";
    IpConnectDialog f(0, {"10.0.0.5", "10.0.0.6"}, resolver, ui);
    f.prefill(last);
    EXPECT_EQ(f.deviceIp(), "10.9.8.7");
    EXPECT_EQ(f.computerIp(), "10.0.0.6");
    EXPECT_EQ(f.portText(), "4321");
    EXPECT_EQ(f.hostPortText(), "4321");
    EXPECT_EQ(f.host(), "plant-7");

    last.LastPCIP = "10.0.0.99"; // no longer an address of this computer
    last.LastDeviceIP = "x";
    IpConnectDialog g(0, {"10.0.0.5", "10.0.0.6"}, resolver, ui);
    g.prefill(last);
    EXPECT_EQ(g.computerIp(), "10.0.0.5");
    EXPECT_EQ(g.deviceIp(), "");
    f.udpClicked();
    EXPECT_EQ(f.modalResult(), mrUdp);
}

namespace {

class NoPorts final : public SerialPortSource {
public:
    std::vector<SerialPortEntry> ports() override { return {{"/dev/ttyUSB0", "/dev/ttyUSB0"}}; }
};
class OneAddress final : public LocalAddressSource {
public:
    std::vector<std::string> addresses() override { return {"10.0.0.5"}; }
};

} // namespace

TEST(AppConnectionSources, DemoDevicesComeFirst)
{
    NoPorts ports;
    OneAddress local;
    FakeResolver resolver;
    ConnectionSources sources(ports, local, resolver);
    ConnectionSettings last;
    last.LastDeviceIP = "10.1.1.1";
    EXPECT_FALSE(sources.demo());
    EXPECT_EQ(sources.localAddresses(), std::vector<std::string>{"10.0.0.5"});
    EXPECT_EQ(sources.networkDefaults(kQLX700R, last).LastDeviceIP, "10.1.1.1");

    sources.setDemoDevice(kQLX700R, {"/tmp/demo/qlx700-r", "QLX700-R (simulated)", 40123});
    EXPECT_TRUE(sources.demo());
    const std::vector<SerialPortEntry> list = sources.serialPorts();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "QLX700-R (simulated)");
    EXPECT_EQ(list[0].path, "/tmp/demo/qlx700-r");
    EXPECT_EQ(sources.localAddresses(), (std::vector<std::string>{"127.0.0.1", "10.0.0.5"}));
    const ConnectionSettings r = sources.networkDefaults(kQLX700R, last);
    EXPECT_EQ(r.LastDeviceIP, "127.0.0.1");
    EXPECT_EQ(r.LastPCIP, "127.0.0.1");
    EXPECT_EQ(r.LastIPPort, 40123);
    EXPECT_EQ(sources.networkDefaults(kQLX700T, last).LastDeviceIP, "10.1.1.1");
}
