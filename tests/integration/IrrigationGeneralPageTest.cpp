// The QLX700-IRR general page against the simulated irrigation controller over its
// pseudo-terminal (the USB button) and TCP: the presence test, the rows and lamps as
// the device sends them, the four commands, the branch names, the device language, the
// disconnection after four silent refreshes and the configuration file.
#include "GeneralPageFixture.h"
#include "device/DeviceType.h"
#include "screens/irrigation/IrrigationGeneralPage.h"
#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using TestedPage = IrrigationGeneralPage;

class IrrigationGeneralPageTest : public ::testing::TestWithParam<bool>, public GeneralPageFixture<TestedPage> {
protected:
    bool tcp() const { return GetParam(); }
    // The USB button on the pseudo-terminal, or "Conectar IP" over TCP.
    bool connectIrr()
    {
        return tcp() ? page.connectIp("127.0.0.1", "", true, sim->tcpPort())
                     : page.connectSerial(sim->serialPath(), 1, false, {9600, 0, 0});
    }
    const std::string& row(int r) const { return page.state().measurements[static_cast<std::size_t>(r)]; }
    std::string firstMessageLine() const
    {
        return ui.messages.empty() ? "" : ui.messages[0].text.substr(0, ui.messages[0].text.find('\n'));
    }
};

TEST_P(IrrigationGeneralPageTest, ConnectsThroughThePresenceTestAndShowsTheController)
{
    startSim("IRR", tcp());
    ASSERT_TRUE(connectIrr()) << firstMessageLine();
    // Register 1 is the USB road's presence test; the network road does not read it.
    EXPECT_EQ(comm.received(1), !tcp());
    for (const int reg : {1500, 1600, 1603, 2000, 2001, 2501, 2502, 601, 606})
        EXPECT_TRUE(comm.received(reg)) << reg;
    EXPECT_FALSE(comm.received(1100)) << "live values wait for the first refresh";
    EXPECT_EQ(page.generalCaptions().connectUsbButton, "Desconectar");
    EXPECT_FALSE(page.general().connectSerialButtonVisible);
    EXPECT_FALSE(page.general().connectIpButtonEnabled);
    EXPECT_TRUE(page.state().labelsVisible);
    EXPECT_TRUE(page.state().branchNamesEnabled);

    sim->setReg(1002, 1);
    sim->setReg(1003, 1);
    sim->setReg(1004, 1234);
    sim->setReg(1005, 0);
    sim->setReg(1006, 77);
    sim->setReg(1007, 0);
    sim->setReg(1009, 35);
    sim->setReg(1008, 0x0402);
    page.tick();
    EXPECT_EQ(row(0), "");
    EXPECT_EQ(row(1), "65537 mm/m2");
    EXPECT_EQ(row(2), "1234 l");
    EXPECT_EQ(row(3), "77 l");
    EXPECT_EQ(row(4), "3.5 bar");
    EXPECT_EQ(row(5), "1: 0  2: 1  3: 0  4: 0  5: 0  6: 0  7: 0  8: 0  9: 0  10: 0  11: 1  ");
    EXPECT_EQ(row(8), "");
    EXPECT_EQ(page.captions().measurementRows[7], "Estado Sistema");
    EXPECT_TRUE(ui.messages.empty());

    // The USB button disconnects; nothing of the device stays on the page.
    page.connectClicked(true);
    EXPECT_FALSE(comm.connected());
    EXPECT_EQ(page.generalCaptions().connectUsbButton, "Conectar USB");
    EXPECT_TRUE(page.general().connectIpButtonEnabled);
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(row(r), "") << r;
    EXPECT_FALSE(page.state().labelsVisible);
    EXPECT_FALSE(page.state().branchNamesEnabled);
    EXPECT_EQ(page.state().relays[0].picture, RelayLamp::Contact::None);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(IrrigationGeneralPageTest, StatusTemperatureAndLampsFollowTheRegisters)
{
    startSim("IRR", tcp());
    ASSERT_TRUE(connectIrr());
    const struct {
        std::uint16_t alarms, valvesOff;
        const char* shown;
    } states[] = {{5, 0, ">Sem água<>Pressão alta<"},
                  {5, 1, ">Sem água<>Pressão alta<"},
                  {0x20, 0, ">Emergência<"},
                  {0x12, 0, ">Pluviômetro acima lim<>Hidrômetro acima lim<"},
                  {0, 1, "Nenhuma válvula acionada"},
                  {0x40, 1, "Nenhuma válvula acionada"},
                  {0, 0, "Sistema OK"},
                  {0, 2, "Sistema OK"}};
    for (const auto& s : states) {
        sim->setReg(1001, s.alarms);
        sim->setReg(1010, s.valvesOff);
        page.tick();
        EXPECT_EQ(row(7), s.shown) << "1001 = " << s.alarms << ", 1010 = " << s.valvesOff;
    }

    const struct {
        std::uint16_t raw;
        const char* shown;
    } temperatures[] = {{0xFFFF, "-----"}, {0, "-----"}, {1750, "25.0 ºC"}, {1400, "-10.0 ºC"}, {1501, "0.1 ºC"}};
    for (const auto& t : temperatures) {
        sim->setReg(1011, t.raw);
        page.tick();
        EXPECT_EQ(row(6), t.shown) << t.raw;
    }

    // Lamp 8 (water, bit 7 of 1008 against 213) and lamp 9 (pressure switch, bit 8
    // against 214) light when the input differs from its inversion setting.
    const struct {
        std::uint16_t inputs, waterInvert, switchInvert;
        bool water, pressureSwitch;
    } lamps[] = {{0x0000, 0, 1, false, true},  {0x0100, 0, 0, false, true}, {0x0100, 0, 1, false, false},
                 {0x0000, 0, 0, false, false}, {0x0080, 0, 0, true, false}, {0x0000, 1, 0, true, false},
                 {0x0080, 1, 0, false, false}};
    sim->setReg(1107, 1);
    sim->setReg(1108, 0);
    for (const auto& l : lamps) {
        sim->setReg(1008, l.inputs);
        sim->setReg(213, l.waterInvert);
        sim->setReg(214, l.switchInvert);
        page.tick();
        const auto& relays = page.state().relays;
        const std::string at = "1008 = " + std::to_string(l.inputs) + ", 213 = " + std::to_string(l.waterInvert) +
            ", 214 = " + std::to_string(l.switchInvert);
        EXPECT_EQ(relays[7].lamp, l.water ? 0xFF0000u : 0u) << at;
        EXPECT_EQ(relays[8].lamp, l.pressureSwitch ? 0xFF0000u : 0u) << at;
        // The pictures stay those of outputs 8 and 9.
        EXPECT_EQ(relays[7].picture, RelayLamp::Contact::Closed) << at;
        EXPECT_EQ(relays[8].picture, RelayLamp::Contact::Open) << at;
    }
}

TEST_P(IrrigationGeneralPageTest, OutputsLightTheirLamps)
{
    startSim("IRR", tcp());
    ASSERT_TRUE(connectIrr());
    for (std::uint16_t r = 1100; r <= 1109; ++r)
        sim->setReg(r, r == 1100 || r == 1102 || r == 1109 ? 3 : 0);
    sim->setReg(1008, 0x0080);
    sim->setReg(213, 1);
    sim->setReg(214, 0);
    page.tick();
    const auto& relays = page.state().relays;
    for (std::size_t i = 0; i < relays.size(); ++i) {
        const bool on = i == 0 || i == 2 || i == 9;
        EXPECT_EQ(relays[i].lamp, on ? 0xFF0000u : 0u) << i;
        EXPECT_EQ(relays[i].picture, on ? RelayLamp::Contact::Closed : RelayLamp::Contact::Open) << i;
    }
}

TEST_P(IrrigationGeneralPageTest, TheFourCommandsAreSentAndARefusalReported)
{
    startSim("IRR", tcp());
    ASSERT_TRUE(connectIrr());
    using C = TestedPage::Command;
    sim->setReg(1001, 0);
    page.commandClicked(C::Emergency);
    EXPECT_EQ(sim->reg(1001) & 0x20, 0x20) << "the controller took the emergency";
    page.commandClicked(C::UnblockSystem);
    EXPECT_EQ(sim->reg(1001) & 0x20, 0);
    page.commandClicked(C::ResetHydrometer);
    page.commandClicked(C::ResetPluviometer);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>(4, "Comando enviado"));
    for (const auto& m : ui.messages)
        EXPECT_EQ(m.kind, MessageKind::Information);

    ui.messages.clear();
    sim->setFaults("exception=4");
    page.commandClicked(C::ResetHydrometer);
    ASSERT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);

    ui.messages.clear();
    page.setLanguage(1);
    sim->setFaults("");
    page.commandClicked(C::UnblockSystem);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Command sent"});
}

TEST_P(IrrigationGeneralPageTest, BranchNamesAreKeptInTheSettingsAndTheLanguageWritten)
{
    startSim("IRR", tcp());
    ASSERT_TRUE(connectIrr());
    EXPECT_EQ(page.state().branchNames[0], "Ramal 1") << "the stored default";
    const char* names[] = {"Horta", "Pomar", "Jardim", "Gramado", "Estufa"};
    for (int i = 0; i < 5; ++i)
        page.setBranchName(i, names[i]);
    page.branchNameLeft();
    EXPECT_TRUE(ui.messages.empty());
    IniFile ini(folder / "conf.ini");
    std::string error;
    ASSERT_TRUE(ini.load(error)) << error;
    for (int k = 2; k <= 6; ++k)
        EXPECT_EQ(ini.readString("RelaysQLX700IRR", "Name" + std::to_string(k), ""), names[k - 2]) << k;
    EXPECT_EQ(ini.readString("RelaysQLX700IRR", "Name1", ""), "Bomba") << "the pump's name is not the page's";

    // An edit with the focus keeps what is being typed through a redraw.
    page.setFocusedEdit(2);
    page.setBranchName(2, "Jard");
    page.tick();
    EXPECT_EQ(page.state().branchNames[2], "Jard");
    EXPECT_EQ(page.state().branchNames[3], "Gramado");

    page.deviceLanguageChosen(2);
    EXPECT_EQ(sim->reg(1500), 2);
    EXPECT_EQ(page.state().deviceLanguage, 2);
    sim->setFaults(tcp() ? "exception=4" : "ignore-writes");
    page.deviceLanguageChosen(1);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(page.state().deviceLanguage, 2) << "the device's value comes back";
}

TEST_P(IrrigationGeneralPageTest, OtherModelsAreRefusedAndTheSelectorMoves)
{
    page.setLanguage(2);
    const struct {
        const char* preset;
        const char* message;
        std::vector<int> selected;
    } cases[] = {
        {"signature-P",
         "La firma del dispositivo coincide con la QLX700P. El cuadro en la parte superior de la pantalla cambiará a "
         "QLX700P.",
         {1}},
        {"signature-T",
         "La firma del dispositivo coincide con la QLX700T. El cuadro en la parte superior de la pantalla cambiará a "
         "QLX700T.",
         {0}},
        {"signature-R",
         "La firma del dispositivo coincide con la QLX700R. El cuadro en la parte superior de la pantalla cambiará a "
         "QLX700R.",
         {2}},
        {"signature-C", "firma de dispositivo no válida.", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        ui.messages.clear();
        selected.clear();
        startSim("IRR", tcp(), c.preset);
        EXPECT_FALSE(connectIrr());
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(selected, c.selected);
        EXPECT_FALSE(comm.connected());
        EXPECT_EQ(page.generalCaptions().connectUsbButton, "Conectar USB");
    }
}

TEST_P(IrrigationGeneralPageTest, TheConfigurationFileRoundTripsWithTheWifiSettings)
{
    startSim("IRR", tcp());
    ASSERT_TRUE(connectIrr());
    ASSERT_NE(sim->reg(1720), 0) << "the simulated controller has an SSID";
    roundTripConfiguration(kQLX700IRR, "irr.conf");
}

// A controller that stops answering: the refresh waits its time-out, three failures
// keep the link, the fourth in a row closes it and resets the buttons.
TEST_P(IrrigationGeneralPageTest, TheFourthSilentRefreshDisconnects)
{
    startSim("IRR", tcp());
    ASSERT_TRUE(connectIrr());
    page.tick();
    sim->setFaults("silent-after=0");
    for (int tick = 1; tick <= 3; ++tick) {
        page.tick();
        ASSERT_TRUE(comm.connected()) << "tick " << tick;
        EXPECT_TRUE(page.general().stale);
        EXPECT_TRUE(ui.messages.empty());
    }
    page.tick();
    EXPECT_FALSE(comm.connected());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Equipamento desconectado"});
    EXPECT_EQ(page.generalCaptions().connectUsbButton, "Conectar USB");
    EXPECT_TRUE(page.general().connectIpButtonEnabled);
    EXPECT_EQ(row(7), "");
}

INSTANTIATE_TEST_SUITE_P(Links, IrrigationGeneralPageTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Tcp" : "Usb"; });

// The USB road first makes sure something answers at all: a silent port, or a device
// that gives its signature but not register 1, is reported as a wrong COM port.
TEST(IrrigationGeneralPagePresence, ASilentDeviceOnTheUsbPortPointsAtThePort)
{
    // Requests: the language register; then the signature and register 1.
    const struct {
        const char* faults;
        std::uint64_t requests;
    } cases[] = {{"silent-after=0", 1}, {"silent-after=2", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.faults);
        GeneralPageFixture<TestedPage> f;
        f.startSim("IRR", false);
        f.sim->setFaults(c.faults);
        EXPECT_FALSE(f.page.connectSerial(f.sim->serialPath(), 1, false, {9600, 0, 0}));
        ASSERT_EQ(f.ui.messages.size(), 1u);
        EXPECT_EQ(f.ui.messages[0].text.rfind(
                      "Equipamento não está respondendo. É possível que a porta COM esteja incorreta.\n", 0),
                  0u)
            << f.ui.messages[0].text;
        EXPECT_EQ(f.sim->requestCount(), c.requests);
        EXPECT_FALSE(f.comm.connected());
        EXPECT_EQ(f.ui.log.end(), std::find(f.ui.log.begin(), f.ui.log.end(), "dialog")) << "no password asked";
    }
}

} // namespace
