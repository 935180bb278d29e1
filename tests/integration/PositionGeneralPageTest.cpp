// The QLX700-C general page against the simulated position indicator over its
// pseudo-terminal and TCP: the connect road, what it shows, the device language, the
// signatures of other models and the configuration file through the page.
#include "GeneralPageFixture.h"
#include "device/DeviceType.h"
#include "screens/position/PositionGeneralPage.h"

#include <gtest/gtest.h>

namespace {

class PositionGeneralPageTest : public ::testing::TestWithParam<bool>, public GeneralPageFixture<PositionGeneralPage> {
protected:
    PositionGeneralPageTest()
        : GeneralPageFixture<PositionGeneralPage>([this] { ++outputEntryShown; })
    {
    }
    bool tcp() const { return GetParam(); }
    const std::string& row(int r) const { return page.state().measurements[static_cast<std::size_t>(r)]; }

    int outputEntryShown = 0;
};

TEST_P(PositionGeneralPageTest, ConnectsAndShowsTheMeasurementAsTheDeviceSendsIt)
{
    startSim("C", tcp());
    sim->setReg(1016, 1275);
    sim->setReg(1017, 12345);
    sim->setReg(1015, 0);
    sim->setReg(703, 0);
    sim->setReg(1965, 5);
    sim->setReg(1103, 1);
    ASSERT_TRUE(connect(tcp())) << (ui.messages.empty() ? "" : ui.messages[0].text);
    EXPECT_EQ(outputEntryShown, 1);
    page.tick();
    EXPECT_EQ(row(0), "127.5 ohms");
    EXPECT_EQ(row(1), "12.345 mA");
    EXPECT_EQ(row(2), "0");
    EXPECT_EQ(row(3), "0");
    EXPECT_EQ(row(4), "Posição acima do número de posições");
    EXPECT_EQ(page.state().relays[3].picture, RelayLamp::Contact::Closed);
    EXPECT_EQ(page.state().relays[4].picture, RelayLamp::Contact::Open);
    EXPECT_EQ(page.state().deviceLanguage, 0);

    // A reading mode without an indicated position empties that row alone; the device
    // changing it shows at the next refresh.
    sim->setReg(707, 2);
    sim->setReg(1965, 0);
    page.tick();
    EXPECT_EQ(row(3), "");
    EXPECT_EQ(row(2), "0");
    EXPECT_EQ(row(4), "Sem falha");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(PositionGeneralPageTest, IndicationStylesAroundTheNeutralPosition)
{
    startSim("C", tcp());
    sim->setReg(704, 9);
    ASSERT_TRUE(connect(tcp()));
    const struct {
        int style, position;
        const char* shown;
    } cases[] = {{3, 5, "4L"}, {3, 12, "3R"}, {3, 9, "N"}, {4, 5, "4R"}, {4, 12, "3L"},
                 {1, 5, "-4"}, {2, 5, "4"},   {0, 5, "5"}, {7, 5, ""}};
    for (const auto& c : cases) {
        sim->setReg(703, static_cast<std::uint16_t>(c.style));
        sim->setReg(1015, static_cast<std::uint16_t>(c.position));
        page.tick();
        EXPECT_EQ(row(3), c.shown) << "style " << c.style << " position " << c.position;
    }
}

TEST_P(PositionGeneralPageTest, TheDeviceLanguageIsWrittenAndARefusalReported)
{
    startSim("C", tcp());
    ASSERT_TRUE(connect(tcp()));
    page.deviceLanguageChosen(2);
    EXPECT_EQ(sim->reg(1500), 2);
    EXPECT_EQ(page.state().deviceLanguage, 2);
    EXPECT_TRUE(ui.messages.empty());

    sim->setFaults(tcp() ? "exception=4" : "ignore-writes");
    page.deviceLanguageChosen(1);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(sim->reg(1500), 2);
    EXPECT_EQ(page.state().deviceLanguage, 2) << "the device's value comes back";
}

TEST_P(PositionGeneralPageTest, OtherModelsAreRefusedAndOnlyTheTAndPMoveTheSelector)
{
    const struct {
        const char* preset;
        const char* message;
        std::vector<int> selected;
    } cases[] = {
        {"signature-R", "Assinatura do equipamento inválida.", {}},
        {"signature-IRR", "Assinatura do equipamento inválida.", {}},
        {"signature-T", "Assinatura do equipamento é do QLX700T. O seletor no topo da janela será trocado para QLX700T.", {0}},
        {"signature-P", "Assinatura do equipamento é do QLX700P. O seletor no topo da janela será trocado para QLX700P.", {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preset);
        ui.messages.clear();
        selected.clear();
        startSim("C", tcp(), c.preset);
        EXPECT_FALSE(connect(tcp()));
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(selected, c.selected);
        EXPECT_FALSE(comm.connected());
        EXPECT_EQ(outputEntryShown, 0);
    }
}

TEST_P(PositionGeneralPageTest, TheConfigurationFileRoundTripsThroughThePage)
{
    startSim("C", tcp());
    ASSERT_TRUE(connect(tcp()));
    roundTripConfiguration(kQLX700C, "c.conf");
}

INSTANTIATE_TEST_SUITE_P(Links, PositionGeneralPageTest, ::testing::Values(false, true),
                         PositionGeneralPageTest::linkName);

} // namespace
