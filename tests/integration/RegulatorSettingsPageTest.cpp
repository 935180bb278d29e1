// The regulator configuration page against the simulated regulator.
#include "PageLinkFixture.h"
#include "screens/regulator/RegulatorControls.h"
#include "screens/regulator/RegulatorSettingsPage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RegulatorSettingsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void SetUp() override
    {
        open("R", GetParam());
        page.activate(comm, 0);
    }
    std::size_t control(const std::string& name) const { return controlIndex(regulatorControls(), name); }
    const std::string& text(const std::string& name) const { return page.controls().values()[control(name)].text; }
    // Types into one edit and leaves it.
    void type(const std::string& name, const std::string& value)
    {
        page.setText(control(name), value);
        page.editLeft();
    }

    RegulatorSettingsPage page{ui, pump};
};

} // namespace

TEST_P(RegulatorSettingsPageTest, OpeningReadsTheSettingsAndShowsThem)
{
    for (int reg : {201, 205, 401, 405, 501, 503, 701, 708})
        EXPECT_TRUE(comm.received(reg)) << reg;
    EXPECT_EQ(text("resistiveDropEdit"), "0.0") << "250 is 0 V";
    EXPECT_EQ(text("vtRatioEdit"), std::to_string(sim->reg(403)));
    EXPECT_EQ(text("ratedCurrentEdit"), "5.0");
    EXPECT_EQ(page.controls().values()[control("ldcTypeGroup")].selected, 0);
    EXPECT_EQ(page.controls().values()[control("positionMeasurementGroup")].selected, 0);
}

TEST_P(RegulatorSettingsPageTest, DecimalFieldsRoundAndRefuseOutsideTheirRange)
{
    struct Case {
        const char* field;
        const char* typed;
        int reg;
        int written; // -1: refused, the register keeps its value
    };
    for (const Case& c : {Case{"resistiveDropEdit", "-2,5", 202, 225}, Case{"resistiveDropEdit", "25.04", 202, 500},
                          Case{"resistiveDropEdit", "25.05", 202, -1},
                          Case{"impedanceCompensationEdit", "0", 204, 0},
                          Case{"impedanceCompensationEdit", "-0.05", 204, -1},
                          Case{"impedanceCompensationEdit", "2.25", 204, 22},
                          Case{"ratedCurrentEdit", "0.1", 405, 1}, Case{"ratedCurrentEdit", "10.04", 405, 100},
                          Case{"vtRatioEdit", "0", 403, -1}, Case{"vtRatioEdit", "12.5", 403, -1},
                          Case{"maxPositionEdit", "50", 706, 50}}) {
        ui.messages.clear();
        const int before = sim->reg(static_cast<std::uint16_t>(c.reg));
        type(c.field, c.typed);
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.written < 0 ? before : c.written)
            << c.field << " " << c.typed;
        EXPECT_EQ(ui.messages.size(), c.written < 0 ? 1u : 0u) << c.field << " " << c.typed;
    }
    // The page shows what the device holds.
    EXPECT_EQ(text("resistiveDropEdit"), "25.0");
    EXPECT_EQ(text("ratedCurrentEdit"), "10.0");
}

TEST_P(RegulatorSettingsPageTest, InvalidFieldsGiveOneMessageEachInTableOrderAndTheValidOnesAreWritten)
{
    page.setText(control("ctRatioEdit"), "0");
    page.setText(control("reactiveDropEdit"), "30");
    page.setText(control("undervoltageEdit"), "42");
    page.editLeft();
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Valor Ux inválido. Deve ser um valor entre -25.0 e 25.0.",
                                                           "Relação TC inválida. Deve ser um inteiro entre 1 e 9999."}));
    EXPECT_EQ(sim->reg(501), 42);
    EXPECT_EQ(pump.pauses.back().count(), 300);
    // The refused fields show the device's values again.
    EXPECT_EQ(text("reactiveDropEdit"), "0.0");
    EXPECT_EQ(text("ctRatioEdit"), std::to_string(sim->reg(404)));
}

TEST_P(RegulatorSettingsPageTest, AnUnchangedPageSendsNothing)
{
    const std::uint64_t before = sim->writeCount();
    page.editLeft();
    page.optionChosen(control("ldcTypeGroup"), 0);
    EXPECT_EQ(sim->writeCount(), before);
    EXPECT_TRUE(ui.messages.empty());

    page.optionChosen(control("connectionTypeGroup"), 2);
    EXPECT_EQ(sim->reg(402), 2);
}

TEST_P(RegulatorSettingsPageTest, ARefusedWriteIsReported)
{
    sim->setFaults(refusal());
    type("maxCompensationEdit", "7");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(sim->reg(205), 20);
    sim->setFaults("");
    page.redraw();
    EXPECT_EQ(text("maxCompensationEdit"), "20");
}

INSTANTIATE_TEST_SUITE_P(Links, RegulatorSettingsPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);
