// The QLX700-C's position indicator page against the simulated device over its
// pseudo-terminal and TCP: what it shows, the resistance bounds, the reading mode,
// and which actions send.
#include "PageLinkFixture.h"
#include "screens/position/FrameConfQLX700CF.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kMsgResistencia = "Valor de Resistência por Posição inválido. Deve ser um valor entre 3.0 e 20.0.";

class FrameConfQLX700CTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage()
    {
        open("C", GetParam());
        frame.AtivarFrame(comm, 0);
    }
    void typeResistance(const std::string& text)
    {
        frame.setEdit(PositionEdit::ResPorPos, text);
        frame.edResPorPosExit();
    }
    const std::string& shown(PositionEdit e) const { return frame.state().edits[static_cast<std::size_t>(e)]; }

    TFrameConfQLX700C frame{ui, pump};
};

TEST_P(FrameConfQLX700CTest, TheResistanceBoundsAreTheTypedHundredths)
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
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgResistencia});
            EXPECT_EQ(sim->reg(701), 77);
        } else {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(sim->reg(701), c.stored);
        }
    }
    EXPECT_EQ(shown(PositionEdit::ResPorPos), "7.7");
}

TEST_P(FrameConfQLX700CTest, OnlyTheResistanceAndTheReadingModeSend)
{
    openPage();
    const std::uint16_t positions = sim->reg(702);
    const std::uint64_t writes = sim->writeCount();
    frame.setEdit(PositionEdit::NumPos, "20");
    EXPECT_EQ(sim->writeCount(), writes);
    EXPECT_EQ(sim->reg(702), positions);
    frame.edResPorPosExit();
    EXPECT_EQ(sim->reg(702), 20);
    EXPECT_EQ(shown(PositionEdit::NumPos), "20");

    ui.messages.clear();
    frame.setEdit(PositionEdit::PosMin, "0");
    frame.setEdit(PositionEdit::PosMax, "30");
    frame.rgModoLeituraClick(1);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Posição Mínima inválida. Deve ser um inteiro entre 1 e 50."});
    EXPECT_EQ(sim->reg(706), 30);
    EXPECT_EQ(sim->reg(707), 1);
    EXPECT_NE(sim->reg(705), 0);
}

TEST_P(FrameConfQLX700CTest, AReadingModeWithoutAnItemSelectsNone)
{
    open("C", GetParam());
    sim->setReg(707, 2);
    frame.AtivarFrame(comm, 0);
    EXPECT_EQ(frame.state().rgModoLeitura, -1);
    // A send from the resistance does not touch the mode the page could not show.
    frame.edResPorPosExit();
    EXPECT_EQ(sim->reg(707), 2);
    frame.rgModoLeituraClick(0);
    EXPECT_EQ(sim->reg(707), 0);
    EXPECT_EQ(frame.state().rgModoLeitura, 0);
}

TEST_P(FrameConfQLX700CTest, ARefusedWriteIsReportedAndTheDevicesValueComesBack)
{
    openPage();
    const std::uint16_t before = sim->reg(702);
    sim->setFaults(refusal());
    frame.setEdit(PositionEdit::NumPos, before == 40 ? "41" : "40");
    frame.edResPorPosExit();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Erro no envio do comando."});
    EXPECT_EQ(sim->reg(702), before);
    EXPECT_EQ(shown(PositionEdit::NumPos), std::to_string(before));
}

INSTANTIATE_TEST_SUITE_P(Links, FrameConfQLX700CTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         [](const auto& info) { return info.param == PageLinkFixture::Link::Tcp ? "Tcp" : "Serial"; });

} // namespace
