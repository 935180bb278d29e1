// The serial ports page against simulated devices: what it shows, what it writes,
// what it refuses, and nothing at all while connected through the serial-port button.
#include "PageLinkFixture.h"
#include "screens/thermal/FrameConfSerialF.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kErroEnvio = "Erro no envio do comando.";
constexpr const char* kMsgDnp3 = "Endereço DNP3 inválido. Deve ser um hexadecimal entre 0 e FFEF";
constexpr const char* kMsgDelay =
    "Valor inválido de Delay do ModBus. Deve ser um valor entre 0.1 e 200.0, ou 0.0 (nenhum delay).";
constexpr const char* kMsgModbus = "Endereço ModBus inválido. Deve ser um inteiro entre 1 e 247";
constexpr const char* kMsgBackoff = "Valor inválido de Backoff. Deve ser um inteiro entre 1 e 100";
constexpr const char* kMsgGap = "Valor inválido de Inter-Octet Gap Máximo. Deve ser um inteiro entre 2 e 100";

class FrameConfSerialTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& model = "T", std::optional<PageLinkFixture::Link> link = std::nullopt)
    {
        open(model, link.value_or(GetParam()));
        frame.AtivarFrame(comm, 0);
    }
    // Types into an edit and leaves it, as the user does.
    void type(SerialEdit edit, const std::string& text)
    {
        frame.setFocusedEdit(static_cast<int>(edit));
        frame.setEdit(edit, text);
        frame.setFocusedEdit(TFrameConfSerial::kNoFocus);
        frame.edModBusEnderecoExit();
    }
    const std::string& shown(SerialEdit edit) const { return frame.state().edits[static_cast<std::size_t>(edit)]; }
    int selected(SerialRadio group) const { return frame.state().radios[static_cast<std::size_t>(group)]; }

    TFrameConfSerial frame{ui};
};

} // namespace

TEST_P(FrameConfSerialTest, ShowsEachPortOfTheDeviceAndSwitchesPortsWithoutReading)
{
    open("T", GetParam());
    for (std::uint16_t i = 0; i < 3; ++i) {
        sim->setReg(1300 + i, i % 2);
        sim->setReg(1400 + i, 2 + i);
        sim->setReg(1410 + i, i);
        sim->setReg(1420 + i, 10 + i);
        sim->setReg(1430 + i, 123 + i);
        sim->setReg(1330 + i, 0xFFE0 + i);
        sim->setReg(1350 + i, 20 + i);
        sim->setReg(1360 + i, 30 + i);
        sim->setReg(1370 + i, 40 + i);
        sim->setReg(1380 + i, 1 - i % 2);
    }
    frame.AtivarFrame(comm, 0);
    const auto& s = frame.state();
    EXPECT_TRUE(s.cbIndiceVisible);
    EXPECT_EQ(s.cbIndiceItems, 3);
    EXPECT_EQ(s.cbIndice, 0);
    EXPECT_FALSE(s.lblNaoPodeModificarVisible);
    EXPECT_EQ(selected(SerialRadio::Modo), 0);
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 2);
    EXPECT_EQ(selected(SerialRadio::DNP3InterframeGap), 1);
    EXPECT_EQ(shown(SerialEdit::ModBusEndereco), "10");
    EXPECT_EQ(shown(SerialEdit::ModBusTXDelay), "12.3");
    EXPECT_EQ(shown(SerialEdit::DNP3Endereco), "FFE0");

    const std::uint64_t before = sim->requestCount();
    frame.cbIndiceSelect(2);
    EXPECT_EQ(sim->requestCount(), before) << "the third port was read with the others";
    EXPECT_EQ(selected(SerialRadio::Modo), 0);
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 4);
    EXPECT_EQ(selected(SerialRadio::ModBusFormat), 2);
    EXPECT_EQ(selected(SerialRadio::DNP3InterframeGap), 1);
    EXPECT_EQ(shown(SerialEdit::ModBusEndereco), "12");
    EXPECT_EQ(shown(SerialEdit::ModBusTXDelay), "12.5");
    EXPECT_EQ(shown(SerialEdit::DNP3Endereco), "FFE2");
    EXPECT_EQ(shown(SerialEdit::DNP3InterOctetGap), "22");
    EXPECT_EQ(shown(SerialEdit::DNP3BackoffFixed), "32");
    EXPECT_EQ(shown(SerialEdit::DNP3BackoffRandom), "42");
    EXPECT_TRUE(ui.messages.empty());

    // The port chosen survives the next opening.
    frame.AtivarFrame(comm, 1);
    EXPECT_EQ(frame.state().cbIndice, 2);
    EXPECT_EQ(shown(SerialEdit::ModBusEndereco), "12");
}

TEST_P(FrameConfSerialTest, ARadioClickWritesItsItemToTheSelectedPort)
{
    openPage();
    frame.cbIndiceSelect(2);
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 4);
    frame.rgModoClick(SerialRadio::DNP3Format, 3);
    frame.rgModoClick(SerialRadio::Modo, 1);
    EXPECT_EQ(sim->reg(1402), 4);
    EXPECT_EQ(sim->reg(1322), 3);
    EXPECT_EQ(sim->reg(1302), 1);
    EXPECT_EQ(sim->reg(1400), 0) << "port 1 untouched";
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 4);
    EXPECT_TRUE(ui.messages.empty());

    // The device's own value again: nothing to send.
    const std::uint64_t before = sim->requestCount();
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 4);
    EXPECT_EQ(sim->requestCount(), before);
}

TEST_P(FrameConfSerialTest, EditsAreCheckedAndWrittenToTheSelectedPort)
{
    openPage();
    frame.cbIndiceSelect(1);
    struct Case {
        SerialEdit edit;
        const char* typed;
        int reg;
        int written; // -1: refused
        const char* shownAfter;
        const char* message;
    };
    const Case cases[] = {
        {SerialEdit::DNP3Endereco, "ffef", 1331, 65519, "FFEF", nullptr},
        {SerialEdit::DNP3Endereco, " 1a ", 1331, 26, "001A", nullptr},
        {SerialEdit::DNP3Endereco, "0", 1331, 0, "0000", nullptr},
        {SerialEdit::DNP3Endereco, "fff0", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::DNP3Endereco, "10000", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::DNP3Endereco, "0x10", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::DNP3Endereco, "", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::ModBusTXDelay, "12.34", 1431, 123, "12.3", nullptr},
        {SerialEdit::ModBusTXDelay, "0,25", 1431, 2, "0.2", nullptr},
        {SerialEdit::ModBusTXDelay, "200", 1431, 2000, "200.0", nullptr},
        {SerialEdit::ModBusTXDelay, "0", 1431, 0, "0.0", nullptr},
        {SerialEdit::ModBusTXDelay, "0.05", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusTXDelay, "200.1", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusTXDelay, "-1", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusTXDelay, "abc", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusEndereco, "247", 1421, 247, "247", nullptr},
        {SerialEdit::ModBusEndereco, "0", 1421, -1, "247", kMsgModbus},
        {SerialEdit::ModBusEndereco, "248", 1421, -1, "247", kMsgModbus},
        {SerialEdit::ModBusEndereco, "1.5", 1421, -1, "247", kMsgModbus},
        {SerialEdit::DNP3BackoffFixed, "100", 1361, 100, "100", nullptr},
        {SerialEdit::DNP3BackoffFixed, "0", 1361, -1, "100", kMsgBackoff},
        {SerialEdit::DNP3BackoffRandom, "1", 1371, 1, "1", nullptr},
        {SerialEdit::DNP3BackoffRandom, "101", 1371, -1, "1", kMsgBackoff},
        {SerialEdit::DNP3InterOctetGap, "2", 1351, 2, "2", nullptr},
        {SerialEdit::DNP3InterOctetGap, "1", 1351, -1, "2", kMsgGap},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        const std::uint16_t before = sim->reg(static_cast<std::uint16_t>(c.reg));
        type(c.edit, c.typed);
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.written < 0 ? before : c.written) << c.typed;
        EXPECT_EQ(shown(c.edit), c.shownAfter) << c.typed;
        if (c.message != nullptr)
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message}) << c.typed;
        else
            EXPECT_TRUE(ui.messages.empty()) << c.typed << ": " << ui.messages.front().text;
    }
}

// One invalid field does not hold back the others; each is reported in its order.
TEST_P(FrameConfSerialTest, InvalidFieldsAreReportedWhileTheValidOnesAreWritten)
{
    openPage();
    frame.setEdit(SerialEdit::ModBusEndereco, "300");
    frame.setEdit(SerialEdit::ModBusTXDelay, "1.5");
    frame.setEdit(SerialEdit::DNP3Endereco, "zz");
    frame.setEdit(SerialEdit::DNP3BackoffRandom, "77");
    frame.rgModoClick(SerialRadio::ModBusFormat, 3);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kMsgModbus, kMsgDnp3}));
    EXPECT_EQ(sim->reg(1410), 3);
    EXPECT_EQ(sim->reg(1430), 15);
    EXPECT_EQ(sim->reg(1370), 77);
    EXPECT_EQ(sim->reg(1420), 1);
    EXPECT_EQ(shown(SerialEdit::ModBusEndereco), "1") << "the device's value comes back";
}

TEST_P(FrameConfSerialTest, ARefusedWriteIsReportedOnceAndTheDevicesValueComesBack)
{
    openPage();
    sim->setFaults(refusal());
    frame.setEdit(SerialEdit::ModBusEndereco, "9");
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 3);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kErroEnvio});
    EXPECT_EQ(sim->reg(1400), 0);
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 0);
    EXPECT_EQ(shown(SerialEdit::ModBusEndereco), "1");
}

// A value the device holds that the group has no item for shows none, and is never
// replaced by a made-up item when another group is clicked.
TEST_P(FrameConfSerialTest, AValueWithoutAnItemIsShownAsNoneAndNeverWritten)
{
    open("T", GetParam());
    sim->setReg(1300, 7);
    sim->setReg(1410, 9);
    frame.AtivarFrame(comm, 0);
    EXPECT_EQ(selected(SerialRadio::Modo), -1);
    EXPECT_EQ(selected(SerialRadio::ModBusFormat), -1);
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 1);
    EXPECT_EQ(sim->reg(1400), 1);
    EXPECT_EQ(sim->reg(1300), 7);
    EXPECT_EQ(sim->reg(1410), 9);
    EXPECT_TRUE(ui.messages.empty());
}

// Every model with three ports has the same page; the P has one port and reads one
// register per block.
TEST_P(FrameConfSerialTest, ThreePortModelsAndTheOnePortParallelismController)
{
    for (const char* model : {"R", "C"}) {
        PageLinkFixture other;
        other.open(model, GetParam());
        TFrameConfSerial page{other.ui};
        page.AtivarFrame(other.comm, 0);
        EXPECT_TRUE(page.state().cbIndiceVisible) << model;
        page.cbIndiceSelect(2);
        page.setEdit(SerialEdit::DNP3Endereco, "abcd");
        page.edModBusEnderecoExit();
        EXPECT_EQ(other.sim->reg(1332), 0xABCD) << model;
        EXPECT_TRUE(other.ui.messages.empty()) << model;
    }

    open("P", GetParam());
    sim->setReg(1420, 17);
    sim->setReg(1421, 18);
    frame.cbIndiceSelect(2);
    frame.AtivarFrame(comm, 0);
    EXPECT_FALSE(frame.state().cbIndiceVisible);
    EXPECT_EQ(frame.state().cbIndice, 0);
    EXPECT_EQ(shown(SerialEdit::ModBusEndereco), "17");
    EXPECT_EQ(comm.registerValue(1421), 0) << "one register per block";
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 2);
    frame.cbIndiceSelect(1);
    frame.rgModoClick(SerialRadio::Modo, 1);
    EXPECT_EQ(sim->reg(1400), 2);
    EXPECT_EQ(sim->reg(1300), 1);
    EXPECT_EQ(sim->reg(1301), 0) << "the P has no second port";
}

INSTANTIATE_TEST_SUITE_P(Links, FrameConfSerialTest,
                         ::testing::Values(PageLinkFixture::Link::UsbButton, PageLinkFixture::Link::Tcp),
                         [](const auto& info) { return info.param == PageLinkFixture::Link::Tcp ? "Tcp" : "Usb"; });

// Through the serial-port button the page only shows: a change could cut the tool
// off from the device it is talking through.
TEST(FrameConfSerialReadOnly, ThroughTheSerialButtonNothingIsSentAndTheDevicesValueComesBack)
{
    PageLinkFixture f;
    f.open("T", PageLinkFixture::Link::SerialButton);
    TFrameConfSerial frame{f.ui};
    frame.AtivarFrame(f.comm, 2);
    EXPECT_TRUE(frame.state().lblNaoPodeModificarVisible);
    EXPECT_EQ(frame.captions().lblNaoPodeModificar,
              "No se puede cambiar la configuración de serial cuando se conecta por serial");
    const std::uint64_t before = f.sim->requestCount();
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 3);
    frame.setEdit(SerialEdit::ModBusEndereco, "99");
    frame.edModBusEnderecoExit();
    frame.setEdit(SerialEdit::DNP3Endereco, "nonsense");
    frame.edModBusEnderecoExit();
    EXPECT_EQ(f.sim->requestCount(), before);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(frame.state().radios[static_cast<std::size_t>(SerialRadio::ModBusBaudRate)], 0);
    EXPECT_EQ(frame.state().edits[static_cast<std::size_t>(SerialEdit::ModBusEndereco)], "1");
    EXPECT_EQ(frame.state().edits[static_cast<std::size_t>(SerialEdit::DNP3Endereco)], "1234");

    // Over USB, the same port is editable.
    f.comm.close();
    f.comm.openSerial(f.sim->serialPath(), {}, false);
    frame.AtivarFrame(f.comm, 2);
    EXPECT_FALSE(frame.state().lblNaoPodeModificarVisible);
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 3);
    EXPECT_EQ(f.sim->reg(1400), 3);
}

// A click that arrives while the page waits for the device is refused at once, not
// interleaved with the send in progress.
TEST(FrameConfSerialBusy, AnActionDuringASendIsRefused)
{
    PageLinkFixture f;
    f.open("T", PageLinkFixture::Link::UsbButton);
    TFrameConfSerial frame{f.ui};
    frame.AtivarFrame(f.comm, 0);
    f.pump.duringWait = [&] { frame.rgModoClick(SerialRadio::DNP3BaudRate, 4); };
    frame.rgModoClick(SerialRadio::ModBusBaudRate, 1);
    EXPECT_EQ(f.sim->reg(1400), 1);
    EXPECT_EQ(f.sim->reg(1310), 0);
    EXPECT_EQ(frame.state().radios[static_cast<std::size_t>(SerialRadio::DNP3BaudRate)], 0);
    EXPECT_TRUE(f.ui.messages.empty());
}
