// The QLX700-T general page once connected: live view, settings, clock and files.
#include "ThermalGeneralPageFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ThermalGeneralPageLive : public ::testing::Test, public ThermalGeneralPageFixture {
protected:
    void SetUp() override
    {
        startSim("T");
        ASSERT_TRUE(connect());
    }
};

} // namespace

TEST_F(ThermalGeneralPageLive, TimerShowsTheDevice)
{
    sim->setReg(501, 1500);
    sim->setReg(502, 0);
    sim->setReg(507, 123);
    sim->setReg(404, 9);
    sim->setReg(405, 3);
    sim->setReg(406, 7);
    sim->setReg(603, 1);
    comm.storeRegisterValue(103, 1);
    page.tick();
    const auto& s = page.state();
    EXPECT_EQ(s.windingMeasurements[0][0], "0.0ºC");
    EXPECT_EQ(s.windingMeasurements[1][0], "-150.0ºC");
    EXPECT_EQ(s.windingMeasurements[0][2], "12.3 %");
    EXPECT_EQ(page.general().clockText.substr(0, 10), "09/03/2007");
    EXPECT_EQ(s.relays[2].picture, RelayLamp::Contact::Open);
    EXPECT_EQ(s.relays[2].lamp, 0x000000u);

    sim->setReg(603, 0);
    page.setLanguage(1);
    EXPECT_EQ(page.general().serialNumberPanel.text.rfind("Serial Num.: ", 0), 0u);
    EXPECT_EQ(page.general().clockText.substr(0, 10), "03/09/2007") << "the language's order at once";
    page.setDecimalSeparator(',');
    page.tick();
    EXPECT_EQ(page.state().relays[2].picture, RelayLamp::Contact::Closed);
    EXPECT_EQ(page.state().relays[2].lamp, 0xFF0000u);
    EXPECT_EQ(page.general().clockText.substr(0, 10), "03/09/2007");
    EXPECT_EQ(page.state().windingMeasurements[0][2], "12,3 %");
}

TEST_F(ThermalGeneralPageLive, SettingsAreWrittenOnlyWhenChanged)
{
    const int mode = comm.registerValue(201);
    const std::uint64_t before = sim->requestCount();
    page.displayModeChosen(mode);
    EXPECT_EQ(sim->requestCount(), before);

    page.displayModeChosen((mode + 1) % 3);
    EXPECT_EQ(sim->reg(201), (mode + 1) % 3);
    EXPECT_TRUE(ui.messages.empty());
}

// The radio group shows the device's value again once the refusal is known.
TEST_F(ThermalGeneralPageLive, ARefusedSettingIsReportedAndTheDevicesValueComesBack)
{
    const int mode = comm.registerValue(201);
    sim->setFaults("exception=2");
    page.displayModeChosen((mode + 1) % 3);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    sim->setFaults("");
    page.tick();
    EXPECT_EQ(page.state().displayMode, mode);
    EXPECT_EQ(sim->reg(201), mode);
}

TEST_F(ThermalGeneralPageLive, RelayNamesGoToConfIni)
{
    page.setRelayName(8, "Bomba");
    page.relayNameLeft();
    EXPECT_NE(TempFolder::read(folder / "conf.ini").find("Bomba"), std::string::npos);
}

TEST_F(ThermalGeneralPageLive, PcClockAsksAndRefusesYearsTheDeviceCannotHold)
{
    ui.answers = {true, true, false};
    page.adjustClockFromPcClicked({2100, 5, 6, 7, 8, 9});
    EXPECT_EQ(ui.messageTexts().back(), "Erro no envio do comando.");
    EXPECT_NE(sim->reg(406), 100);

    page.adjustClockFromPcClicked({2031, 5, 6, 7, 8, 9});
    EXPECT_EQ(sim->reg(401), 7);
    EXPECT_EQ(sim->reg(404), 6);
    EXPECT_EQ(sim->reg(405), 5);
    EXPECT_EQ(sim->reg(406), 31);

    const std::size_t shown = ui.messages.size();
    page.adjustClockFromPcClicked({2032, 1, 1, 1, 1, 1});
    EXPECT_EQ(sim->reg(406), 31);
    EXPECT_EQ(ui.messages.size(), shown + 1); // the question only
}

TEST_F(ThermalGeneralPageLive, SaveAndLoadThroughThePage)
{
    files.answer = folder / "t.conf";
    page.saveConfigurationClicked();
    EXPECT_EQ(ui.messageTexts().back(), "Configuração salva com sucesso");
    EXPECT_EQ(settings.record().connection(0).LastConfFile, (folder / "t.conf").string());

    ui.log.clear();
    page.loadConfigurationClicked();
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

TEST_F(ThermalGeneralPageLive, FileFailuresAreReported)
{
    TempFolder::write(folder / "other.conf", "[Geral]\nTipo=9\n");
    files.answer = folder / "other.conf";
    page.loadConfigurationClicked();
    // The message keeps its text and says why on a second line.
    EXPECT_EQ(ui.messageTexts().back(), "Erro na configuração do equipamento. Algumas configurações podem não ter "
                                        "sido carregadas corretamente. (-1)\n"
                                            + (folder / "other.conf").string() + " holds no QLX700-T configuration");
    EXPECT_EQ(ui.log.back(), "message: " + ui.messageTexts().back()); // the notice went first

    TempFolder::write(folder / "r.conf", "[GeneralConf]\nDeviceSignature=58202\n[ConfConjunto0]\n");
    files.answer = folder / "r.conf";
    page.loadConfigurationClicked();
    EXPECT_NE(ui.messageTexts().back().find("(-1)\n" + (folder / "r.conf").string()
                                             + " is not a QLX700-T configuration: it is a QLX700-R file"),
              std::string::npos)
        << ui.messageTexts().back();
    EXPECT_FALSE(std::filesystem::exists(folder / "backups")) << "a refused file takes no backup";

    sim->setFaults("silent-after=0");
    files.asked.clear();
    page.saveConfigurationClicked();
    EXPECT_EQ(ui.messageTexts().back(), "Erro na leitura da configuração do equipamento.\nregister 1: time-out (no answer)");
    EXPECT_TRUE(files.asked.empty());
}

TEST_F(ThermalGeneralPageLive, ButtonsDoNothingWithoutALink)
{
    page.disconnect();
    EXPECT_FALSE(page.state().relayNamesEnabled);
    EXPECT_EQ(page.state().displayMode, -1);
    const std::uint64_t before = sim->requestCount();
    ui.log.clear();
    page.adjustClockFromPcClicked({2031, 1, 1, 1, 1, 1});
    page.adjustClockManuallyClicked();
    page.changePasswordClicked();
    page.changeIpClicked();
    page.saveConfigurationClicked();
    page.loadConfigurationClicked();
    page.deviceLanguageChosen(2);
    page.tick();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.log.empty());
    EXPECT_EQ(sim->requestCount(), before);
}

TEST_F(ThermalGeneralPageLive, ValueTestWindowSendsOneForcedBlock)
{
    ValueTestWindow& window = page.valueTestWindow();
    window.activate(comm, 0);
    EXPECT_EQ(window.labels()[6], "Corr1");
    page.setLanguage(1);
    EXPECT_EQ(window.labels()[6], "Curr1");

    for (int row = 1; row <= ValueTestWindow::kRowCount; ++row)
        window.setValue(row, "1");
    window.setValue(1, "100");
    window.setValue(7, "1.5");
    window.setValue(3, "abc");
    const std::uint64_t before = sim->requestCount();
    window.sendClicked(true);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Invalid value: abc"});
    EXPECT_EQ(sim->requestCount(), before);

    window.setValue(3, "7000");
    window.setTestActive(false);
    sim->setReg(2150, 1);
    comm.storeRegisterValue(2150, 0); // forced: sent although the image already holds it
    window.sendClicked(true);
    EXPECT_EQ(sim->reg(2150), 0);
    EXPECT_EQ(sim->reg(2151), 1000);
    EXPECT_EQ(sim->reg(2153), 65535);
    EXPECT_EQ(sim->reg(2157), 150);
    EXPECT_EQ(sim->reg(2159), 100);

    window.setTestActive(true);
    window.sendClicked(true);
    EXPECT_EQ(sim->reg(2150), 2);
    window.activate(comm, 1);
    EXPECT_TRUE(window.testActive());
    EXPECT_EQ(window.values()[0], "100.0");
    EXPECT_EQ(window.values()[6], "1.50");
}
