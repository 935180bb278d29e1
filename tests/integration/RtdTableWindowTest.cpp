// The RTD gain and offset table against simulated devices.
#include "PageLinkFixture.h"
#include "screens/calibration/RtdTableWindow.h"
#include "settings/FloatWords.h"

#include <gtest/gtest.h>

namespace {

class RtdTableWindowTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    bool enter(int row, int column, const std::string& text)
    {
        window.selectCell(row, column);
        window.setCellText(text);
        return window.cellEditConfirmed();
    }
    RtdTableWindow window{ui};
};

} // namespace

TEST_P(RtdTableWindowTest, GainsAndOffsetsAreCheckedAndWrittenAsFloatPairs)
{
    open("T", GetParam());
    sim->applyPreset("rtd-gain-nan");
    window.open(comm, 0);
    ASSERT_EQ(window.rows().size(), 6u);
    EXPECT_EQ(window.rows()[0][1], "0.0000") << "a NaN gain shows as 0";
    const double raw = comm.registerValue(2581) / 100.0;
    char before[32];
    std::snprintf(before, sizeof before, "%.2f", raw);
    EXPECT_EQ(window.rows()[1][3], before);

    ASSERT_TRUE(enter(2, 1, "1.5"));
    EXPECT_EQ(sim->reg(2542), 0x0000);
    EXPECT_EQ(sim->reg(2543), 0x3FC0);
    ASSERT_TRUE(enter(2, 2, "-2,5"));
    EXPECT_FLOAT_EQ(WordsToSingle(sim->reg(2562), sim->reg(2563)), -2.5f);
    EXPECT_EQ(window.rows()[1][1], "1.5000");
    char after[32];
    std::snprintf(after, sizeof after, "%.2f", comm.registerValue(2581) / 100.0 * 1.5 - 2.5);
    EXPECT_EQ(window.rows()[1][4], after);
    EXPECT_TRUE(ui.messages.empty());

    const std::uint64_t writes = sim->writeCount();
    EXPECT_FALSE(enter(3, 1, "1.6"));
    EXPECT_FALSE(enter(3, 1, "0.49"));
    EXPECT_FALSE(enter(3, 2, "10.5"));
    EXPECT_FALSE(enter(3, 2, "x"));
    EXPECT_EQ(ui.messageTexts(),
              (std::vector<std::string>{"Valor de ganho inválido. Deve ser um valor entre 0.5 e 1.5.",
                                        "Valor de ganho inválido. Deve ser um valor entre 0.5 e 1.5.",
                                        "Valor de offset inválido. Deve ser um valor entre -10.0 e 10.0.",
                                        "Valor numérico inválido."}));
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_TRUE(window.editing());

    sim->setFaults(refusal());
    ui.messages.clear();
    EXPECT_TRUE(enter(3, 1, "1.1"));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio da configuração para o equipamento."});
    EXPECT_EQ(window.rows()[2][1], "1.0000") << "the device's value stays on the screen";
}

TEST_P(RtdTableWindowTest, TheRegulatorShowsOneRow)
{
    open("R", GetParam());
    window.open(comm, 0);
    ASSERT_EQ(window.rows().size(), 1u);
    window.tick();
    EXPECT_NE(window.rows()[0][3], "-");
}

INSTANTIATE_TEST_SUITE_P(Links, RtdTableWindowTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp));
