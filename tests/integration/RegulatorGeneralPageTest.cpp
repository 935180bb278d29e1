// The QLX700-R general page against the simulated regulator.
#include "ConfigFileSimChanges.h"
#include "GeneralPageFixture.h"
#include "device/DeviceType.h"
#include "screens/regulator/RegulatorGeneralPage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

// The R's page also reports how many current outputs the device has calibrated.
class RegulatorGeneralPageFixture : public GeneralPageFixture<RegulatorGeneralPage> {
public:
    RegulatorGeneralPageFixture() : GeneralPageFixture([this](int n) { outputCounts.push_back(n); }) {}

    std::vector<int> outputCounts;
};

class RegulatorGeneralPageTest : public ::testing::TestWithParam<bool>, public RegulatorGeneralPageFixture {
protected:
    void SetUp() override
    {
        startSim("R", GetParam());
        sim->setReg(1013, 985);
        sim->setReg(1014, 0);
        sim->setReg(1015, 12);
        sim->setReg(704, 9);
        sim->setReg(703, 3);
        ASSERT_TRUE(connect(GetParam()));
    }
    const std::string& position() const { return page.state().measurements[8]; }
};

} // namespace

TEST_P(RegulatorGeneralPageTest, ConnectingReadsTheRegulatorAndTheClockComesWithTheFirstRefresh)
{
    for (int reg : {1500, 1600, 1603, 2000, 2501, 2502, 2001, 703, 1001, 1015, 704, 1700, 1702, 2510, 2515, 2670, 401})
        EXPECT_TRUE(comm.received(reg)) << reg;
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(page.general().connected);
    EXPECT_EQ(page.general().clockText, "") << "601..606 are not among the first reads";
    EXPECT_EQ(position(), "3R") << "read at connection";
    EXPECT_EQ(outputCounts, std::vector<int>{3});

    page.tick();
    EXPECT_EQ(page.general().clockText.size(), 19u);
    for (int reg : {601, 606, 1100, 1109, 801, 802, 804})
        EXPECT_TRUE(comm.received(reg)) << reg;
}

TEST_P(RegulatorGeneralPageTest, TimerShowsMeasurementsInTheirUnits)
{
    sim->setReg(1001, 1153);
    sim->setReg(1002, 251);
    sim->setReg(1004, 402);
    sim->setReg(1007, 866);
    sim->setReg(1010, 12);
    sim->setReg(804, 7);
    sim->setReg(1102, 1);
    sim->setReg(1103, 0);
    page.tick();
    const auto& s = page.state();
    EXPECT_EQ(s.measurements[0], "115.3 V");
    EXPECT_EQ(s.measurements[1], "2.51 A");
    EXPECT_EQ(s.measurements[3], "402 A");
    EXPECT_EQ(s.measurements[6], "0.866");
    EXPECT_EQ(s.measurements[7], "1") << "set 0 is shown as 1";
    EXPECT_EQ(s.secondMeasurements[2], "1.2 MVAr");
    EXPECT_EQ(s.secondMeasurements[5], "-1.5 %");
    EXPECT_EQ(s.secondMeasurements[8], "7 milhões");
    EXPECT_EQ(s.relays[2].lamp, 0xFF0000u);
    EXPECT_EQ(s.relays[2].picture, RelayLamp::Contact::Closed);
    EXPECT_EQ(s.relays[3].picture, RelayLamp::Contact::Open);
    EXPECT_EQ(s.indicationMode, 3);

    page.setLanguage(1);
    page.setDecimalSeparator(',');
    page.tick();
    EXPECT_EQ(page.state().secondMeasurements[8], "7 millions");
    EXPECT_EQ(page.state().measurements[0], "115,3 V");
}

TEST_P(RegulatorGeneralPageTest, PositionFollowsTheIndicationModeAndThePositionSource)
{
    struct Case {
        int mode, present;
        std::string shown;
    };
    for (const Case& c : {Case{3, 5, "4L"}, Case{3, 12, "3R"}, Case{3, 9, "N"}, Case{4, 5, "4R"}, Case{4, 12, "3L"},
                          Case{0, 12, "12"}, Case{1, 5, "-4"}, Case{2, 5, "4"}}) {
        sim->setReg(703, static_cast<std::uint16_t>(c.mode));
        sim->setReg(1015, static_cast<std::uint16_t>(c.present));
        page.tick();
        EXPECT_EQ(position(), c.shown) << c.mode << " " << c.present;
    }
    // Another mode keeps what the cell shows; the group shows its last item.
    sim->setReg(703, 7);
    page.tick();
    EXPECT_EQ(position(), "4");
    EXPECT_EQ(page.state().indicationMode, 4);
}

TEST_P(RegulatorGeneralPageTest, UpAndDownMoveTheTapAndThePositionFollows)
{
    sim->setReg(703, 0);
    page.positionUpClicked();
    EXPECT_EQ(sim->reg(1015), 13);
    page.positionDownClicked();
    page.positionDownClicked();
    EXPECT_EQ(sim->reg(1015), 11);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Comando enviado", "Comando enviado", "Comando enviado"}));
    page.tick();
    EXPECT_EQ(position(), "11");

    ui.messages.clear();
    sim->setFaults("drop");
    page.positionUpClicked();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
}

TEST_P(RegulatorGeneralPageTest, ResetWritesThePresentPositionIntoBothExtremesAfterTheQuestion)
{
    sim->setReg(801, 12);
    sim->setReg(802, 14);
    sim->setReg(804, 33);
    ui.answers = {false};
    const std::uint64_t before = sim->writeCount();
    page.resetMaxMinCountClicked();
    EXPECT_EQ(sim->writeCount(), before);
    EXPECT_EQ(sim->reg(804), 33);

    ui.answers = {true};
    page.resetMaxMinCountClicked();
    EXPECT_EQ(sim->reg(801), 12);
    EXPECT_EQ(sim->reg(802), 12);
    EXPECT_EQ(sim->reg(804), 0);
    EXPECT_EQ(ui.messages.front().text, "Deseja resetar a memória de comutações e as posições máximas e mínimas?");
    EXPECT_EQ(ui.messages.back().text, "Memória resetada");

    // Forced: the values already held are written again.
    const std::uint64_t again = sim->writeCount();
    ui.answers = {true};
    page.resetMaxMinCountClicked();
    EXPECT_GT(sim->writeCount(), again);

    ui.answers = {true};
    sim->setFaults("exception=4");
    page.resetMaxMinCountClicked();
    EXPECT_EQ(ui.messages.back().text, "Erro ao apagar a memória");
}

TEST_P(RegulatorGeneralPageTest, IndicationModeAndLanguageAreWritten)
{
    page.indicationModeChosen(4);
    EXPECT_EQ(sim->reg(703), 4);
    page.deviceLanguageChosen(2);
    EXPECT_EQ(sim->reg(1500), 2);
    EXPECT_TRUE(ui.messages.empty());

    sim->setFaults("exception=4");
    page.indicationModeChosen(1);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(sim->reg(703), 4);
}

TEST_P(RegulatorGeneralPageTest, PcClockRefusesYearsOutsideTheDevicesRange)
{
    ui.answers = {true};
    const std::uint64_t before = sim->writeCount();
    page.adjustClockFromPcClicked({2100, 1, 1, 0, 0, 0});
    EXPECT_EQ(sim->writeCount(), before);
    EXPECT_EQ(ui.messages.back().text, "Erro no envio do comando.");

    ui.answers = {true};
    page.adjustClockFromPcClicked({2031, 5, 6, 7, 8, 9});
    EXPECT_EQ(sim->reg(606), 31);
    EXPECT_EQ(sim->reg(601), 7);
}

TEST_P(RegulatorGeneralPageTest, ASilentRegulatorKeepsItsLastValuesThenIsDisconnected)
{
    page.tick();
    const std::string voltage = page.state().measurements[0];
    ASSERT_FALSE(voltage.empty());
    sim->setFaults("silent-after=0");
    for (int tick = 1; tick <= 3; ++tick) {
        page.tick();
        EXPECT_TRUE(page.general().stale) << tick;
        EXPECT_EQ(page.state().measurements[0], voltage) << tick;
    }
    page.tick();
    EXPECT_FALSE(comm.connected());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Equipamento desconectado"});
    EXPECT_EQ(page.state().measurements[0], "");
    EXPECT_EQ(page.state().indicationMode, -1);
    EXPECT_EQ(page.state().relays[0].picture, RelayLamp::Contact::None);
}

// The file holds the password and the network settings with the sets, compensation,
// limits, tap changer and outputs; a load through the page restores all of them.
TEST_P(RegulatorGeneralPageTest, ConfigurationFileRoundTripThroughThePage)
{
    std::set<int> saved;
    for (const RegisterRun& run : configurationRuns(kQLX700R, 0)) {
        for (int r = run.first; r < run.first + run.count; ++r)
            saved.insert(r);
    }
    for (int reg : {1600, 1603, 1700, 1702, 1, 151, 202, 405, 707, 708, 311})
        EXPECT_TRUE(saved.count(reg)) << reg;

    ASSERT_NO_FATAL_FAILURE(roundTripConfiguration(kQLX700R, "r.conf"));

    // A device that stops answering leaves the saved file as it was.
    const std::string kept = TempFolder::read(folder / "r.conf");
    sim->setFaults("silent-after=0");
    page.saveConfigurationClicked();
    EXPECT_EQ(ui.messageTexts().back().rfind("Erro na leitura da configuração do equipamento.", 0), 0u);
    EXPECT_EQ(TempFolder::read(folder / "r.conf"), kept);
}

INSTANTIATE_TEST_SUITE_P(Links, RegulatorGeneralPageTest, ::testing::Values(false, true),
                         RegulatorGeneralPageTest::linkName);

TEST(RegulatorGeneralPageConnect, OtherModelsSwitchOrAreInvalid)
{
    struct Case {
        std::string model;
        std::vector<int> selected;
        std::string text;
    };
    for (const Case& c :
         {Case{"T", {0}, "Assinatura do equipamento é do QLX700T. O seletor no topo da janela será trocado para QLX700T."},
          Case{"P", {1}, "Assinatura do equipamento é do QLX700P. O seletor no topo da janela será trocado para QLX700P."},
          Case{"IRR", {}, "Assinatura do equipamento inválida."}, Case{"C", {}, "Assinatura do equipamento inválida."}}) {
        RegulatorGeneralPageFixture f;
        f.startSim(c.model);
        EXPECT_FALSE(f.connect());
        EXPECT_FALSE(f.comm.connected());
        EXPECT_EQ(f.selected, c.selected) << c.model;
        EXPECT_EQ(f.ui.messageTexts(), std::vector<std::string>{c.text}) << c.model;
        EXPECT_TRUE(f.outputCounts.empty());
    }
}

// Gains of the three current outputs as 32-bit floats (low word first).
TEST(RegulatorGeneralPageConnect, CurrentOutputCountComesFromTheGains)
{
    struct Case {
        float gains[3];
        int count;
    };
    for (const Case& c : {Case{{1, 1, 0}, 2}, Case{{0, 1, 1}, 0}, Case{{1, 1, 1}, 3}, Case{{-0.5f, 0.00005f, 1}, 1}}) {
        RegulatorGeneralPageFixture f;
        f.startSim("R");
        for (int i = 0; i < 3; ++i) {
            std::uint32_t bits = 0;
            std::memcpy(&bits, &c.gains[i], sizeof bits);
            f.sim->setReg(static_cast<std::uint16_t>(2510 + 2 * i), static_cast<std::uint16_t>(bits & 0xFFFF));
            f.sim->setReg(static_cast<std::uint16_t>(2511 + 2 * i), static_cast<std::uint16_t>(bits >> 16));
        }
        ASSERT_TRUE(f.connect());
        EXPECT_EQ(f.outputCounts, std::vector<int>{c.count}) << c.gains[0] << " " << c.gains[1] << " " << c.gains[2];
    }
}

TEST(RegulatorGeneralPageConnect, NoPositionReadingEmptiesTheCell)
{
    RegulatorGeneralPageFixture f;
    f.startSim("R");
    f.sim->setReg(2670, 3);
    ASSERT_TRUE(f.connect());
    f.page.tick();
    EXPECT_EQ(f.page.state().measurements[8], "");
    EXPECT_NE(f.page.state().measurements[0], "");
}
