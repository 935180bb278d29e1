// The current output calibration window against the simulated QLX700-T: test
// currents within the board's range, the fit, saving to the device and the record,
// and the question before an unsaved fit is left.
#include "PageLinkFixture.h"
#include "screens/calibration/FormCalibCorrenteF.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
#include "settings/CalibStore.h"
#include "settings/FloatWords.h"
#include "settings/SettingsFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kMsgCorrente = "Valor de corrente inválida.";
constexpr const char* kMsgNumPontos = "Número inválido de pontos. Deve ser um inteiro entre 2 e 20.";
constexpr const char* kPergunta =
    "A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?";

class FormCalibCorrenteTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    // The serial number differs per link too: the record of a number stays in memory.
    void openWindow(int base)
    {
        const int serial = base + 10 * static_cast<int>(GetParam());
        open("T", GetParam());
        sim->setReg(2501, static_cast<std::uint16_t>(serial & 0xFFFF));
        sim->setReg(2502, static_cast<std::uint16_t>(serial >> 16));
        std::filesystem::remove(std::filesystem::path(GetSettingsFolder()) / CalibStore::fileName(serial));
        comm.readRegisters(2501, 2);
        form.Show(comm, 0);
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
        form.selectCell(row, column);
        form.setEdVal(text);
        return form.edValConfirm();
    }
    void twoPoints()
    {
        form.setNumPontos("2");
        form.edNumPontosExit();
        ASSERT_TRUE(enter(1, 0, "4"));
        ASSERT_TRUE(enter(1, 1, "4.1"));
        ASSERT_TRUE(enter(2, 0, "20"));
        ASSERT_TRUE(enter(2, 1, "20.3"));
    }

    TFormCalibCorrente form{ui};
};

} // namespace

TEST_P(FormCalibCorrenteTest, AnOutputWithoutPointsShowsTheIdentityAndTheDevicesCalibration)
{
    open("T", GetParam());
    setSimFloat(2510, 1.25f);
    setSimFloat(2520, -0.5f);
    form.Show(comm, 0);
    ASSERT_EQ(form.rows().size(), 1u);
    EXPECT_EQ(form.rows()[0][0], "12 mA");
    EXPECT_EQ(form.rows()[0][1], "12 mA");
    EXPECT_EQ(form.fitTexts().coefAng, "a = 1.0000");
    EXPECT_EQ(form.fitTexts().coefLin, "b = 0.0000");
    EXPECT_EQ(form.pnCalibAtual(), "Atual   Ganho:1.250  Offset:-0.500");
    for (const char* bad : {"21", "x", "1"}) {
        ui.messages.clear();
        form.setNumPontos(bad);
        form.edNumPontosExit();
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgNumPontos}) << bad;
        EXPECT_EQ(form.rows().size(), 1u) << bad;
    }
}

TEST_P(FormCalibCorrenteTest, TestCurrentsStayWithinTheRangesFullScale)
{
    openWindow(92001);
    form.setNumPontos("3");
    form.edNumPontosExit();
    ASSERT_TRUE(enter(1, 0, "16"));
    EXPECT_EQ(sim->reg(2101), 25000);
    form.rgEscalaClick(1);
    EXPECT_EQ(form.rgEscala(), 1);
    form.setNumPontos("3");
    form.edNumPontosExit();
    ASSERT_TRUE(enter(1, 0, "0,75"));
    EXPECT_EQ(sim->reg(2101), 25000);
    EXPECT_TRUE(ui.messages.empty());

    sim->setReg(2101, 3);
    EXPECT_FALSE(enter(2, 0, "1.6"));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgCorrente});
    EXPECT_TRUE(form.editing()) << "a refused value leaves the box open";
    EXPECT_TRUE(enter(2, 1, "1.6")) << "an obtained value may exceed the small board's range";
    EXPECT_EQ(sim->reg(2101), 3);
    ui.messages.clear();
    for (int range : {1, 0}) {
        form.rgEscalaClick(range);
        EXPECT_FALSE(enter(1, 1, "32.5"));
        EXPECT_FALSE(enter(1, 1, "nan"));
    }
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kMsgCorrente, "Valor numérico inválido.", kMsgCorrente,
                                                           "Valor numérico inválido."}));

    // A stored desired value above the small board's range is never commanded.
    CalibRecord().SaidaCorrente0_1[0].NumPontos = 2;
    CalibRecord().SaidaCorrente0_1[0].Y[0] = 20.0f;
    CalibRecord().SaidaCorrente0_1[0].X[0] = 20.0f;
    CalibRecord().SaidaCorrente0_1[0].Y[1] = 1.0f;
    CalibRecord().SaidaCorrente0_1[0].X[1] = 1.0f;
    form.rgEscalaClick(1);
    sim->setReg(2101, 3);
    form.selectCell(1, 0);
    EXPECT_EQ(sim->reg(2101), 3);
    form.selectCell(2, 1);
    EXPECT_EQ(sim->reg(2101), 33333);
}

TEST_P(FormCalibCorrenteTest, SavingWritesTheFitToTheOutputsRangeAndTheRecord)
{
    openWindow(92002);
    form.cbIndexSaidaChange(1);
    twoPoints();
    EXPECT_EQ(form.fitTexts().coefAng, "a = 0.9877");
    EXPECT_EQ(form.fitTexts().coefLin, "b = -0.0494");
    EXPECT_EQ(form.fitTexts().corr, "corr = 100.00000 %");
    EXPECT_TRUE(form.bbSalvarCalibracaoClick());
    EXPECT_NEAR(simFloat(2512), 0.98765, 1e-5);
    EXPECT_NEAR(simFloat(2522), -0.04938, 1e-5);
    EXPECT_FLOAT_EQ(simFloat(2510), 1.0f) << "output 1 untouched";
    EXPECT_EQ(form.pnCalibAtual(), "Atual   Ganho:0.988  Offset:-0.049");

    form.rgEscalaClick(1);
    form.setNumPontos("2");
    form.edNumPontosExit();
    ASSERT_TRUE(enter(1, 0, "0.4"));
    ASSERT_TRUE(enter(1, 1, "0.42"));
    ASSERT_TRUE(enter(2, 0, "1.2"));
    ASSERT_TRUE(enter(2, 1, "1.22"));
    EXPECT_TRUE(form.bbSalvarCalibracaoClick());
    EXPECT_NEAR(simFloat(2622), 1.0, 1e-5);
    EXPECT_NEAR(simFloat(2632), -0.02, 1e-5);
    EXPECT_TRUE(ui.messages.empty());

    // The record file holds both ranges' points of output 2.
    ASSERT_TRUE(LoadCalibRecord(1));
    ASSERT_TRUE(LoadCalibRecord(92002 + 10 * static_cast<int>(GetParam())));
    const CalibCurve& full = CalibRecord().SaidaCorrente[1];
    ASSERT_EQ(full.NumPontos, 2);
    EXPECT_FLOAT_EQ(full.Y[1], 20.0f);
    EXPECT_FLOAT_EQ(full.X[1], 20.3f);
    EXPECT_NEAR(full.Ganho, 0.98765, 1e-5);
    EXPECT_EQ(CalibRecord().SaidaCorrente0_1[1].NumPontos, 2);
}

TEST_P(FormCalibCorrenteTest, LeavingAnUnsavedFitAsksFirst)
{
    openWindow(92003);
    twoPoints();
    form.rgEscalaClick(0);
    EXPECT_TRUE(ui.messages.empty()) << "the range in force: nothing happens";

    ui.threeWay = {Ui::Answer::Cancel};
    form.cbIndexSaidaChange(2);
    EXPECT_EQ(form.output(), 0);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kPergunta});
    EXPECT_FLOAT_EQ(simFloat(2510), 1.0f);

    ui.threeWay = {Ui::Answer::No};
    form.cbIndexSaidaChange(2);
    EXPECT_EQ(form.output(), 2);
    EXPECT_FLOAT_EQ(simFloat(2510), 1.0f);

    form.cbIndexSaidaChange(0);
    EXPECT_EQ(form.output(), 0) << "the points of output 1 were kept";
    EXPECT_EQ(form.fitTexts().coefAng, "a = 0.9877");
    ui.threeWay = {Ui::Answer::Yes};
    form.rgEscalaClick(1);
    EXPECT_EQ(form.rgEscala(), 1);
    EXPECT_NEAR(simFloat(2510), 0.98765, 1e-5);

    // A save that fails keeps the window on the output.
    form.rgEscalaClick(0);
    setSimFloat(2510, 1.0f);
    comm.readRegisters(2510, 2);
    sim->setFaults(refusal());
    ui.messages.clear();
    ui.threeWay = {Ui::Answer::Yes};
    form.rgEscalaClick(1);
    EXPECT_EQ(form.rgEscala(), 0);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kPergunta, "Erro ao salvar a calibração."}));
    ui.threeWay = {Ui::Answer::Yes};
    form.bbAceitaClick();
    EXPECT_FALSE(form.closed());
    ui.threeWay = {Ui::Answer::No};
    form.bbAceitaClick();
    EXPECT_TRUE(form.closed());
}

TEST_P(FormCalibCorrenteTest, ThePageRunsTheWindowInTestModeAndSwitchesBackAfterwards)
{
    open("T", GetParam());
    TFrameTesteCalibracao frame{ui};
    frame.AtivarFrame(comm, 0);
    int modeInside = -1;
    int disabledInside = -1;
    ui.calibCorrente = [&](TFormCalibCorrente&) {
        modeInside = sim->reg(2100);
        disabledInside = sim->reg(2105);
    };
    frame.bbCalibrarSaidaCorrenteClick();
    EXPECT_EQ(modeInside, 1);
    EXPECT_EQ(disabledInside, 1);
    EXPECT_EQ(sim->reg(2100), 0);
    EXPECT_EQ(sim->reg(2105), 0);
    EXPECT_TRUE(ui.messages.empty());

    modeInside = -1;
    sim->setFaults(refusal());
    frame.bbCalibrarSaidaCorrenteClick();
    EXPECT_EQ(modeInside, -1) << "no window without test mode";
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
}

INSTANTIATE_TEST_SUITE_P(Links, FormCalibCorrenteTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp));
