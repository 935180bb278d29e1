// The RTD gain and offset table against simulated devices.
#include "PageLinkFixture.h"
#include "screens/calibration/FormCalibRTDF.h"
#include "settings/FloatWords.h"

#include <gtest/gtest.h>

namespace {

class FormCalibRTDTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    bool enter(int row, int column, const std::string& text)
    {
        form.selectCell(row, column);
        form.setEdVal(text);
        return form.edValConfirm();
    }
    TFormCalibRTD form{ui};
};

} // namespace

TEST_P(FormCalibRTDTest, GainsAndOffsetsAreCheckedAndWrittenAsFloatPairs)
{
    open("T", GetParam());
    sim->applyPreset("rtd-gain-nan");
    form.Show(comm, 0);
    ASSERT_EQ(form.rows().size(), 6u);
    EXPECT_EQ(form.rows()[0][1], "0.0000") << "a NaN gain shows as 0";
    const double raw = comm.registerValue(2581) / 100.0;
    char before[32];
    std::snprintf(before, sizeof before, "%.2f", raw);
    EXPECT_EQ(form.rows()[1][3], before);

    ASSERT_TRUE(enter(2, 1, "1.5"));
    EXPECT_EQ(sim->reg(2542), 0x0000);
    EXPECT_EQ(sim->reg(2543), 0x3FC0);
    ASSERT_TRUE(enter(2, 2, "-2,5"));
    EXPECT_FLOAT_EQ(WordsToSingle(sim->reg(2562), sim->reg(2563)), -2.5f);
    EXPECT_EQ(form.rows()[1][1], "1.5000");
    char after[32];
    std::snprintf(after, sizeof after, "%.2f", comm.registerValue(2581) / 100.0 * 1.5 - 2.5);
    EXPECT_EQ(form.rows()[1][4], after);
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
    EXPECT_TRUE(form.editing());

    sim->setFaults(refusal());
    ui.messages.clear();
    EXPECT_TRUE(enter(3, 1, "1.1"));
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio da configuração para o equipamento."});
    EXPECT_EQ(form.rows()[2][1], "1.0000") << "the device's value stays on the screen";
}

TEST_P(FormCalibRTDTest, TheRegulatorShowsOneRow)
{
    open("R", GetParam());
    form.Show(comm, 0);
    ASSERT_EQ(form.rows().size(), 1u);
    form.Timer1Timer();
    EXPECT_NE(form.rows()[0][3], "-");
}

INSTANTIATE_TEST_SUITE_P(Links, FormCalibRTDTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp));
