// The QLX700-P general page against the simulated parallelism controller over its
// pseudo-terminal and TCP: the unit's rows through its bus index, the error texts,
// the position commands and their refusals, the unit-index guard and other models.
#include "GeneralPageFixture.h"
#include "device/DeviceType.h"
#include "screens/parallelism/ParallelismGeneralPage.h"

#include <gtest/gtest.h>

namespace {

class ParallelismGeneralPageTest : public ::testing::TestWithParam<bool>,
                                   public GeneralPageFixture<ParallelismGeneralPage> {
protected:
    bool tcp() const { return GetParam(); }
    const std::string& row(int r) const { return page.state().measurements[static_cast<std::size_t>(r)]; }
    void connectTo(const std::string& preset = {})
    {
        startSim("P", tcp(), preset);
        ASSERT_TRUE(connect(tcp())) << (ui.messages.empty() ? "" : ui.messages[0].text);
    }
    // Sets the unit's mode, manual relay and error registers as the device reports them.
    void deviceState(int mode, int manual, int errors)
    {
        sim->setReg(541, static_cast<std::uint16_t>(mode));
        sim->setReg(603, static_cast<std::uint16_t>(manual));
        for (int r = 1960; r <= 1963; ++r)
            sim->setReg(static_cast<std::uint16_t>(r), r == 1962 ? static_cast<std::uint16_t>(errors) : 0);
        page.tick();
    }
};

TEST_P(ParallelismGeneralPageTest, TheUnitsRowsComeThroughItsBusIndex)
{
    startSim("P", tcp(), "p-unit-3");
    sim->setReg(504, 7);
    sim->setReg(524, 8);
    sim->setReg(544, 2);
    sim->setReg(124, 5);
    ASSERT_TRUE(connect(tcp()));
    page.tick();
    EXPECT_EQ(row(0), "7");
    EXPECT_EQ(row(1), "8");
    EXPECT_EQ(row(2), "Individual");
    EXPECT_EQ(page.state().relayLabels[6], "Erro de Medida");
    EXPECT_EQ(page.state().relayLabels[0], "Comando para subir");
    EXPECT_TRUE(page.state().relayLabelsVisible);
}

TEST_P(ParallelismGeneralPageTest, ErrorRegistersShowTheirListedBits)
{
    connectTo();
    const struct {
        int reg, bits, row;
        const char* shown;
    } cases[] = {
        {1961, 12, 4, "Não há mestre; Mais de um mestre"},
        {1961, 0, 4, "Sem Erro"},
        {1964, 2, 7, "Sem Erro"},
        {1964, 1, 7, "Falha do oscilador interno"},
        {1960, 3, 3, "Sem resposta de 1 ou mais comandados; Outro equip. com mesmo endereço"},
        {1962, 0x80, 5, "Sem Erro"},
    };
    for (const auto& c : cases) {
        sim->setReg(static_cast<std::uint16_t>(c.reg), static_cast<std::uint16_t>(c.bits));
        page.tick();
        EXPECT_EQ(row(c.row), c.shown) << c.reg << " = " << c.bits;
    }
}

TEST_P(ParallelismGeneralPageTest, PositionCommandsOnlyInManualMasterOrIndividualModeWithoutErrors)
{
    connectTo();
    const struct {
        int mode, manual, errors;
        const char* message;
        bool sent;
    } cases[] = {
        {1, 1, 0, "Não está no modo mestre ou individual.", false},
        {3, 1, 0, "Não está no modo mestre ou individual.", false},
        {2, 0, 0, "O equipamento está no modo automático. O comando não será executado.", false},
        {0, 1, 1, "Algum erro está ativo. O comando não será executado.", false},
        {2, 1, 0, "Comando enviado", true},
        {0, 1, 0, "Comando enviado", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        deviceState(c.mode, c.manual, c.errors);
        ui.messages.clear();
        const std::uint64_t writes = sim->writeCount();
        page.positionUpClicked();
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(sim->writeCount(), writes + (c.sent ? 1 : 0));
    }
    ui.messages.clear();
    page.positionDownClicked();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Comando enviado"});
}

TEST_P(ParallelismGeneralPageTest, AnInvalidUnitIndexShowsNoUnitAndWritesNothingForIt)
{
    connectTo("p-unit-20");
    page.tick();
    EXPECT_TRUE(comm.connected());
    EXPECT_EQ(row(0), "");
    EXPECT_EQ(row(2), "");
    EXPECT_EQ(row(3), "Sem Erro") << "the errors are the device's, not the unit's";

    // An earlier refusal of the device must not pass for the cause of this one.
    sim->setFaults("exception=3");
    page.tick();
    sim->setFaults("");
    page.tick();
    ASSERT_TRUE(comm.connected());

    const std::uint64_t writes = sim->writeCount();
    const std::string outsideBus = "Endereço do Dispositivo inválido. Deve ser um inteiro entre 0 e 15";
    files.answer = folder / "p.conf";
    page.saveConfigurationClicked();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro ao salvar a configuração\n" + outsideBus});
    EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
    EXPECT_FALSE(std::filesystem::exists(folder / "p.conf"));
    ui.messages.clear();
    page.loadConfigurationClicked();
    EXPECT_EQ(ui.messageTexts(),
              std::vector<std::string>{"Erro na configuração do equipamento. Algumas configurações podem não ter sido "
                                       "carregadas corretamente. (1951)\n" + outsideBus});
    EXPECT_TRUE(files.asked.empty()) << "no file was chosen for a device whose unit has no rows";
    page.positionUpClicked();
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_TRUE(comm.connected());
}

TEST_P(ParallelismGeneralPageTest, OtherModelsSignaturesAreRefused)
{
    const struct {
        const char* preset;
        const char* message;
        std::vector<int> selected;
    } cases[] = {
        {"signature-T", "Assinatura do equipamento é do QLX700T. O seletor no topo da janela será trocado para QLX700T.", {0}},
        {"signature-R", "Assinatura do equipamento é do QLX700R. O seletor no topo da janela será trocado para QLX700R.", {2}},
        {"signature-C", "Assinatura do equipamento inválida.", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        ui.messages.clear();
        selected.clear();
        startSim("P", tcp(), c.preset);
        EXPECT_FALSE(connect(tcp()));
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(selected, c.selected);
    }
}

TEST_P(ParallelismGeneralPageTest, TheConfigurationFileRoundTripsThroughThePage)
{
    connectTo("p-unit-3");
    roundTripConfiguration(kQLX700P, "p.conf");
}

INSTANTIATE_TEST_SUITE_P(Links, ParallelismGeneralPageTest, ::testing::Values(false, true),
                         ParallelismGeneralPageTest::linkName);

} // namespace
