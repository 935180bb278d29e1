// The QLX700-T general page's connect roads against the simulated device.
#include "ThermalGeneralPageFixture.h"

#include <gtest/gtest.h>

namespace {
const char* const kWrongPassword = "Senha incorreta";
} // namespace

TEST(ThermalGeneralPageConnect, PasswordIsCheckedAgainstTheDevice)
{
    struct Case {
        std::string typed;
        bool accepted;
    };
    for (const Case& c : {Case{"qwkz", true}, Case{"QWKZ123", true}, Case{"", false}, Case{"QWK", false}}) {
        ThermalGeneralPageFixture f;
        f.startSim("T");
        f.typePassword(c.typed);
        EXPECT_EQ(f.connect(), c.accepted) << c.typed;
        EXPECT_EQ(f.comm.connected(), c.accepted) << c.typed;
        EXPECT_EQ(f.page.generalCaptions().connectSerialButton, c.accepted ? "Desconectar" : "Conectar Serial");
        if (c.accepted)
            EXPECT_TRUE(f.ui.messages.empty()) << f.ui.messages.front().text;
        else
            EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{kWrongPassword}) << c.typed;
    }
}

// A timer tick that fires inside the connect road (its dialogs, its waits) leaves
// the link and the screen to it.
TEST(ThermalGeneralPageConnect, TimerTicksWaitWhileConnecting)
{
    ThermalGeneralPageFixture f;
    f.startSim("T");
    f.page.setTimerEnabled(true);
    std::uint64_t before = 0;
    std::uint64_t after = 0;
    f.ui.passwordDialog = [&](PasswordDialog& dialog) {
        before = f.sim->requestCount();
        f.page.tick();
        after = f.sim->requestCount();
        EXPECT_FALSE(f.page.general().connected);
        dialog.setPassword("QWKZ");
        dialog.okClicked();
    };
    ASSERT_TRUE(f.connect());
    EXPECT_EQ(after, before);
    EXPECT_TRUE(f.page.general().connected);
    const std::uint64_t connected = f.sim->requestCount();
    f.page.tick();
    EXPECT_GT(f.sim->requestCount(), connected);
}

// Other models' devices, reached with the T selected.
TEST(ThermalGeneralPageConnect, OtherModelsSwitchTheSelectorAndLeaveTheLinkClosed)
{
    struct Case {
        std::string model;
        int language;
        std::vector<int> selected;
        std::string text;
    };
    for (const Case& c :
         {Case{"P", 0, {1}, "Assinatura do equipamento é do QLX700P. O seletor no topo da janela será trocado para QLX700P."},
          Case{"R", 1, {2}, "Device signature matches the QLX700R. The box on the top of the screen will switch to QLX700R."},
          Case{"C", 2, {}, "firma de dispositivo no válida."}}) {
        ThermalGeneralPageFixture f(PageLanguage{c.language});
        f.startSim(c.model);
        EXPECT_FALSE(f.connect());
        EXPECT_FALSE(f.comm.connected());
        EXPECT_EQ(f.selected, c.selected) << c.model;
        EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{c.text});
    }
}

TEST(ThermalGeneralPageConnect, MembraneVariantOnlyOverSerial)
{
    ThermalGeneralPageFixture serial;
    serial.startSim("T-membrane");
    EXPECT_TRUE(serial.connect());
    EXPECT_TRUE(serial.page.state().membraneTestVisible);

    ThermalGeneralPageFixture tcp;
    tcp.startSim("T-membrane", true);
    EXPECT_FALSE(tcp.connect(true));
    EXPECT_FALSE(tcp.comm.connected());
    EXPECT_EQ(tcp.ui.messageTexts(), std::vector<std::string>{"Assinatura do equipamento inválida."});
    EXPECT_FALSE(tcp.page.state().membraneTestVisible);
}

TEST(ThermalGeneralPageConnect, UnreadPasswordIsNeverAccepted)
{
    // The signature and the language register answer; the password read does not.
    ThermalGeneralPageFixture f(PageLanguage{1});
    f.startSim("T");
    f.sim->setFaults("silent-after=2");
    bool asked = false;
    f.ui.passwordDialog = [&](PasswordDialog& s) {
        asked = true;
        s.okClicked();
    };
    EXPECT_FALSE(f.connect());
    EXPECT_FALSE(asked);
    EXPECT_FALSE(f.comm.connected());
    EXPECT_EQ(f.ui.messageTexts(),
              std::vector<std::string>{"Device did not answer the signature. It is possible that the firmware is outdated.\n"
                                       "time-out (no answer)"});
}

TEST(ThermalGeneralPageConnect, TcpConnectsReadsAndShowsTheDevice)
{
    ThermalGeneralPageFixture f;
    f.startSim("T", true);
    ASSERT_TRUE(f.connect(true));
    EXPECT_EQ(f.ui.log.front(), "notice open: Conectando...");
    EXPECT_TRUE(f.page.state().relayNamesEnabled);
    EXPECT_EQ(f.comm.registerValue(110), f.sim->reg(110));
    EXPECT_EQ(f.page.general().serialNumberPanel.text.rfind("Num. Serie: ", 0), 0u);
}

TEST(ThermalGeneralPageConnect, RefusedTcpConnectionEndsAtOnceAndClosesTheLink)
{
    ThermalGeneralPageFixture f;
    f.startSim("T", true);
    const std::uint16_t port = f.sim->tcpPort();
    f.sim.reset();
    EXPECT_FALSE(f.page.connectIp("127.0.0.1", "", true, port));
    EXPECT_FALSE(f.comm.connected());
    EXPECT_FALSE(f.comm.asyncLink().isOpen());
    EXPECT_EQ(f.ui.messageTexts(),
              std::vector<std::string>{"Erro de acesso\n127.0.0.1:" + std::to_string(port) + ": Connection refused"});
}

// The tool's access error, and on a second line what went wrong; a speed or format the port
// refuses fails at once instead of being tried three times.
TEST(ThermalGeneralPageConnect, SerialOpenFailuresSayWhy)
{
    ThermalGeneralPageFixture f;
    f.startSim("T");
    EXPECT_FALSE(f.page.connectSerial("/dev/qlx700-no-such-port", 1, true, {9600, 0, 0}));
    EXPECT_EQ(f.ui.messageTexts().back(), "Erro de acesso\n/dev/qlx700-no-such-port: No such file or directory");
    f.pump.pauses.clear();
    EXPECT_FALSE(f.page.connectSerial(f.sim->serialPath(), 1, true, {12345, 1, 0}));
    EXPECT_EQ(f.ui.messageTexts().back(),
              "Erro de acesso\n" + f.sim->serialPath() + ": the port does not accept 8E1 at 12345 baud");
    EXPECT_TRUE(f.pump.pauses.empty()) << "no retries";
}

TEST(ThermalGeneralPageConnect, TcpWaitShowsItsProgressAndGivesUp)
{
    ThermalGeneralPageFixture f;
    f.startSim("T", true);
    f.sim->setFaults("no-accept");
    f.page.connectFlow().setTcpConnectLimit(Seconds(1.0));
    EXPECT_FALSE(f.connect(true));
    EXPECT_FALSE(f.comm.asyncLink().isOpen());
    EXPECT_NE(std::find(f.ui.log.begin(), f.ui.log.end(), "notice: Conectando...  (0s (max 20s))"), f.ui.log.end());
    // A simulated device that never accepts still has a listen backlog: on a loaded
    // machine the kernel may complete the handshake, and the road then ends on the
    // silent device instead. Either way the user is told, once, and nothing stays open.
    ASSERT_EQ(f.ui.messages.size(), 1u);
    const std::string& text = f.ui.messages[0].text;
    const std::string refused = "Erro de acesso\n127.0.0.1:" + std::to_string(f.sim->tcpPort()) + ": no answer within 20 s";
    EXPECT_TRUE(text == refused || text.rfind("Equipamento não está respondendo.", 0) == 0) << text;
}

TEST(ThermalGeneralPageConnect, OldToolIsWarnedAndStaysConnected)
{
    ThermalGeneralPageFixture f;
    f.startSim("T");
    f.sim->setReg(2001, 0xF123);
    EXPECT_TRUE(f.connect());
    EXPECT_TRUE(f.comm.connected());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(f.ui.messages[0].text,
              "O firmware do equipamento exige uma versão de software mais atualizada do que a atual. Atualize o "
              "software para a versão igual ou superior a 15.1.35");
}

TEST(ThermalGeneralPageConnect, ConnectButtonsRunTheirDialogs)
{
    ThermalGeneralPageFixture f;
    f.startSim("T", true);
    f.ui.ipConnectDialog = [](IpConnectDialog& d) {
        d.setComputerIp("  127.0.0.1");
        d.setDeviceIp("127.0.0.300");
        d.okClicked();
    };
    f.page.connectIpClicked();
    EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{"IP inválido"});
    EXPECT_FALSE(f.comm.asyncLink().isOpen());

    const std::uint16_t port = f.sim->tcpPort();
    f.ui.ipConnectDialog = [port](IpConnectDialog& d) {
        d.setComputerIp("127.0.0.1");
        d.setDeviceIp("127.0.0.1");
        d.portEdited(std::to_string(port));
        d.okClicked();
    };
    f.page.connectIpClicked();
    EXPECT_TRUE(f.comm.connected());
    EXPECT_FALSE(f.page.general().connectIpButtonEnabled);
    EXPECT_EQ(f.settings.record().connection(0).LastIPPort, port);
    EXPECT_NE(TempFolder::read(f.folder / "conf.ini").find(std::to_string(port)), std::string::npos);

    f.page.connectClicked(false); // "Desconectar"
    EXPECT_FALSE(f.comm.connected());
    EXPECT_EQ(f.page.generalCaptions().connectSerialButton, "Conectar Serial");
    EXPECT_EQ(f.page.general().serialNumberPanel.text, "Não Conectado");

    f.startSim("T");
    const std::string path = f.sim->serialPath();
    f.ui.serialConnectDialog = [path](SerialConnectDialog& d) {
        d.setPortText(path);
        d.okClicked();
    };
    f.page.connectClicked(true);
    EXPECT_TRUE(f.comm.connected());
    EXPECT_FALSE(f.comm.linkOnSerialPort());
}

TEST(ThermalGeneralPageConnect, UdpRoadAndItsSilentDevice)
{
    ThermalGeneralPageFixture f(PageLanguage{2});
    f.sim = qlxsim::SimServer::start({.model = "T"}, {.udp = true});
    ASSERT_TRUE(f.page.connectIp("127.0.0.1", "127.0.0.1", false, f.sim->udpPort()));
    EXPECT_TRUE(f.comm.network());
    EXPECT_FALSE(f.comm.asynchronous());
    f.page.disconnect();

    // 1500 and 2002 answer, the password letters do not.
    f.sim->setFaults("silent-after=2");
    EXPECT_FALSE(f.page.connectIp("127.0.0.1", "127.0.0.1", false, f.sim->udpPort()));
    EXPECT_FALSE(f.comm.connected());
    EXPECT_EQ(f.ui.messageTexts(),
              std::vector<std::string>{"El dispositivo no está respondiendo. Es posible que la dirección IP esté incorrecta.\n"
                                       "time-out (no answer)"});
}
