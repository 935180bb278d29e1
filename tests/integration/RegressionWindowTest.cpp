// The regression windows against simulated devices: RTD inputs of the T and the R's
// single RTD, current inputs of the T and the R's current and voltage inputs.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "screens/calibration/CalibrationPage.h"
#include "screens/calibration/InputRegressionWindow.h"
#include "screens/calibration/RtdRegressionWindow.h"
#include "settings/CalibrationStore.h"
#include "settings/FloatWords.h"
#include "settings/SettingsFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kSaved = "Calibração salva com sucesso";
constexpr const char* kCalibrationSendError = "Erro ao enviar a calibração para o equipamento.";

class RegressionWindowTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    // Each test's device has a serial number of its own (the record of a number stays
    // in memory), per link too.
    void openDevice(const std::string& model, int base)
    {
        const int serial = base + 10 * static_cast<int>(GetParam());
        open(model, GetParam());
        sim->setReg(2501, static_cast<std::uint16_t>(serial & 0xFFFF));
        sim->setReg(2502, static_cast<std::uint16_t>(serial >> 16));
        std::filesystem::remove(std::filesystem::path(GetSettingsFolder()) / CalibrationStore::fileName(serial));
        comm.readRegisters(2501, 2);
        serial_ = serial;
    }
    float simFloat(int first) const
    {
        return WordsToSingle(sim->reg(static_cast<std::uint16_t>(first)),
                             sim->reg(static_cast<std::uint16_t>(first + 1)));
    }
    static void add(RegressionWindow& window, const std::string& measured, const std::string& expected)
    {
        window.setMeasuredText(measured);
        window.setExpectedText(expected);
        window.addPointClicked();
    }
    const CalibrationRecord& reloaded()
    {
        EXPECT_TRUE(LoadCalibration(1));
        EXPECT_TRUE(LoadCalibration(serial_));
        return Calibration();
    }

    int serial_ = 0;
};

} // namespace

TEST_P(RegressionWindowTest, RtdPointsGiveTheFitThatIsSavedToTheChannelAndTheRecord)
{
    openDevice("T", 93001);
    RtdRegressionWindow window{ui};
    window.open(comm, 0);
    EXPECT_EQ(window.channelName(), "RTD 1");
    EXPECT_TRUE(window.stepsVisible());
    EXPECT_EQ(window.deviceCalibration(), "Atual   Ganho:1.000  Offset:0.000");
    window.nextChannelClicked();
    window.nextChannelClicked();
    add(window, "100", "100.5");
    EXPECT_EQ(window.fitTexts().slope, "a = 1.0000") << "one point: the identity line";
    EXPECT_EQ(window.fitTexts().correlation, "corr = 0.00000 %");
    add(window, "120", "120,9");
    EXPECT_EQ(window.fitTexts().slope, "a = 1.0200");
    EXPECT_EQ(window.fitTexts().intercept, "b = -1.5000");
    EXPECT_EQ(window.fitTexts().correlation, "corr = 100.00000 %");
    ASSERT_EQ(window.rows().size(), 2u);
    EXPECT_EQ(window.rows()[1], (std::vector<std::string>{"2", "120.000", "120.900", "53.90"}));

    ASSERT_TRUE(window.saveCalibrationClicked());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSaved});
    EXPECT_FLOAT_EQ(simFloat(2544), 1.02f);
    EXPECT_NEAR(simFloat(2564), -1.5, 1e-4);
    EXPECT_FLOAT_EQ(simFloat(2540), 1.0f);
    EXPECT_EQ(window.deviceCalibration(), "Atual   Ganho:1.020  Offset:-1.500");
    const CalibrationCurve& c = reloaded().RtdInputs[2];
    EXPECT_EQ(c.PointCount, 2);
    EXPECT_FLOAT_EQ(c.X[1], 120.0f);
    EXPECT_FLOAT_EQ(c.Y[1], 120.9f);
    EXPECT_FLOAT_EQ(c.Gain, 1.02f);

    // Reopened, the channel shows its points again.
    RtdRegressionWindow again{ui};
    again.open(comm, 0);
    again.previousChannelClicked();
    again.previousChannelClicked();
    again.previousChannelClicked();
    again.previousChannelClicked();
    EXPECT_EQ(again.channelName(), "RTD 3");
    EXPECT_EQ(again.fitTexts().intercept, "b = -1.5000");
}

TEST_P(RegressionWindowTest, RtdEntriesAreCheckedLimitedAndRemovable)
{
    openDevice("T", 93002);
    RtdRegressionWindow window{ui};
    window.open(comm, 0);
    add(window, "abc", "100");
    add(window, "100", "");
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Valor inválido no campo \"Valor Medido\"",
                                                           "Valor inválido no campo \"Valor Esperado\""}));
    EXPECT_TRUE(window.rows().empty());

    window.unitChosen(1);
    add(window, "138", "100");
    ASSERT_EQ(window.ys().size(), 1u);
    EXPECT_NEAR(window.ys()[0], 138.5055, 0.0001) << "a temperature is stored as its Pt100 resistance";
    window.unitChosen(0);

    // All measured values equal: the previous fit stays.
    add(window, "138", "139");
    EXPECT_EQ(window.fitTexts().slope, "a = 1.0000");

    ui.messages.clear();
    window.removePointClicked(0);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Selecione a linha que deseja remover"});
    window.removePointClicked(1);
    window.removePointClicked(1);
    EXPECT_TRUE(window.rows().empty());
    EXPECT_EQ(window.fitTexts().slope, "a = 1.0000");
    EXPECT_EQ(window.fitTexts().intercept, "b = 0.0000");

    ui.messages.clear();
    for (int i = 0; i < 39; ++i)
        add(window, std::to_string(100 + i), std::to_string(100.5 + i));
    EXPECT_TRUE(ui.messages.empty());
    add(window, "200", "200");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Número máximo de pontos atingido"});
    EXPECT_EQ(window.rows().size(), 39u);
}

TEST_P(RegressionWindowTest, StepsWrapAndAnUnsavedFitAsksFirst)
{
    openDevice("T", 93003);
    RtdRegressionWindow window{ui};
    window.open(comm, 0);
    window.previousChannelClicked();
    EXPECT_EQ(window.channelName(), "RTD 6");
    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "RTD 1");
    EXPECT_TRUE(ui.messages.empty());

    add(window, "100", "99");
    add(window, "120", "118");
    ui.threeWay = {Ui::Answer::Cancel};
    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "RTD 1");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSaveQuestion});
    ui.answers = {false};
    EXPECT_TRUE(window.closeRequested());
    ui.threeWay = {Ui::Answer::Yes};
    ui.messages.clear();
    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "RTD 2");
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kSaveQuestion, kSaved}));
    EXPECT_FLOAT_EQ(simFloat(2540), 0.95f);

    // A smaller gain than the device's is a change too.
    add(window, "100", "99");
    add(window, "120", "118");
    sim->setFaults(refusal());
    ui.messages.clear();
    ui.answers = {true};
    EXPECT_FALSE(window.closeRequested()) << "a failed save keeps the window open";
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kSaveQuestion, kCalibrationSendError}));
    EXPECT_FLOAT_EQ(simFloat(2562), 0.0f) << "no offset after a refused gain";
}

TEST_P(RegressionWindowTest, TheLiveReadingFollowsTheDevice)
{
    openDevice("T", 93004);
    RtdRegressionWindow window{ui};
    window.open(comm, 0);
    window.tick();
    const double r = sim->reg(2580) / 100.0;
    ASSERT_FALSE(window.liveReading().empty());
    EXPECT_NE(window.liveReading().find(" ohms ("), std::string::npos);
    EXPECT_EQ(window.liveReading().substr(0, window.liveReading().find(' ')), [r] {
        char t[32];
        std::snprintf(t, sizeof t, "%.2f", r);
        return std::string(t);
    }());
    window.copyMeasurementClicked();
    EXPECT_DOUBLE_EQ(std::stod(window.measuredText()), comm.registerValue(2580) / 100.0);
}

// A silent device leaves the last reading on the window: marked, and never copied as
// if it were the value now.
TEST_P(RegressionWindowTest, AReadingWithoutAnswerIsMarkedAndNotCopied)
{
    openDevice("T", 93005);
    InputRegressionWindow window{ui};
    window.open(comm, 0);
    EXPECT_TRUE(window.liveStale()) << "nothing read yet";
    EXPECT_EQ(window.liveMarker(), "") << "but no refresh went unanswered either";
    window.copyMeasurementClicked();
    EXPECT_EQ(window.measuredText(), "0.0");
    window.tick();
    ASSERT_FALSE(window.liveStale());
    EXPECT_EQ(window.liveMarker(), "");
    const std::string shown = window.liveReading();
    window.copyMeasurementClicked();
    const std::string copied = window.measuredText();
    EXPECT_NE(copied, "0.0");

    sim->setFaults("drop");
    window.tick();
    EXPECT_TRUE(window.liveStale());
    EXPECT_EQ(window.liveReading(), shown);
    EXPECT_EQ(window.liveMarker().rfind("sem resposta desde ", 0), 0u) << window.liveMarker();
    window.setMeasuredText("1.5");
    window.copyMeasurementClicked();
    EXPECT_EQ(window.measuredText(), "1.5");
    window.nextChannelClicked();
    EXPECT_EQ(window.liveReading(), "") << "no reading of the next input came";

    sim->setFaults("");
    window.tick();
    EXPECT_FALSE(window.liveStale());
    EXPECT_EQ(window.liveMarker(), "");
    window.copyMeasurementClicked();
    EXPECT_NE(window.measuredText(), "1.5");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(RegressionWindowTest, TheRegulatorHasOneRtd)
{
    openDevice("R", 93005);
    RtdRegressionWindow window{ui};
    window.open(comm, 0);
    EXPECT_FALSE(window.stepsVisible());
    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "RTD 1");
    add(window, "100", "100.5");
    add(window, "120", "120.9");
    ASSERT_TRUE(window.saveCalibrationClicked());
    EXPECT_FLOAT_EQ(simFloat(2540), 1.02f);
    EXPECT_NEAR(simFloat(2560), -1.5, 1e-4);
}

TEST_P(RegressionWindowTest, ThermalCurrentInputsCycleAndReadInAmperes)
{
    openDevice("T", 93006);
    InputRegressionWindow window{ui};
    window.open(comm, 0);
    EXPECT_EQ(window.channelName(), "Entrada 1");
    EXPECT_EQ(window.captions().header[2], "Esperado (Arms)");
    window.nextChannelClicked();
    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "Entrada 3");
    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "Entrada 1");
    window.tick();
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.3f Arms", comm.registerValue(2650) / 1000.0);
    EXPECT_EQ(window.liveReading(), expected);

    window.nextChannelClicked();
    add(window, "1", "1.1");
    add(window, "5", "5.3");
    ASSERT_TRUE(window.saveCalibrationClicked());
    EXPECT_NEAR(simFloat(2602), 1.05, 1e-6);
    EXPECT_NEAR(simFloat(2612), 0.05, 1e-6);
    EXPECT_EQ(reloaded().CurrentInputs[1].PointCount, 2);

    sim->setFaults(refusal());
    add(window, "9", "9.9");
    ui.messages.clear();
    EXPECT_FALSE(window.saveCalibrationClicked());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kCalibrationSendError});
    EXPECT_NEAR(simFloat(2612), 0.05, 1e-6) << "no offset after a refused gain";
}

TEST_P(RegressionWindowTest, TheRegulatorsVoltageUsesTheThirdSlotAndItsCurrentSendsTheFixedValue)
{
    openDevice("R", 93007);
    InputRegressionWindow window{ui};
    window.open(comm, 0);
    // The fixed value is sent even when the image already holds it.
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    SingleToWords(99.9f, low, high);
    sim->setReg(2682, low);
    sim->setReg(2683, high);
    comm.readRegisters(2682, 2);
    sim->setReg(2682, 0);
    sim->setReg(2683, 0);
    add(window, "1", "1.1");
    add(window, "5", "5.3");
    ASSERT_TRUE(window.saveCalibrationClicked());
    EXPECT_EQ(sim->reg(2682), 0xCCCD);
    EXPECT_EQ(sim->reg(2683), 0x42C7);
    EXPECT_NEAR(simFloat(2600), 1.05, 1e-6);

    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "Entrada 2");
    EXPECT_EQ(window.captions().header[2], "Esperado (Vrms)");
    window.tick();
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.1f Vrms", comm.registerValue(2651) / 10.0);
    EXPECT_EQ(window.liveReading(), expected);
    add(window, "100", "101");
    add(window, "200", "203");
    ASSERT_TRUE(window.saveCalibrationClicked());
    EXPECT_NEAR(simFloat(2604), 1.02, 1e-6);
    EXPECT_NEAR(simFloat(2614), -1.0, 1e-5);
    EXPECT_NEAR(simFloat(2602), 1.0, 1e-6) << "slot 1 untouched";
    EXPECT_EQ(reloaded().CurrentInputs[1].PointCount, 2);
    window.nextChannelClicked();
    EXPECT_EQ(window.channelName(), "Entrada 1");
}

TEST_P(RegressionWindowTest, ThePageOpensBothRegressionWindows)
{
    openDevice("T", 93008);
    CalibrationPage page{ui};
    page.activate(comm, 0);
    std::string rtd;
    std::string input;
    ui.rtdRegressionWindow = [&](RtdRegressionWindow& f) { rtd = f.channelName(); };
    ui.inputRegressionWindow = [&](InputRegressionWindow& f) { input = f.channelName(); };
    page.rtdRegressionClicked();
    page.inputRegressionClicked();
    EXPECT_EQ(rtd, "RTD 1");
    EXPECT_EQ(input, "Entrada 1");
    EXPECT_EQ(sim->reg(2100), 0) << "these windows leave test mode alone";
}

INSTANTIATE_TEST_SUITE_P(Links, RegressionWindowTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp));
