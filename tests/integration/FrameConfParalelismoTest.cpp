// The QLX700-P's parallelism page against the simulated unit over its pseudo-terminal
// and TCP: fields at the unit's bus index, their bounds, an address change that moves
// the page to the new index, sends that change nothing, and an index outside 0..15.
#include "PageLinkFixture.h"
#include "screens/parallelism/FrameConfParalelismoF.h"

#include <gtest/gtest.h>

namespace {

class FrameConfParalelismoTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& preset = {})
    {
        open("P", GetParam());
        if (!preset.empty())
            sim->applyPreset(preset);
        frame.AtivarFrame(comm, 0);
    }
    void type(ParalelismoEdit edit, const std::string& text)
    {
        frame.setEdit(edit, text);
        frame.editExit();
    }
    const std::string& shown(ParalelismoEdit e) const { return frame.state().edits[static_cast<std::size_t>(e)]; }

    TFrameConfParalelismo frame{ui, pump};
};

TEST_P(FrameConfParalelismoTest, FieldsAreCheckedAndValidOnesStillGoOut)
{
    openPage();
    const struct {
        ParalelismoEdit edit;
        const char* typed;
        int reg, stored; // -1: refused
        const char* message;
    } cases[] = {
        {ParalelismoEdit::ResistPosicao, "12,5", 61, 125, nullptr},
        {ParalelismoEdit::ResistPosicao, "2.9", 61, -1, "Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0"},
        {ParalelismoEdit::ResistPosicao, "20.1", 61, -1, "Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0"},
        {ParalelismoEdit::TamanhoBus, "16", 21, 16, nullptr},
        {ParalelismoEdit::TamanhoBus, "0", 21, -1, "Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"},
        {ParalelismoEdit::TamanhoBus, "17", 21, -1, "Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"},
        {ParalelismoEdit::NumPosicoes, "51", 41, -1, "Número de posições inválido. Deve ser um inteiro entre 2 e 50"},
        {ParalelismoEdit::TempoErroParal, "100", 81, 100, nullptr},
        {ParalelismoEdit::TempoErroConf, "9", 101, -1,
         "Tempo de erro de configuração inválido. Deve ser um inteiro entre 10 e 100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::uint16_t before = sim->reg(static_cast<std::uint16_t>(c.reg));
        ui.messages.clear();
        type(c.edit, c.typed);
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.stored < 0 ? before : c.stored);
        EXPECT_EQ(ui.messageTexts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        frame.AtivarFrame(comm, 0);
    }
    // One invalid field does not hold back the others.
    ui.messages.clear();
    frame.setEdit(ParalelismoEdit::TamanhoBus, "0");
    frame.setEdit(ParalelismoEdit::NumPosicoes, "33");
    frame.radioClick(ParalelismoRadio::ConfRele8, 9);
    EXPECT_EQ(sim->reg(41), 33);
    EXPECT_EQ(sim->reg(141), 9);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16"});
}

TEST_P(FrameConfParalelismoTest, UnchangedFieldsSendNothing)
{
    openPage();
    const std::uint64_t writes = sim->writeCount();
    frame.editExit();
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(FrameConfParalelismoTest, ANewAddressMovesThePageToThatUnitsEntries)
{
    open("P", GetParam());
    sim->setReg(3, 2);
    sim->setReg(23, 7);
    sim->setReg(63, 155);
    sim->setReg(143, 4);
    frame.AtivarFrame(comm, 0);
    ASSERT_EQ(shown(ParalelismoEdit::Endereco), "0");
    type(ParalelismoEdit::Endereco, "2");
    EXPECT_EQ(sim->reg(1951), 2);
    EXPECT_EQ(shown(ParalelismoEdit::Endereco), "2");
    EXPECT_EQ(shown(ParalelismoEdit::TamanhoBus), "7");
    EXPECT_EQ(shown(ParalelismoEdit::ResistPosicao), "15.5");
    EXPECT_EQ(frame.state().radios[static_cast<std::size_t>(ParalelismoRadio::ConfRele8)], 4);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(FrameConfParalelismoTest, AnIndexOutsideTheBusShowsAndWritesNothingPerUnit)
{
    openPage("p-unit-20");
    EXPECT_EQ(shown(ParalelismoEdit::TamanhoBus), "");
    EXPECT_EQ(frame.state().radios[static_cast<std::size_t>(ParalelismoRadio::ConfRele7)], -1);
    const std::uint64_t writes = sim->writeCount();
    frame.setEdit(ParalelismoEdit::TamanhoBus, "5");
    frame.editExit();
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_TRUE(comm.connected());
}

INSTANTIATE_TEST_SUITE_P(Links, FrameConfParalelismoTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         [](const auto& info) { return info.param == PageLinkFixture::Link::Tcp ? "Tcp" : "Serial"; });

} // namespace
