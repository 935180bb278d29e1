// The QLX700-T general frame once connected: live view, settings, clock and files.
#include "FrameConfGeralFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class FrameConfGeralLive : public ::testing::Test, public FrameConfGeralFixture {
protected:
    void SetUp() override
    {
        startSim("T");
        typePassword("QWKZ");
        ASSERT_TRUE(connectSerial());
    }
};

} // namespace

TEST_F(FrameConfGeralLive, TimerShowsTheDevice)
{
    sim->setReg(501, 1500);
    sim->setReg(502, 0);
    sim->setReg(507, 123);
    sim->setReg(404, 9);
    sim->setReg(405, 3);
    sim->setReg(406, 7);
    sim->setReg(603, 1);
    comm.storeRegisterValue(103, 1);
    frame.Timer1Timer();
    const auto& s = frame.state();
    EXPECT_EQ(s.medidasEnrolamento[0][0], "0.0ºC");
    EXPECT_EQ(s.medidasEnrolamento[1][0], "-150.0ºC");
    EXPECT_EQ(s.medidasEnrolamento[0][2], "12.3 %");
    EXPECT_EQ(frame.general().pnRelogio.substr(0, 10), "09/03/2007");
    EXPECT_EQ(s.relays[2].picture, RelayLamp::Contact::Open);
    EXPECT_EQ(s.relays[2].lamp, 0x000000u);

    sim->setReg(603, 0);
    frame.SetIdioma(1);
    EXPECT_EQ(frame.general().pnNumSerie.text.rfind("Serial Num.: ", 0), 0u);
    EXPECT_EQ(frame.general().pnRelogio.substr(0, 10), "03/09/2007") << "the language's order at once";
    frame.setDecimalSeparator(',');
    frame.Timer1Timer();
    EXPECT_EQ(frame.state().relays[2].picture, RelayLamp::Contact::Closed);
    EXPECT_EQ(frame.state().relays[2].lamp, 0xFF0000u);
    EXPECT_EQ(frame.general().pnRelogio.substr(0, 10), "03/09/2007");
    EXPECT_EQ(frame.state().medidasEnrolamento[0][2], "12,3 %");
}

TEST_F(FrameConfGeralLive, SettingsAreWrittenOnlyWhenChanged)
{
    const int mode = comm.registerValue(201);
    const std::uint64_t before = sim->requestCount();
    frame.rgVisualizacaoClick(mode);
    EXPECT_EQ(sim->requestCount(), before);

    frame.rgVisualizacaoClick((mode + 1) % 3);
    EXPECT_EQ(sim->reg(201), (mode + 1) % 3);
    EXPECT_TRUE(ui.messages.empty());
}

// The radio group shows the device's value again once the refusal is known.
TEST_F(FrameConfGeralLive, ARefusedSettingIsReportedAndTheDevicesValueComesBack)
{
    const int mode = comm.registerValue(201);
    sim->setFaults("exception=2");
    frame.rgVisualizacaoClick((mode + 1) % 3);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    sim->setFaults("");
    frame.Timer1Timer();
    EXPECT_EQ(frame.state().rgVisualizacao, mode);
    EXPECT_EQ(sim->reg(201), mode);
}

TEST_F(FrameConfGeralLive, RelayNamesGoToConfIni)
{
    frame.setEdRele(8, "Bomba");
    frame.edRele1Exit();
    EXPECT_NE(TempFolder::read(folder / "conf.ini").find("Bomba"), std::string::npos);
}

TEST_F(FrameConfGeralLive, PcClockAsksAndRefusesYearsTheDeviceCannotHold)
{
    ui.answers = {true, true, false};
    frame.bbAjustarRelogioComputadorClick({2100, 5, 6, 7, 8, 9});
    EXPECT_EQ(ui.messageTexts().back(), "Erro no envio do comando.");
    EXPECT_NE(sim->reg(406), 100);

    frame.bbAjustarRelogioComputadorClick({2031, 5, 6, 7, 8, 9});
    EXPECT_EQ(sim->reg(401), 7);
    EXPECT_EQ(sim->reg(404), 6);
    EXPECT_EQ(sim->reg(405), 5);
    EXPECT_EQ(sim->reg(406), 31);

    const std::size_t shown = ui.messages.size();
    frame.bbAjustarRelogioComputadorClick({2032, 1, 1, 1, 1, 1});
    EXPECT_EQ(sim->reg(406), 31);
    EXPECT_EQ(ui.messages.size(), shown + 1); // the question only
}

TEST_F(FrameConfGeralLive, SaveAndLoadThroughTheFrame)
{
    files.answer = folder / "t.conf";
    frame.bbSalvarConfClick();
    EXPECT_EQ(ui.messageTexts().back(), "Configuração salva com sucesso");
    EXPECT_EQ(settings.record().connection(0).LastConfFile, (folder / "t.conf").string());

    ui.log.clear();
    frame.bbCarregarConfClick();
    // The window's load keeps the device's configuration in backups/, as the command
    // line does, and says where.
    const std::string loaded = ui.messageTexts().back();
    EXPECT_EQ(loaded.substr(0, loaded.find('\n')), "Configuração carregada com sucesso");
    const std::string prefix = "Cópia de segurança da configuração anterior: ";
    const auto at = loaded.find(prefix);
    ASSERT_NE(at, std::string::npos) << loaded;
    const std::filesystem::path backup = loaded.substr(at + prefix.size());
    EXPECT_TRUE(std::filesystem::is_regular_file(backup)) << backup;
    EXPECT_EQ(backup.parent_path().filename(), "backups");
    EXPECT_EQ(ui.log.front(), "notice open: Carregando configuração...");
    // The notice counts the written rows up to the end.
    std::vector<int> percents;
    for (const std::string& line : ui.log) {
        const std::string prefix = "notice: Carregando configuração... ";
        if (line.rfind(prefix, 0) == 0)
            percents.push_back(std::stoi(line.substr(prefix.size())));
    }
    ASSERT_GE(percents.size(), 2u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
    EXPECT_EQ(files.asked, (std::vector<std::string>{"Salvar Configuração", "Carregar Configuração"}));
}

TEST_F(FrameConfGeralLive, FileFailuresAreReported)
{
    TempFolder::write(folder / "other.conf", "[Geral]\nTipo=9\n");
    files.answer = folder / "other.conf";
    frame.bbCarregarConfClick();
    // The message keeps its text and says why on a second line.
    EXPECT_EQ(ui.messageTexts().back(), "Erro na configuração do equipamento. Algumas configurações podem não ter "
                                        "sido carregadas corretamente. (-1)\n"
                                            + (folder / "other.conf").string() + " holds no QLX700-T configuration");
    EXPECT_EQ(ui.log.back(), "message: " + ui.messageTexts().back()); // the notice went first

    TempFolder::write(folder / "r.conf", "[GeneralConf]\nDeviceSignature=58202\n[ConfConjunto0]\n");
    files.answer = folder / "r.conf";
    frame.bbCarregarConfClick();
    EXPECT_NE(ui.messageTexts().back().find("(-1)\n" + (folder / "r.conf").string()
                                             + " is not a QLX700-T configuration: it is a QLX700-R file"),
              std::string::npos)
        << ui.messageTexts().back();
    EXPECT_FALSE(std::filesystem::exists(folder / "backups")) << "a refused file takes no backup";

    sim->setFaults("silent-after=0");
    files.asked.clear();
    frame.bbSalvarConfClick();
    EXPECT_EQ(ui.messageTexts().back(), "Erro na leitura da configuração do equipamento.\nregister 1: time-out (no answer)");
    EXPECT_TRUE(files.asked.empty());
}

TEST_F(FrameConfGeralLive, ButtonsDoNothingWithoutALink)
{
    frame.Desconectar();
    EXPECT_FALSE(frame.state().edReleEnabled);
    EXPECT_EQ(frame.state().rgVisualizacao, -1);
    const std::uint64_t before = sim->requestCount();
    ui.log.clear();
    frame.bbAjustarRelogioComputadorClick({2031, 1, 1, 1, 1, 1});
    frame.bbAjustarRelogioManualClick();
    frame.bbAlterarSenhaClick();
    frame.bbAlterarIPClick();
    frame.bbSalvarConfClick();
    frame.bbCarregarConfClick();
    frame.rgIdiomaClick(2);
    frame.Timer1Timer();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(sim->requestCount(), before);
}

TEST_F(FrameConfGeralLive, ValueTestFormSendsOneForcedBlock)
{
    TFormTesteValores& form = frame.testeValores();
    form.Ativar(comm, 0);
    EXPECT_EQ(form.labels()[6], "Corr1");
    frame.SetIdioma(1);
    EXPECT_EQ(form.labels()[6], "Curr1");

    for (int row = 1; row <= TFormTesteValores::kRowCount; ++row)
        form.setValor(row, "1");
    form.setValor(1, "100");
    form.setValor(7, "1.5");
    form.setValor(3, "abc");
    const std::uint64_t before = sim->requestCount();
    form.bbEnviaClick(true);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Invalid value: abc"});
    EXPECT_EQ(sim->requestCount(), before);

    form.setValor(3, "7000");
    form.setCbAtiva(false);
    sim->setReg(2150, 1);
    comm.storeRegisterValue(2150, 0); // forced: sent although the image already holds it
    form.bbEnviaClick(true);
    EXPECT_EQ(sim->reg(2150), 0);
    EXPECT_EQ(sim->reg(2151), 1000);
    EXPECT_EQ(sim->reg(2153), 65535);
    EXPECT_EQ(sim->reg(2157), 150);
    EXPECT_EQ(sim->reg(2159), 100);

    form.setCbAtiva(true);
    form.bbEnviaClick(true);
    EXPECT_EQ(sim->reg(2150), 2);
    form.Ativar(comm, 1);
    EXPECT_TRUE(form.cbAtiva());
    EXPECT_EQ(form.valores()[0], "100.0");
    EXPECT_EQ(form.valores()[6], "1.50");
}
