// The calibration and test page against the simulated QLX700-T: the test settings it
// sends and refuses, the lists it reads, and the calibration record it keeps.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "screens/calibration/CalibrationPage.h"
#include "settings/CalibrationStore.h"
#include "settings/IniFile.h"
#include "settings/SettingsFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kMsg32 = "Valor inválido de corrente. Deve ser um valor entre 0.0 e 32.0";
constexpr const char* kMsg1_5 = "Valor inválido de corrente. Deve ser um valor entre 0.0 e 1.5";
constexpr const char* kMsgRes127 = "Valor inválido no resistor de 127 ohms";
constexpr const char* kMsgSerialNumber = "Número de série inválido. Deve ser um inteiro positivo.";

class CalibrationPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    // Each test gives its device a serial number of its own, so the record files of
    // one test never meet another's.
    void openPage(int serial, const std::function<void()>& device = {})
    {
        open("T", GetParam());
        setSerial(serial);
        std::filesystem::remove(recordPath(serial));
        if (device)
            device();
        page.activate(comm, 0);
    }
    void setSerial(int serial)
    {
        sim->setReg(2501, static_cast<std::uint16_t>(serial & 0xFFFF));
        sim->setReg(2502, static_cast<std::uint16_t>(serial >> 16));
    }
    static std::filesystem::path recordPath(int serial)
    {
        return std::filesystem::path(GetSettingsFolder()) / CalibrationStore::fileName(serial);
    }
    // Types into an edit and leaves it, as the user does.
    void type(CalibrationPage::Focus focus, const std::string& text)
    {
        page.setFocus(focus);
        if (focus == CalibrationPage::kOutputCurrentEdit)
            page.setOutputCurrent(text);
        else if (focus == CalibrationPage::kResistor127Edit)
            page.setResistor127(text);
        else
            page.setSerialNumber(text);
        page.editLeft();
    }

    CalibrationPage page{ui};
};

} // namespace

TEST_P(CalibrationPageTest, TheTestCurrentIsAFractionOfTheBoardsFullScale)
{
    struct Case {
        int board;
        const char* text;
        int expected; // -1: refused
    };
    const Case cases[] = {
        {2, "1.5", 50000}, {2, "0,75", 25000}, {2, "1.6", -1},     {2, "-0.1", -1},  {0, "32", 50000},
        {0, "12,5", 19531}, {0, "12.5", 19531}, {0, "32.5", -1},   {0, "abc", -1},   {1, "16", 25000},
    };
    openPage(91001);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " on board " + std::to_string(c.board));
        sim->setReg(2660, static_cast<std::uint16_t>(c.board));
        sim->setReg(2101, 7);
        page.activate(comm, 0);
        ui.messages.clear();
        type(CalibrationPage::kOutputCurrentEdit, c.text);
        if (c.expected >= 0) {
            EXPECT_EQ(sim->reg(2101), c.expected);
            EXPECT_TRUE(ui.messages.empty());
        } else {
            EXPECT_EQ(sim->reg(2101), 7);
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.board == 2 ? kMsg1_5 : kMsg32});
        }
    }
    // The shown value is the device's, in the board's format.
    sim->setReg(2660, 2);
    sim->setReg(2101, 25000);
    page.activate(comm, 0);
    EXPECT_EQ(page.state().outputCurrent, "0.7500");
    EXPECT_EQ(page.state().outputCurrentLabel, "Saída de Corrente (0-1.5mA)");
    sim->setReg(2660, 0);
    page.activate(comm, 0);
    EXPECT_EQ(page.state().outputCurrent, "16.000");
    EXPECT_EQ(page.state().outputCurrentLabel, "Saída de Corrente (0-32mA)");
}

TEST_P(CalibrationPageTest, TheReferenceAndTheSerialNumberAreCheckedBeforeTheyAreSent)
{
    openPage(91002);
    type(CalibrationPage::kResistor127Edit, "655.35");
    EXPECT_EQ(sim->reg(2530), 65535);
    type(CalibrationPage::kResistor127Edit, "127,04");
    EXPECT_EQ(sim->reg(2530), 12704);
    EXPECT_TRUE(ui.messages.empty());
    for (const char* bad : {"655.36", "-0.01", "1e309", "x"}) {
        ui.messages.clear();
        type(CalibrationPage::kResistor127Edit, bad);
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgRes127}) << bad;
        EXPECT_EQ(sim->reg(2530), 12704) << bad;
    }
    // Out of test mode the device keeps its number.
    ui.messages.clear();
    type(CalibrationPage::kSerialNumberEdit, "70000");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSendError});
    EXPECT_EQ(page.state().serialNumber, "91002");
    page.testModeChosen(1);
    ui.messages.clear();
    type(CalibrationPage::kSerialNumberEdit, "70000");
    EXPECT_EQ(sim->reg(2501), 4464);
    EXPECT_EQ(sim->reg(2502), 1);
    EXPECT_EQ(page.state().serialNumber, "70000");
    for (const char* bad : {"-1", "abc", "4294967296"}) {
        ui.messages.clear();
        type(CalibrationPage::kSerialNumberEdit, bad);
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgSerialNumber}) << bad;
        EXPECT_EQ(sim->reg(2501), 4464) << bad;
        EXPECT_EQ(sim->reg(2502), 1) << bad;
    }
    EXPECT_EQ(page.state().serialNumber, "70000");
}

TEST_P(CalibrationPageTest, ModeAndBoxAreSentOnClickAndNothingUnchangedIsSent)
{
    openPage(91003);
    EXPECT_EQ(page.state().testMode, 0);
    const std::uint64_t before = sim->writeCount();
    page.applyTestSettings();
    EXPECT_EQ(sim->writeCount(), before) << "everything equals the device: nothing to send";
    page.testModeChosen(1);
    EXPECT_EQ(sim->reg(2100), 1);
    page.calibrationDisabledToggled(true);
    EXPECT_EQ(sim->reg(2105), 1);
    EXPECT_EQ(page.state().testMode, 1);
    EXPECT_TRUE(page.state().calibrationDisabled);
    page.testModeChosen(0);
    EXPECT_EQ(sim->reg(2100), 0);
    EXPECT_TRUE(ui.messages.empty());

    sim->setFaults(refusal());
    page.testModeChosen(1);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSendError});
    EXPECT_EQ(page.state().testMode, 0) << "the device's value comes back";
}

TEST_P(CalibrationPageTest, ALanguageChangeReachesTheOutputLabelAndTheSizePanel)
{
    openPage(91008);
    EXPECT_EQ(page.state().outputCurrentLabel, "Saída de Corrente (0-32mA)");
    page.setLanguage(1);
    EXPECT_EQ(page.state().outputCurrentLabel, "Current Output (0-32mA)");
    EXPECT_EQ(page.state().parametersSize, "Size of saved parameters: 512 bytes");
    page.setLanguage(2);
    EXPECT_EQ(page.state().outputCurrentLabel, "Salida de Corriente (0-32mA)");
    EXPECT_EQ(page.state().parametersSize, "Tamaño de los Parámetros Salvos: 512 bytes");
}

// A device that refuses the test mode but takes the disabled calibration sent in the
// same flush: the page shows what the device now holds, not what it held before.
TEST_P(CalibrationPageTest, AfterAFailedSendThePageShowsWhatTheDeviceHolds)
{
    openPage(91009);
    sim->setFaults("refuse=2100");
    bool opened = false;
    ui.outputCalibrationWindow = [&opened](OutputCalibrationWindow&) { opened = true; };
    page.outputCalibrationClicked();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSendError});
    EXPECT_FALSE(opened);
    EXPECT_EQ(sim->reg(2100), 0);
    EXPECT_EQ(page.state().testMode, 0);
    EXPECT_EQ(page.state().calibrationDisabled, sim->reg(2105) != 0);

    // The same after the page's own settings: the box goes out, the mode does not.
    sim->setReg(2105, 0);
    page.activate(comm, 0);
    ui.messages.clear();
    page.testModeChosen(1);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSendError});
    EXPECT_EQ(page.state().testMode, 0);
    page.calibrationDisabledToggled(true);
    EXPECT_EQ(sim->reg(2105), 1);
    EXPECT_TRUE(page.state().calibrationDisabled);
}

TEST_P(CalibrationPageTest, TestParametersAndLastErrorsAreListed)
{
    openPage(91004, [this] {
        sim->setReg(2170, 5);
        sim->setReg(2171, 0);
        sim->setReg(2172, 0xFFFF);
        sim->setReg(2173, 0xFFFF);
        sim->setReg(2208, 0x0002);
        sim->setReg(2209, 0x8000);
        sim->setReg(2110, 42);
        sim->setReg(2139, 65535);
    });
    std::vector<std::string> lines;
    ui.textWindow = [&lines](TextWindow& m) { lines = m.lines(); };
    page.readLastErrorsClicked();
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "0: 5");
    EXPECT_EQ(lines[1], "1: -1");
    EXPECT_EQ(lines[19], "19: -2147483646");
    page.readTestParametersClicked();
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], "0: 42");
    EXPECT_EQ(lines[29], "29: 65535");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(CalibrationPageTest, OpeningKeepsTheRecordOfTheSerialNumberJustRead)
{
    openPage(91005, [this] { sim->setReg(2530, 12712); });
    IniFile first(recordPath(91005));
    std::string error;
    ASSERT_TRUE(first.load(error)) << error;
    EXPECT_EQ(first.value("CalibSection", "NumSerie"), "91005");
    EXPECT_EQ(first.value("CalibSection", "Res127"), "12712");

    // The first device's record holds a calibration; another device then answers on
    // the same link. Its file gets its own number and nothing of the first record.
    Calibration().RtdInputs[0].PointCount = 2;
    Calibration().RtdInputs[0].Gain = 1.25f;
    ASSERT_TRUE(SaveCalibration(91005));
    std::filesystem::remove(recordPath(91006));
    setSerial(91006);
    sim->setReg(2530, 12690);
    page.activate(comm, 0);
    IniFile second(recordPath(91006));
    ASSERT_TRUE(second.load(error)) << error;
    EXPECT_EQ(second.value("CalibSection", "NumSerie"), "91006");
    EXPECT_EQ(second.value("CalibSection", "Res127"), "12690");
    EXPECT_EQ(second.value("CalibRTD1", "NumPontos"), "0");
    EXPECT_EQ(second.value("CalibRTD1", "Ganho"), "1");
    EXPECT_EQ(page.state().serialNumber, "91006");
}

TEST(CalibrationPageSilent, NoRecordIsSavedWhenTheSerialNumberWasNotRead)
{
    PageLinkFixture f;
    f.open("T", PageLinkFixture::Link::SerialButton);
    f.sim->setReg(2501, 91007 & 0xFFFF);
    f.sim->setReg(2502, 91007 >> 16);
    f.comm.readRegisters(2501, 2); // the general page read the number at connection
    const auto path = std::filesystem::path(GetSettingsFolder()) / CalibrationStore::fileName(91007);
    std::filesystem::remove(path);
    f.sim->setFaults("drop");
    CalibrationPage page{f.ui};
    page.activate(f.comm, 0);
    EXPECT_FALSE(std::filesystem::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Links, CalibrationPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp));
