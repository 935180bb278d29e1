// The regression windows against simulated devices: RTD inputs of the T and the R's
// single RTD, current inputs of the T and the R's current and voltage inputs.
#include "PageLinkFixture.h"
#include "screens/calibration/FormCalibEntrCorrRegressaoF.h"
#include "screens/calibration/FormCalibRTDRegressaoF.h"
#include "screens/calibration/FrameTesteCalibracaoF.h"
#include "settings/CalibStore.h"
#include "settings/FloatWords.h"
#include "settings/SettingsFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr const char* kSalva = "Calibração salva com sucesso";
constexpr const char* kErroEnvio = "Erro ao enviar a calibração para o equipamento.";
constexpr const char* kPergunta =
    "A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?";

class FormCalibRegressaoTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    // Each test's device has a serial number of its own (the record of a number stays
    // in memory), per link too.
    void openDevice(const std::string& model, int base)
    {
        const int serial = base + 10 * static_cast<int>(GetParam());
        open(model, GetParam());
        sim->setReg(2501, static_cast<std::uint16_t>(serial & 0xFFFF));
        sim->setReg(2502, static_cast<std::uint16_t>(serial >> 16));
        std::filesystem::remove(std::filesystem::path(GetSettingsFolder()) / CalibStore::fileName(serial));
        comm.readRegisters(2501, 2);
        serial_ = serial;
    }
    float simFloat(int first) const
    {
        return WordsToSingle(sim->reg(static_cast<std::uint16_t>(first)),
                             sim->reg(static_cast<std::uint16_t>(first + 1)));
    }
    static void add(TFormCalibRegressao& form, const std::string& measured, const std::string& expected)
    {
        form.setMedido(measured);
        form.setEsperado(expected);
        form.bbAdicionarClick();
    }
    const TCalibRecord& reloaded()
    {
        EXPECT_TRUE(LoadCalibRecord(1));
        EXPECT_TRUE(LoadCalibRecord(serial_));
        return CalibRecord();
    }

    int serial_ = 0;
};

} // namespace

TEST_P(FormCalibRegressaoTest, RtdPointsGiveTheFitThatIsSavedToTheChannelAndTheRecord)
{
    openDevice("T", 93001);
    TFormCalibRTDRegressao form{ui};
    form.Show(comm, 0);
    EXPECT_EQ(form.channelName(), "RTD 1");
    EXPECT_TRUE(form.stepsVisible());
    EXPECT_EQ(form.pnCalibAtual(), "Atual   Ganho:1.000  Offset:0.000");
    form.bbProximoClick();
    form.bbProximoClick();
    add(form, "100", "100.5");
    EXPECT_EQ(form.fitTexts().coefAng, "a = 1.0000") << "one point: the identity line";
    EXPECT_EQ(form.fitTexts().corr, "corr = 0.00000 %");
    add(form, "120", "120,9");
    EXPECT_EQ(form.fitTexts().coefAng, "a = 1.0200");
    EXPECT_EQ(form.fitTexts().coefLin, "b = -1.5000");
    EXPECT_EQ(form.fitTexts().corr, "corr = 100.00000 %");
    ASSERT_EQ(form.rows().size(), 2u);
    EXPECT_EQ(form.rows()[1], (std::vector<std::string>{"2", "120.000", "120.900", "53.90"}));

    ASSERT_TRUE(form.bbSalvarCalibracaoClick());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kSalva});
    EXPECT_FLOAT_EQ(simFloat(2544), 1.02f);
    EXPECT_NEAR(simFloat(2564), -1.5, 1e-4);
    EXPECT_FLOAT_EQ(simFloat(2540), 1.0f);
    EXPECT_EQ(form.pnCalibAtual(), "Atual   Ganho:1.020  Offset:-1.500");
    const CalibCurve& c = reloaded().RTD[2];
    EXPECT_EQ(c.NumPontos, 2);
    EXPECT_FLOAT_EQ(c.X[1], 120.0f);
    EXPECT_FLOAT_EQ(c.Y[1], 120.9f);
    EXPECT_FLOAT_EQ(c.Ganho, 1.02f);

    // Reopened, the channel shows its points again.
    TFormCalibRTDRegressao again{ui};
    again.Show(comm, 0);
    again.bbAnteriorClick();
    again.bbAnteriorClick();
    again.bbAnteriorClick();
    again.bbAnteriorClick();
    EXPECT_EQ(again.channelName(), "RTD 3");
    EXPECT_EQ(again.fitTexts().coefLin, "b = -1.5000");
}

TEST_P(FormCalibRegressaoTest, RtdEntriesAreCheckedLimitedAndRemovable)
{
    openDevice("T", 93002);
    TFormCalibRTDRegressao form{ui};
    form.Show(comm, 0);
    add(form, "abc", "100");
    add(form, "100", "");
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Valor inválido no campo \"Valor Medido\"",
                                                           "Valor inválido no campo \"Valor Esperado\""}));
    EXPECT_TRUE(form.rows().empty());

    form.cbUnidadeSelect(1);
    add(form, "138", "100");
    ASSERT_EQ(form.ys().size(), 1u);
    EXPECT_NEAR(form.ys()[0], 138.5055, 0.0001) << "a temperature is stored as its Pt100 resistance";
    form.cbUnidadeSelect(0);

    // All measured values equal: the previous fit stays.
    add(form, "138", "139");
    EXPECT_EQ(form.fitTexts().coefAng, "a = 1.0000");

    ui.messages.clear();
    form.bbRemoverClick(0);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Selecione a linha que deseja remover"});
    form.bbRemoverClick(1);
    form.bbRemoverClick(1);
    EXPECT_TRUE(form.rows().empty());
    EXPECT_EQ(form.fitTexts().coefAng, "a = 1.0000");
    EXPECT_EQ(form.fitTexts().coefLin, "b = 0.0000");

    ui.messages.clear();
    for (int i = 0; i < 39; ++i)
        add(form, std::to_string(100 + i), std::to_string(100.5 + i));
    EXPECT_TRUE(ui.messages.empty());
    add(form, "200", "200");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Número máximo de pontos atingido"});
    EXPECT_EQ(form.rows().size(), 39u);
}

TEST_P(FormCalibRegressaoTest, StepsWrapAndAnUnsavedFitAsksFirst)
{
    openDevice("T", 93003);
    TFormCalibRTDRegressao form{ui};
    form.Show(comm, 0);
    form.bbAnteriorClick();
    EXPECT_EQ(form.channelName(), "RTD 6");
    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "RTD 1");
    EXPECT_TRUE(ui.messages.empty());

    add(form, "100", "99");
    add(form, "120", "118");
    ui.threeWay = {Ui::Answer::Cancel};
    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "RTD 1");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kPergunta});
    ui.answers = {false};
    EXPECT_TRUE(form.closeQuery());
    ui.threeWay = {Ui::Answer::Yes};
    ui.messages.clear();
    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "RTD 2");
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kPergunta, kSalva}));
    EXPECT_FLOAT_EQ(simFloat(2540), 0.95f);

    // A smaller gain than the device's is a change too.
    add(form, "100", "99");
    add(form, "120", "118");
    sim->setFaults(refusal());
    ui.messages.clear();
    ui.answers = {true};
    EXPECT_FALSE(form.closeQuery()) << "a failed save keeps the window open";
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kPergunta, kErroEnvio}));
    EXPECT_FLOAT_EQ(simFloat(2562), 0.0f) << "no offset after a refused gain";
}

TEST_P(FormCalibRegressaoTest, TheLiveReadingFollowsTheDevice)
{
    openDevice("T", 93004);
    TFormCalibRTDRegressao form{ui};
    form.Show(comm, 0);
    form.TimerUpdate();
    const double r = sim->reg(2580) / 100.0;
    ASSERT_FALSE(form.pnMedidaAtual().empty());
    EXPECT_NE(form.pnMedidaAtual().find(" ohms ("), std::string::npos);
    EXPECT_EQ(form.pnMedidaAtual().substr(0, form.pnMedidaAtual().find(' ')), [r] {
        char t[32];
        std::snprintf(t, sizeof t, "%.2f", r);
        return std::string(t);
    }());
    form.bbLerValorClick();
    EXPECT_DOUBLE_EQ(std::stod(form.edMedido()), comm.registerValue(2580) / 100.0);
}

TEST_P(FormCalibRegressaoTest, TheRegulatorHasOneRtd)
{
    openDevice("R", 93005);
    TFormCalibRTDRegressao form{ui};
    form.Show(comm, 0);
    EXPECT_FALSE(form.stepsVisible());
    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "RTD 1");
    add(form, "100", "100.5");
    add(form, "120", "120.9");
    ASSERT_TRUE(form.bbSalvarCalibracaoClick());
    EXPECT_FLOAT_EQ(simFloat(2540), 1.02f);
    EXPECT_NEAR(simFloat(2560), -1.5, 1e-4);
}

TEST_P(FormCalibRegressaoTest, ThermalCurrentInputsCycleAndReadInAmperes)
{
    openDevice("T", 93006);
    TFormCalibEntrCorrRegressao form{ui};
    form.Show(comm, 0);
    EXPECT_EQ(form.channelName(), "Entrada 1");
    EXPECT_EQ(form.captions().header[2], "Esperado (Arms)");
    form.bbProximoClick();
    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "Entrada 3");
    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "Entrada 1");
    form.TimerUpdate();
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.3f Arms", comm.registerValue(2650) / 1000.0);
    EXPECT_EQ(form.pnMedidaAtual(), expected);

    form.bbProximoClick();
    add(form, "1", "1.1");
    add(form, "5", "5.3");
    ASSERT_TRUE(form.bbSalvarCalibracaoClick());
    EXPECT_NEAR(simFloat(2602), 1.05, 1e-6);
    EXPECT_NEAR(simFloat(2612), 0.05, 1e-6);
    EXPECT_EQ(reloaded().EntrCorr[1].NumPontos, 2);

    sim->setFaults(refusal());
    add(form, "9", "9.9");
    ui.messages.clear();
    EXPECT_FALSE(form.bbSalvarCalibracaoClick());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kErroEnvio});
    EXPECT_NEAR(simFloat(2612), 0.05, 1e-6) << "no offset after a refused gain";
}

TEST_P(FormCalibRegressaoTest, TheRegulatorsVoltageUsesTheThirdSlotAndItsCurrentSendsTheFixedValue)
{
    openDevice("R", 93007);
    TFormCalibEntrCorrRegressao form{ui};
    form.Show(comm, 0);
    // The fixed value is sent even when the image already holds it.
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    SingleToWords(99.9f, low, high);
    sim->setReg(2682, low);
    sim->setReg(2683, high);
    comm.readRegisters(2682, 2);
    sim->setReg(2682, 0);
    sim->setReg(2683, 0);
    add(form, "1", "1.1");
    add(form, "5", "5.3");
    ASSERT_TRUE(form.bbSalvarCalibracaoClick());
    EXPECT_EQ(sim->reg(2682), 0xCCCD);
    EXPECT_EQ(sim->reg(2683), 0x42C7);
    EXPECT_NEAR(simFloat(2600), 1.05, 1e-6);

    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "Entrada 2");
    EXPECT_EQ(form.captions().header[2], "Esperado (Vrms)");
    form.TimerUpdate();
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.1f Vrms", comm.registerValue(2651) / 10.0);
    EXPECT_EQ(form.pnMedidaAtual(), expected);
    add(form, "100", "101");
    add(form, "200", "203");
    ASSERT_TRUE(form.bbSalvarCalibracaoClick());
    EXPECT_NEAR(simFloat(2604), 1.02, 1e-6);
    EXPECT_NEAR(simFloat(2614), -1.0, 1e-5);
    EXPECT_NEAR(simFloat(2602), 1.0, 1e-6) << "slot 1 untouched";
    EXPECT_EQ(reloaded().EntrCorr[1].NumPontos, 2);
    form.bbProximoClick();
    EXPECT_EQ(form.channelName(), "Entrada 1");
}

TEST_P(FormCalibRegressaoTest, ThePageOpensBothRegressionWindows)
{
    openDevice("T", 93008);
    TFrameTesteCalibracao frame{ui};
    frame.AtivarFrame(comm, 0);
    std::string rtd;
    std::string input;
    ui.calibRTDRegressao = [&](TFormCalibRTDRegressao& f) { rtd = f.channelName(); };
    ui.calibEntrCorr = [&](TFormCalibEntrCorrRegressao& f) { input = f.channelName(); };
    frame.bbCalibrarRTDRegressaoClick();
    frame.bbCalibrarEntrCorrRegClick();
    EXPECT_EQ(rtd, "RTD 1");
    EXPECT_EQ(input, "Entrada 1");
    EXPECT_EQ(sim->reg(2100), 0) << "these windows leave test mode alone";
}

INSTANTIATE_TEST_SUITE_P(Links, FormCalibRegressaoTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp));
