// The serial ports page against simulated devices: what it shows, what it writes,
// what it refuses, and nothing at all while connected through the serial-port button.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "screens/thermal/SerialPortsPage.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kMsgDnp3 = "Endereço DNP3 inválido. Deve ser um hexadecimal entre 0 e FFEF";
constexpr const char* kMsgDelay =
    "Valor inválido de Delay do ModBus. Deve ser um valor entre 0.1 e 200.0, ou 0.0 (nenhum delay).";
constexpr const char* kMsgModbus = "Endereço ModBus inválido. Deve ser um inteiro entre 1 e 247";
constexpr const char* kMsgBackoff = "Valor inválido de Backoff. Deve ser um inteiro entre 1 e 100";
constexpr const char* kMsgGap = "Valor inválido de Inter-Octet Gap Máximo. Deve ser um inteiro entre 2 e 100";

class SerialPortsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& model = "T", std::optional<PageLinkFixture::Link> link = std::nullopt)
    {
        open(model, link.value_or(GetParam()));
        page.activate(comm, 0);
    }
    // Types into an edit and leaves it, as the user does.
    void type(SerialEdit edit, const std::string& text)
    {
        page.setFocusedEdit(static_cast<int>(edit));
        page.setEdit(edit, text);
        page.setFocusedEdit(SerialPortsPage::kNoFocus);
        page.editLeft();
    }
    const std::string& shown(SerialEdit edit) const { return page.state().edits[static_cast<std::size_t>(edit)]; }
    int selected(SerialRadio group) const { return page.state().radios[static_cast<std::size_t>(group)]; }

    SerialPortsPage page{ui};
};

} // namespace

TEST_P(SerialPortsPageTest, ShowsEachPortOfTheDeviceAndSwitchesPortsWithoutReading)
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
    page.activate(comm, 0);
    const auto& s = page.state();
    EXPECT_TRUE(s.portChoiceVisible);
    EXPECT_EQ(s.portChoiceCount, 3);
    EXPECT_EQ(s.selectedPort, 0);
    EXPECT_FALSE(s.readOnlyNoticeVisible);
    EXPECT_EQ(selected(SerialRadio::Protocol), 0);
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 2);
    EXPECT_EQ(selected(SerialRadio::DNP3InterframeGap), 1);
    EXPECT_EQ(shown(SerialEdit::ModBusAddress), "10");
    EXPECT_EQ(shown(SerialEdit::ModBusTXDelay), "12.3");
    EXPECT_EQ(shown(SerialEdit::DNP3Address), "FFE0");

    const std::uint64_t before = sim->requestCount();
    page.portChosen(2);
    EXPECT_EQ(sim->requestCount(), before) << "the third port was read with the others";
    EXPECT_EQ(selected(SerialRadio::Protocol), 0);
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 4);
    EXPECT_EQ(selected(SerialRadio::ModBusFormat), 2);
    EXPECT_EQ(selected(SerialRadio::DNP3InterframeGap), 1);
    EXPECT_EQ(shown(SerialEdit::ModBusAddress), "12");
    EXPECT_EQ(shown(SerialEdit::ModBusTXDelay), "12.5");
    EXPECT_EQ(shown(SerialEdit::DNP3Address), "FFE2");
    EXPECT_EQ(shown(SerialEdit::DNP3InterOctetGap), "22");
    EXPECT_EQ(shown(SerialEdit::DNP3BackoffFixed), "32");
    EXPECT_EQ(shown(SerialEdit::DNP3BackoffRandom), "42");
    EXPECT_TRUE(ui.messages.empty());

    // The port chosen survives the next opening.
    page.activate(comm, 1);
    EXPECT_EQ(page.state().selectedPort, 2);
    EXPECT_EQ(shown(SerialEdit::ModBusAddress), "12");
}

TEST_P(SerialPortsPageTest, ARadioClickWritesItsItemToTheSelectedPort)
{
    openPage();
    page.portChosen(2);
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 4);
    page.serialSettingChosen(SerialRadio::DNP3Format, 3);
    page.serialSettingChosen(SerialRadio::Protocol, 1);
    EXPECT_EQ(sim->reg(1402), 4);
    EXPECT_EQ(sim->reg(1322), 3);
    EXPECT_EQ(sim->reg(1302), 1);
    EXPECT_EQ(sim->reg(1400), 0) << "port 1 untouched";
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 4);
    EXPECT_TRUE(ui.messages.empty());

    // The device's own value again: nothing to send.
    const std::uint64_t before = sim->requestCount();
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 4);
    EXPECT_EQ(sim->requestCount(), before);
}

TEST_P(SerialPortsPageTest, EditsAreCheckedAndWrittenToTheSelectedPort)
{
    openPage();
    page.portChosen(1);
    struct Case {
        SerialEdit edit;
        const char* typed;
        int reg;
        int written; // -1: refused
        const char* shownAfter;
        const char* message;
    };
    const Case cases[] = {
        {SerialEdit::DNP3Address, "ffef", 1331, 65519, "FFEF", nullptr},
        {SerialEdit::DNP3Address, " 1a ", 1331, 26, "001A", nullptr},
        {SerialEdit::DNP3Address, "0", 1331, 0, "0000", nullptr},
        {SerialEdit::DNP3Address, "fff0", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::DNP3Address, "10000", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::DNP3Address, "0x10", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::DNP3Address, "", 1331, -1, "0000", kMsgDnp3},
        {SerialEdit::ModBusTXDelay, "12.34", 1431, 123, "12.3", nullptr},
        {SerialEdit::ModBusTXDelay, "0,25", 1431, 2, "0.2", nullptr},
        {SerialEdit::ModBusTXDelay, "200", 1431, 2000, "200.0", nullptr},
        {SerialEdit::ModBusTXDelay, "0", 1431, 0, "0.0", nullptr},
        {SerialEdit::ModBusTXDelay, "0.05", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusTXDelay, "200.1", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusTXDelay, "-1", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusTXDelay, "abc", 1431, -1, "0.0", kMsgDelay},
        {SerialEdit::ModBusAddress, "247", 1421, 247, "247", nullptr},
        {SerialEdit::ModBusAddress, "0", 1421, -1, "247", kMsgModbus},
        {SerialEdit::ModBusAddress, "248", 1421, -1, "247", kMsgModbus},
        {SerialEdit::ModBusAddress, "1.5", 1421, -1, "247", kMsgModbus},
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
TEST_P(SerialPortsPageTest, InvalidFieldsAreReportedWhileTheValidOnesAreWritten)
{
    openPage();
    page.setEdit(SerialEdit::ModBusAddress, "300");
    page.setEdit(SerialEdit::ModBusTXDelay, "1.5");
    page.setEdit(SerialEdit::DNP3Address, "zz");
    page.setEdit(SerialEdit::DNP3BackoffRandom, "77");
    page.serialSettingChosen(SerialRadio::ModBusFormat, 3);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kMsgModbus, kMsgDnp3}));
    EXPECT_EQ(sim->reg(1410), 3);
    EXPECT_EQ(sim->reg(1430), 15);
    EXPECT_EQ(sim->reg(1370), 77);
    EXPECT_EQ(sim->reg(1420), 1);
    EXPECT_EQ(shown(SerialEdit::ModBusAddress), "1") << "the device's value comes back";
}

TEST_P(SerialPortsPageTest, ARefusedWriteIsReportedOnceAndTheDevicesValueComesBack)
{
    openPage();
    sim->setFaults(refusal());
    page.setEdit(SerialEdit::ModBusAddress, "9");
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 3);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSendError});
    EXPECT_EQ(sim->reg(1400), 0);
    EXPECT_EQ(selected(SerialRadio::ModBusBaudRate), 0);
    EXPECT_EQ(shown(SerialEdit::ModBusAddress), "1");
}

// A value the device holds that the group has no item for shows none, and is never
// replaced by a made-up item when another group is clicked.
TEST_P(SerialPortsPageTest, AValueWithoutAnItemIsShownAsNoneAndNeverWritten)
{
    open("T", GetParam());
    sim->setReg(1300, 7);
    sim->setReg(1410, 9);
    page.activate(comm, 0);
    EXPECT_EQ(selected(SerialRadio::Protocol), -1);
    EXPECT_EQ(selected(SerialRadio::ModBusFormat), -1);
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 1);
    EXPECT_EQ(sim->reg(1400), 1);
    EXPECT_EQ(sim->reg(1300), 7);
    EXPECT_EQ(sim->reg(1410), 9);
    EXPECT_TRUE(ui.messages.empty());
}

// Every model with three ports has the same page; the P has one port and reads one
// register per block.
TEST_P(SerialPortsPageTest, ThreePortModelsAndTheOnePortParallelismController)
{
    for (const char* model : {"R", "C"}) {
        PageLinkFixture other;
        other.open(model, GetParam());
        SerialPortsPage otherPage{other.ui};
        otherPage.activate(other.comm, 0);
        EXPECT_TRUE(otherPage.state().portChoiceVisible) << model;
        otherPage.portChosen(2);
        otherPage.setEdit(SerialEdit::DNP3Address, "abcd");
        otherPage.editLeft();
        EXPECT_EQ(other.sim->reg(1332), 0xABCD) << model;
        EXPECT_TRUE(other.ui.messages.empty()) << model;
    }

    open("P", GetParam());
    sim->setReg(1420, 17);
    sim->setReg(1421, 18);
    page.portChosen(2);
    page.activate(comm, 0);
    EXPECT_FALSE(page.state().portChoiceVisible);
    EXPECT_EQ(page.state().selectedPort, 0);
    EXPECT_EQ(shown(SerialEdit::ModBusAddress), "17");
    EXPECT_EQ(comm.registerValue(1421), 0) << "one register per block";
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 2);
    page.portChosen(1);
    page.serialSettingChosen(SerialRadio::Protocol, 1);
    EXPECT_EQ(sim->reg(1400), 2);
    EXPECT_EQ(sim->reg(1300), 1);
    EXPECT_EQ(sim->reg(1301), 0) << "the P has no second port";
}

INSTANTIATE_TEST_SUITE_P(Links, SerialPortsPageTest,
                         ::testing::Values(PageLinkFixture::Link::UsbButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

// Through the serial-port button the page only shows: a change could cut the tool
// off from the device it is talking through.
TEST(SerialPortsPageReadOnly, ThroughTheSerialButtonNothingIsSentAndTheDevicesValueComesBack)
{
    PageLinkFixture f;
    f.open("T", PageLinkFixture::Link::SerialButton);
    SerialPortsPage page{f.ui};
    page.activate(f.comm, 2);
    EXPECT_TRUE(page.state().readOnlyNoticeVisible);
    EXPECT_EQ(page.captions().readOnlyNoticeLabel,
              "No se puede cambiar la configuración de serial cuando se conecta por serial");
    const std::uint64_t before = f.sim->requestCount();
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 3);
    page.setEdit(SerialEdit::ModBusAddress, "99");
    page.editLeft();
    page.setEdit(SerialEdit::DNP3Address, "nonsense");
    page.editLeft();
    EXPECT_EQ(f.sim->requestCount(), before);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(page.state().radios[static_cast<std::size_t>(SerialRadio::ModBusBaudRate)], 0);
    EXPECT_EQ(page.state().edits[static_cast<std::size_t>(SerialEdit::ModBusAddress)], "1");
    EXPECT_EQ(page.state().edits[static_cast<std::size_t>(SerialEdit::DNP3Address)], "1234");

    // Over USB, the same port is editable.
    f.comm.close();
    f.comm.openSerial(f.sim->serialPath(), {}, false);
    page.activate(f.comm, 2);
    EXPECT_FALSE(page.state().readOnlyNoticeVisible);
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 3);
    EXPECT_EQ(f.sim->reg(1400), 3);
}

// A click that arrives while the page waits for the device is refused at once, not
// interleaved with the send in progress.
TEST(SerialPortsPageBusy, AnActionDuringASendIsRefused)
{
    PageLinkFixture f;
    f.open("T", PageLinkFixture::Link::UsbButton);
    SerialPortsPage page{f.ui};
    page.activate(f.comm, 0);
    f.pump.duringWait = [&] { page.serialSettingChosen(SerialRadio::DNP3BaudRate, 4); };
    page.serialSettingChosen(SerialRadio::ModBusBaudRate, 1);
    EXPECT_EQ(f.sim->reg(1400), 1);
    EXPECT_EQ(f.sim->reg(1310), 0);
    EXPECT_EQ(page.state().radios[static_cast<std::size_t>(SerialRadio::DNP3BaudRate)], 0);
    EXPECT_TRUE(f.ui.messages.empty());
}
