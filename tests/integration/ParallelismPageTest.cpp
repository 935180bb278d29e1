// The QLX700-P's parallelism page against the simulated unit over its pseudo-terminal
// and TCP: fields at the unit's bus index, their bounds, an address change that moves
// the page to the new index, sends that change nothing, and an index outside 0..15.
#include "PageLinkFixture.h"
#include "screens/parallelism/ParallelismPage.h"

#include <gtest/gtest.h>

namespace {

class ParallelismPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& preset = {})
    {
        open("P", GetParam());
        if (!preset.empty())
            sim->applyPreset(preset);
        page.activate(comm, 0);
    }
    std::size_t control(const std::string& name) const { return controlIndex(page.controls().controls(), name); }
    void setText(const std::string& name, const std::string& text) { page.setText(control(name), text); }
    void type(const std::string& name, const std::string& text)
    {
        setText(name, text);
        page.editLeft();
    }
    const std::string& shown(const std::string& name) const { return page.controls().values()[control(name)].text; }
    int selected(const std::string& name) const { return page.controls().values()[control(name)].selected; }

    ParallelismPage page{ui, pump};
};

TEST_P(ParallelismPageTest, FieldsAreCheckedAndValidOnesStillGoOut)
{
    openPage();
    const struct {
        const char* edit;
        const char* typed;
        int reg, stored; // -1: refused
        const char* message;
    } cases[] = {
        {"resistancePerPositionEdit", "12,5", 61, 125, nullptr},
        {"resistancePerPositionEdit", "2.9", 61, -1,
         "Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0"},
        {"resistancePerPositionEdit", "20.1", 61, -1,
         "Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0"},
        {"busSizeEdit", "16", 21, 16, nullptr},
        {"busSizeEdit", "0", 21, -1, "Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"},
        {"busSizeEdit", "17", 21, -1, "Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"},
        {"positionCountEdit", "51", 41, -1, "Número de posições inválido. Deve ser um inteiro entre 2 e 50"},
        {"parallelismErrorTimeEdit", "100", 81, 100, nullptr},
        {"configurationErrorTimeEdit", "9", 101, -1,
         "Tempo de erro de configuração inválido. Deve ser um inteiro entre 10 e 100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::uint16_t before = sim->reg(static_cast<std::uint16_t>(c.reg));
        ui.messages.clear();
        type(c.edit, c.typed);
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.stored < 0 ? before : c.stored);
        EXPECT_EQ(ui.messageTexts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        page.activate(comm, 0);
    }
    // One invalid field does not hold back the others.
    ui.messages.clear();
    setText("busSizeEdit", "0");
    setText("positionCountEdit", "33");
    page.optionChosen(control("relay8FunctionGroup"), 9);
    EXPECT_EQ(sim->reg(41), 33);
    EXPECT_EQ(sim->reg(141), 9);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"});
}

TEST_P(ParallelismPageTest, UnchangedFieldsSendNothing)
{
    openPage();
    const std::uint64_t writes = sim->writeCount();
    page.editLeft();
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(ParallelismPageTest, ANewAddressMovesThePageToThatUnitsEntries)
{
    open("P", GetParam());
    sim->setReg(3, 2);
    sim->setReg(23, 7);
    sim->setReg(63, 155);
    sim->setReg(143, 4);
    page.activate(comm, 0);
    ASSERT_EQ(shown("addressEdit"), "0");
    type("addressEdit", "2");
    EXPECT_EQ(sim->reg(1951), 2);
    EXPECT_EQ(shown("addressEdit"), "2");
    EXPECT_EQ(shown("busSizeEdit"), "7");
    EXPECT_EQ(shown("resistancePerPositionEdit"), "15.5");
    EXPECT_EQ(selected("relay8FunctionGroup"), 4);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(ParallelismPageTest, AnIndexOutsideTheBusShowsAndWritesNothingPerUnit)
{
    openPage("p-unit-20");
    EXPECT_EQ(shown("busSizeEdit"), "");
    EXPECT_EQ(selected("relay7FunctionGroup"), -1);
    const std::uint64_t writes = sim->writeCount();
    setText("busSizeEdit", "5");
    page.editLeft();
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_TRUE(comm.connected());
}

INSTANTIATE_TEST_SUITE_P(Links, ParallelismPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

} // namespace
