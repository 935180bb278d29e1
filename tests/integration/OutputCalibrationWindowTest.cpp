// The current output calibration window against the simulated QLX700-T: test
// currents within the board's range, the fit, saving to the device and the record,
// and the question before an unsaved fit is left.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "screens/calibration/CalibrationPage.h"
#include "screens/calibration/OutputCalibrationWindow.h"
#include "settings/CalibrationStore.h"
#include "settings/FloatWords.h"
#include "settings/SettingsFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kMsgCurrent = "Valor de corrente inválida.";
constexpr const char* kMsgPointCount = "Número inválido de pontos. Deve ser um inteiro entre 2 e 20.";

class OutputCalibrationWindowTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    // The serial number differs per link too: the record of a number stays in memory.
    void openWindow(int base)
    {
        const int serial = base + 10 * static_cast<int>(GetParam());
        open("T", GetParam());
        sim->setReg(2501, static_cast<std::uint16_t>(serial & 0xFFFF));
        sim->setReg(2502, static_cast<std::uint16_t>(serial >> 16));
        std::filesystem::remove(std::filesystem::path(GetSettingsFolder()) / CalibrationStore::fileName(serial));
        comm.readRegisters(2501, 2);
        window.open(comm, 0);
    }
    float simFloat(int first) const
    {
        return WordsToSingle(sim->reg(static_cast<std::uint16_t>(first)), sim->reg(static_cast<std::uint16_t>(first + 1)));
    }
    void setSimFloat(int first, float value)
    {
        std::uint16_t low = 0;
        std::uint16_t high = 0;
        SingleToWords(value, low, high);
        sim->setReg(static_cast<std::uint16_t>(first), low);
        sim->setReg(static_cast<std::uint16_t>(first + 1), high);
    }
    bool enter(int row, int column, const std::string& text)
    {
        window.selectCell(row, column);
        window.setCellText(text);
        return window.cellEditConfirmed();
    }
    void twoPoints()
    {
        window.setPointCount("2");
        window.pointCountLeft();
        ASSERT_TRUE(enter(1, 0, "4"));
        ASSERT_TRUE(enter(1, 1, "4.1"));
        ASSERT_TRUE(enter(2, 0, "20"));
        ASSERT_TRUE(enter(2, 1, "20.3"));
    }

    OutputCalibrationWindow window{ui};
};

} // namespace

TEST_P(OutputCalibrationWindowTest, AnOutputWithoutPointsShowsTheIdentityAndTheDevicesCalibration)
{
    open("T", GetParam());
    setSimFloat(2510, 1.25f);
    setSimFloat(2520, -0.5f);
    window.open(comm, 0);
    ASSERT_EQ(window.rows().size(), 1u);
    EXPECT_EQ(window.rows()[0][0], "12 mA");
    EXPECT_EQ(window.rows()[0][1], "12 mA");
    EXPECT_EQ(window.fitTexts().slope, "a = 1.0000");
    EXPECT_EQ(window.fitTexts().intercept, "b = 0.0000");
    EXPECT_EQ(window.deviceCalibration(), "Atual   Ganho:1.250  Offset:-0.500");
    for (const char* bad : {"21", "x", "1"}) {
        ui.messages.clear();
        window.setPointCount(bad);
        window.pointCountLeft();
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgPointCount}) << bad;
        EXPECT_EQ(window.rows().size(), 1u) << bad;
    }
}

TEST_P(OutputCalibrationWindowTest, TestCurrentsStayWithinTheRangesFullScale)
{
    openWindow(92001);
    window.setPointCount("3");
    window.pointCountLeft();
    ASSERT_TRUE(enter(1, 0, "16"));
    EXPECT_EQ(sim->reg(2101), 25000);
    window.rangeChosen(1);
    EXPECT_EQ(window.range(), 1);
    window.setPointCount("3");
    window.pointCountLeft();
    ASSERT_TRUE(enter(1, 0, "0,75"));
    EXPECT_EQ(sim->reg(2101), 25000);
    EXPECT_TRUE(ui.messages.empty());

    sim->setReg(2101, 3);
    EXPECT_FALSE(enter(2, 0, "1.6"));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgCurrent});
    EXPECT_TRUE(window.editing()) << "a refused value leaves the box open";
    EXPECT_TRUE(enter(2, 1, "1.6")) << "an obtained value may exceed the small board's range";
    EXPECT_EQ(sim->reg(2101), 3);
    ui.messages.clear();
    for (int range : {1, 0}) {
        window.rangeChosen(range);
        EXPECT_FALSE(enter(1, 1, "32.5"));
        EXPECT_FALSE(enter(1, 1, "nan"));
    }
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kMsgCurrent, "Valor numérico inválido.", kMsgCurrent,
                                                           "Valor numérico inválido."}));

    // A stored desired value above the small board's range is never commanded.
    Calibration().CurrentOutputs1_5mA[0].PointCount = 2;
    Calibration().CurrentOutputs1_5mA[0].Y[0] = 20.0f;
    Calibration().CurrentOutputs1_5mA[0].X[0] = 20.0f;
    Calibration().CurrentOutputs1_5mA[0].Y[1] = 1.0f;
    Calibration().CurrentOutputs1_5mA[0].X[1] = 1.0f;
    window.rangeChosen(1);
    sim->setReg(2101, 3);
    window.selectCell(1, 0);
    EXPECT_EQ(sim->reg(2101), 3);
    window.selectCell(2, 1);
    EXPECT_EQ(sim->reg(2101), 33333);
}

TEST_P(OutputCalibrationWindowTest, SavingWritesTheFitToTheOutputsRangeAndTheRecord)
{
    openWindow(92002);
    window.outputChosen(1);
    twoPoints();
    EXPECT_EQ(window.fitTexts().slope, "a = 0.9877");
    EXPECT_EQ(window.fitTexts().intercept, "b = -0.0494");
    EXPECT_EQ(window.fitTexts().correlation, "corr = 100.00000 %");
    EXPECT_TRUE(window.saveCalibrationClicked());
    EXPECT_NEAR(simFloat(2512), 0.98765, 1e-5);
    EXPECT_NEAR(simFloat(2522), -0.04938, 1e-5);
    EXPECT_FLOAT_EQ(simFloat(2510), 1.0f) << "output 1 untouched";
    EXPECT_EQ(window.deviceCalibration(), "Atual   Ganho:0.988  Offset:-0.049");

    window.rangeChosen(1);
    window.setPointCount("2");
    window.pointCountLeft();
    ASSERT_TRUE(enter(1, 0, "0.4"));
    ASSERT_TRUE(enter(1, 1, "0.42"));
    ASSERT_TRUE(enter(2, 0, "1.2"));
    ASSERT_TRUE(enter(2, 1, "1.22"));
    EXPECT_TRUE(window.saveCalibrationClicked());
    EXPECT_NEAR(simFloat(2622), 1.0, 1e-5);
    EXPECT_NEAR(simFloat(2632), -0.02, 1e-5);
    EXPECT_TRUE(ui.messages.empty());

    // The record file holds both ranges' points of output 2.
    ASSERT_TRUE(LoadCalibration(1));
    ASSERT_TRUE(LoadCalibration(92002 + 10 * static_cast<int>(GetParam())));
    const CalibrationCurve& full = Calibration().CurrentOutputs[1];
    ASSERT_EQ(full.PointCount, 2);
    EXPECT_FLOAT_EQ(full.Y[1], 20.0f);
    EXPECT_FLOAT_EQ(full.X[1], 20.3f);
    EXPECT_NEAR(full.Gain, 0.98765, 1e-5);
    EXPECT_EQ(Calibration().CurrentOutputs1_5mA[1].PointCount, 2);
}

TEST_P(OutputCalibrationWindowTest, LeavingAnUnsavedFitAsksFirst)
{
    openWindow(92003);
    twoPoints();
    window.rangeChosen(0);
    EXPECT_TRUE(ui.messages.empty()) << "the range in force: nothing happens";

    ui.threeWay = {Ui::Answer::Cancel};
    window.outputChosen(2);
    EXPECT_EQ(window.output(), 0);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSaveQuestion});
    EXPECT_FLOAT_EQ(simFloat(2510), 1.0f);

    ui.threeWay = {Ui::Answer::No};
    window.outputChosen(2);
    EXPECT_EQ(window.output(), 2);
    EXPECT_FLOAT_EQ(simFloat(2510), 1.0f);

    window.outputChosen(0);
    EXPECT_EQ(window.output(), 0) << "the points of output 1 were kept";
    EXPECT_EQ(window.fitTexts().slope, "a = 0.9877");
    ui.threeWay = {Ui::Answer::Yes};
    window.rangeChosen(1);
    EXPECT_EQ(window.range(), 1);
    EXPECT_NEAR(simFloat(2510), 0.98765, 1e-5);

    // A save that fails keeps the window on the output.
    window.rangeChosen(0);
    setSimFloat(2510, 1.0f);
    comm.readRegisters(2510, 2);
    sim->setFaults(refusal());
    ui.messages.clear();
    ui.threeWay = {Ui::Answer::Yes};
    window.rangeChosen(1);
    EXPECT_EQ(window.range(), 0);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kSaveQuestion, "Erro ao salvar a calibração."}));
    ui.threeWay = {Ui::Answer::Yes};
    window.okClicked();
    EXPECT_FALSE(window.closed());
    ui.threeWay = {Ui::Answer::No};
    window.okClicked();
    EXPECT_TRUE(window.closed());
}

TEST_P(OutputCalibrationWindowTest, ThePageRunsTheWindowInTestModeAndSwitchesBackAfterwards)
{
    open("T", GetParam());
    CalibrationPage page{ui};
    page.activate(comm, 0);
    int modeInside = -1;
    int disabledInside = -1;
    ui.outputCalibrationWindow = [&](OutputCalibrationWindow&) {
        modeInside = sim->reg(2100);
        disabledInside = sim->reg(2105);
    };
    page.outputCalibrationClicked();
    EXPECT_EQ(modeInside, 1);
    EXPECT_EQ(disabledInside, 1);
    EXPECT_EQ(sim->reg(2100), 0);
    EXPECT_EQ(sim->reg(2105), 0);
    EXPECT_TRUE(ui.messages.empty());

    modeInside = -1;
    sim->setFaults(refusal());
    page.outputCalibrationClicked();
    EXPECT_EQ(modeInside, -1) << "no window without test mode";
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
}

INSTANTIATE_TEST_SUITE_P(Links, OutputCalibrationWindowTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp));
