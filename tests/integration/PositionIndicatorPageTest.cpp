// The QLX700-C's position indicator page against the simulated device over its
// pseudo-terminal and TCP: what it shows, the resistance bounds, the reading mode,
// and which actions send.
#include "PageLinkFixture.h"
#include "screens/position/PositionIndicatorPage.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kMsgResistance = "Valor de Resistência por Posição inválido. Deve ser um valor entre 3.0 e 20.0.";

class PositionIndicatorPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage()
    {
        open("C", GetParam());
        page.activate(comm, 0);
    }
    std::size_t control(const std::string& name) const { return controlIndex(page.controls().controls(), name); }
    void setText(const std::string& name, const std::string& text) { page.setText(control(name), text); }
    void typeResistance(const std::string& text)
    {
        setText("resistancePerPositionEdit", text);
        page.editLeft();
    }
    const ControlValue& shown(const std::string& name) const { return page.controls().values()[control(name)]; }
    void chooseReadingMode(int index) { page.optionChosen(control("readingModeGroup"), index); }

    PositionIndicatorPage page{ui, pump};
};

TEST_P(PositionIndicatorPageTest, TheResistanceBoundsAreTheTypedHundredths)
{
    openPage();
    const struct {
        const char* typed;
        int stored; // -1: refused
    } cases[] = {{"2.97", 30}, {"20.04", 200}, {"12,5", 125}, {"3", 30}, {"2.96", -1},
                 {"2.95", -1}, {"20.05", -1},  {"abc", -1},  {"", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        sim->setReg(701, 77);
        comm.readRegisters(701, 1);
        ui.messages.clear();
        typeResistance(c.typed);
        if (c.stored < 0) {
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgResistance});
            EXPECT_EQ(sim->reg(701), 77);
        } else {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(sim->reg(701), c.stored);
        }
    }
    EXPECT_EQ(shown("resistancePerPositionEdit").text, "7.7");
}

TEST_P(PositionIndicatorPageTest, OnlyTheResistanceAndTheReadingModeSend)
{
    openPage();
    const std::uint16_t positions = sim->reg(702);
    const std::uint64_t writes = sim->writeCount();
    setText("positionCountEdit", "20");
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_EQ(sim->reg(702), positions);
    page.editLeft();
    EXPECT_EQ(sim->reg(702), 20);
    EXPECT_EQ(shown("positionCountEdit").text, "20");

    ui.messages.clear();
    setText("minPositionEdit", "0");
    setText("maxPositionEdit", "30");
    chooseReadingMode(1);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Posição Mínima inválida. Deve ser um inteiro entre 1 e 50."});
    EXPECT_EQ(sim->reg(706), 30);
    EXPECT_EQ(sim->reg(707), 1);
    EXPECT_NE(sim->reg(705), 0);
}

TEST_P(PositionIndicatorPageTest, AReadingModeWithoutAnItemSelectsNone)
{
    open("C", GetParam());
    sim->setReg(707, 2);
    page.activate(comm, 0);
    EXPECT_EQ(shown("readingModeGroup").selected, -1);
    // A send from the resistance does not touch the mode the page could not show.
    page.editLeft();
    EXPECT_EQ(sim->reg(707), 2);
    chooseReadingMode(0);
    EXPECT_EQ(sim->reg(707), 0);
    EXPECT_EQ(shown("readingModeGroup").selected, 0);
}

TEST_P(PositionIndicatorPageTest, ARefusedWriteIsReportedAndTheDevicesValueComesBack)
{
    openPage();
    const std::uint16_t before = sim->reg(702);
    sim->setFaults(refusal());
    setText("positionCountEdit", before == 40 ? "41" : "40");
    page.editLeft();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(sim->reg(702), before);
    EXPECT_EQ(shown("positionCountEdit").text, std::to_string(before));
}

INSTANTIATE_TEST_SUITE_P(Links, PositionIndicatorPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

} // namespace
