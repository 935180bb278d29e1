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
    void type(ParallelismEdit edit, const std::string& text)
    {
        page.setEdit(edit, text);
        page.editLeft();
    }
    const std::string& shown(ParallelismEdit e) const { return page.state().edits[static_cast<std::size_t>(e)]; }

    ParallelismPage page{ui, pump};
};

TEST_P(ParallelismPageTest, FieldsAreCheckedAndValidOnesStillGoOut)
{
    openPage();
    const struct {
        ParallelismEdit edit;
        const char* typed;
        int reg, stored; // -1: refused
        const char* message;
    } cases[] = {
        {ParallelismEdit::ResistancePerPosition, "12,5", 61, 125, nullptr},
        {ParallelismEdit::ResistancePerPosition, "2.9", 61, -1,
         "Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0"},
        {ParallelismEdit::ResistancePerPosition, "20.1", 61, -1,
         "Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0"},
        {ParallelismEdit::BusSize, "16", 21, 16, nullptr},
        {ParallelismEdit::BusSize, "0", 21, -1, "Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"},
        {ParallelismEdit::BusSize, "17", 21, -1, "Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"},
        {ParallelismEdit::PositionCount, "51", 41, -1, "Número de posições inválido. Deve ser um inteiro entre 2 e 50"},
        {ParallelismEdit::ParallelismErrorTime, "100", 81, 100, nullptr},
        {ParallelismEdit::ConfigurationErrorTime, "9", 101, -1,
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
    page.setEdit(ParallelismEdit::BusSize, "0");
    page.setEdit(ParallelismEdit::PositionCount, "33");
    page.optionChosen(ParallelismRadio::Relay8Config, 9);
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
    ASSERT_EQ(shown(ParallelismEdit::Address), "0");
    type(ParallelismEdit::Address, "2");
    EXPECT_EQ(sim->reg(1951), 2);
    EXPECT_EQ(shown(ParallelismEdit::Address), "2");
    EXPECT_EQ(shown(ParallelismEdit::BusSize), "7");
    EXPECT_EQ(shown(ParallelismEdit::ResistancePerPosition), "15.5");
    EXPECT_EQ(page.state().radios[static_cast<std::size_t>(ParallelismRadio::Relay8Config)], 4);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(ParallelismPageTest, AnIndexOutsideTheBusShowsAndWritesNothingPerUnit)
{
    openPage("p-unit-20");
    EXPECT_EQ(shown(ParallelismEdit::BusSize), "");
    EXPECT_EQ(page.state().radios[static_cast<std::size_t>(ParallelismRadio::Relay7Config)], -1);
    const std::uint64_t writes = sim->writeCount();
    page.setEdit(ParallelismEdit::BusSize, "5");
    page.editLeft();
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_TRUE(comm.connected());
}

INSTANTIATE_TEST_SUITE_P(Links, ParallelismPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

} // namespace
