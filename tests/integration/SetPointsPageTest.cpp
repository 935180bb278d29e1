// The QLX700-T's set points page against the simulated device over its pseudo-terminal
// and TCP: the grid's editors, the controls beside it, what reaches the device, what
// is refused, and the redundancy block written only from values read now.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "screens/thermal/SetPointsPage.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kMsgCoolingStart = "Valor de início do resfriamento diário inválido.";
constexpr const char* kMsgTimeConstant =
    "Valor da constante de tempo inválido. Deve ser um valor entre 3.0 e 20.0, ou 0.0.";

class SetPointsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& preset = {})
    {
        open("T", GetParam());
        if (!preset.empty())
            sim->applyPreset(preset);
        page.activate(comm, 0);
    }
    // Clicks a cell, types into its editor and leaves it.
    void typeCell(int column, int row, const std::string& text)
    {
        page.setPointCellPressed(column, row);
        ASSERT_EQ(page.state().editor, SetPointsPageState::Editor::Edit);
        page.setCellEditText(text);
        page.cellEditLeft();
    }
    void typeEdit(SetPointEdit edit, const std::string& text)
    {
        page.setFocusedEdit(static_cast<int>(edit));
        page.setEdit(edit, text);
        page.setFocusedEdit(SetPointsPage::kNoFocus);
        page.editLeft();
    }
    const std::string& cell(int column, int row) const
    {
        return page.state().cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    }

    SetPointsPage page{ui};
};

TEST_P(SetPointsPageTest, GridEditorsWriteTheirCellAndRefuseOutOfRangeValues)
{
    openPage();
    const struct {
        int column, row;
        const char* typed;
        int reg, stored;
        const char* shown;
    } accepted[] = {
        {3, 2, "12.34", 42, 123, "12.3"}, {3, 3, "12,34", 43, 123, "12.3"}, {3, 4, "0.1", 44, 1, "0.1"},
        {1, 1, "255", 1, 255, "255"},     {2, 5, "1", 25, 1, "1"},          {7, 6, "150", 126, 150, "150"},
        {8, 8, "200", 148, 200, "200"},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(c.typed);
        typeCell(c.column, c.row, c.typed);
        EXPECT_EQ(page.state().editor, SetPointsPageState::Editor::None);
        EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.stored);
        EXPECT_EQ(cell(c.column, c.row), c.shown);
    }
    EXPECT_TRUE(ui.messages.empty());

    const struct {
        int column;
        const char* typed;
        const char* message;
    } refused[] = {
        {1, "256", "Valor inválido. Deve ser um inteiro entre 0 e 255."},
        {2, "0", "Valor inválido. Deve ser um inteiro entre 1 e 255."},
        {3, "25.6", "Valor inválido. Deve ser um valor entre 0.1 e 25.5."},
        {3, "0.04", "Valor inválido. Deve ser um valor entre 0.1 e 25.5."},
        {7, "151", "Valor inválido. Deve ser um inteiro entre 0 e 150."},
        {8, "abc", "Valor inválido. Deve ser um inteiro entre 1 e 255."},
    };
    const std::uint64_t writes = sim->writeCount();
    for (const auto& c : refused) {
        SCOPED_TRACE(c.typed);
        ui.messages.clear();
        typeCell(c.column, 7, c.typed);
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(page.state().editor, SetPointsPageState::Editor::Edit) << "the editor stays open";
        page.cellEditEscaped();
    }
    EXPECT_EQ(sim->writeCount(), writes);
}

TEST_P(SetPointsPageTest, TheChannelListOffersTheDevicesWindingsAndActiveRtds)
{
    open("T", GetParam());
    sim->setReg(1020, 1);
    sim->setReg(1002, 3);
    page.activate(comm, 0);
    page.setPointCellPressed(4, 2);
    ASSERT_EQ(page.state().editor, SetPointsPageState::Editor::List);
    EXPECT_EQ(page.state().cellChoices, (std::vector<std::string>{"Óleo", "Enrolamento 1", "RTD 2", "RTD 3"}));
    page.cellChoiceChosen(3);
    EXPECT_EQ(sim->reg(62), 5);
    EXPECT_EQ(cell(4, 2), "RTD 3");

    page.setPointCellPressed(9, 1);
    EXPECT_EQ(page.state().cellChoices, (std::vector<std::string>{"Alarme", "Resfriamento"}));
    page.cellChoiceChosen(1);
    EXPECT_EQ(sim->reg(161), 1);
}

TEST_P(SetPointsPageTest, AnInvalidChannelIsShownAsSuchAndNeverWrittenBack)
{
    openPage("t-channel-9");
    EXPECT_EQ(cell(4, 1), "Valor Inválido");
    typeCell(1, 1, "70");
    EXPECT_EQ(sim->reg(1), 70);
    EXPECT_EQ(sim->reg(61), 9);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(SetPointsPageTest, BesideTheGridEachFieldIsCheckedAndTheValidOnesStillGoOut)
{
    openPage();
    const std::uint16_t start = sim->reg(212);
    page.setEdit(SetPointEdit::CoolingStartHour, "24");
    typeEdit(SetPointEdit::CoolingDuration, "45");
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgCoolingStart});
    EXPECT_EQ(sim->reg(212), start);
    EXPECT_EQ(sim->reg(213), 45);

    const struct {
        SetPointEdit edit;
        const char* typed;
        int reg, stored;
        const char* message;
    } cases[] = {
        {SetPointEdit::CoolingStartHour, "06", 212, -1, nullptr},
        {SetPointEdit::TimeConstant, "0", 209, 0, nullptr},
        {SetPointEdit::TimeConstant, "12,5", 209, 125, nullptr},
        {SetPointEdit::TimeConstant, "0.0004", 209, 0, nullptr},
        {SetPointEdit::TimeConstant, "2.9", 209, 0, kMsgTimeConstant},
        {SetPointEdit::TimeConstant, "20.1", 209, 0, kMsgTimeConstant},
        {SetPointEdit::ParameterM, "0.5", 210, 5, nullptr},
        {SetPointEdit::ParameterM, "1,0", 210, 10, nullptr},
        {SetPointEdit::NominalCurrent2, "2,5", 206, 25, nullptr},
        {SetPointEdit::NominalCurrent2, "5.1", 206, 25,
         "Valor de corrente nominal inválido. Deve ser um valor entre 0.2 e 5.0."},
        {SetPointEdit::DeltaT3, "99", 204, 99, nullptr},
        {SetPointEdit::MaxTemperatureDifference, "0", 215, -1,
         "Valor de máxima diferença de temperatura inválido. Deve ser um valor entre 1 e 200"},
    };
    page.setEdit(SetPointEdit::CoolingStartMinute, "30");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ui.messages.clear();
        typeEdit(c.edit, c.typed);
        if (c.stored >= 0) {
            EXPECT_EQ(sim->reg(static_cast<std::uint16_t>(c.reg)), c.stored);
        }
        EXPECT_EQ(ui.messageTexts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        if (c.message)
            typeEdit(c.edit, c.reg == 215 ? "200" : "0");
    }
    EXPECT_EQ(sim->reg(212), 390);
}

// A typed half goes to the even neighbour here as on every other page.
TEST_P(SetPointsPageTest, TypedHalvesGoToTheEvenNeighbour)
{
    openPage();
    typeCell(3, 1, "0,25");
    EXPECT_EQ(sim->reg(41), 2);
    EXPECT_EQ(cell(3, 1), "0.2");
    typeCell(3, 2, "1.25");
    EXPECT_EQ(sim->reg(42), 12);
    typeCell(3, 3, "0.35");
    EXPECT_EQ(sim->reg(43), 4);
    typeEdit(SetPointEdit::NominalCurrent1, "0.25");
    EXPECT_EQ(sim->reg(205), 2);
    typeEdit(SetPointEdit::TimeConstant, "3.25");
    EXPECT_EQ(sim->reg(209), 32);
    typeEdit(SetPointEdit::ParameterM, "0.75");
    EXPECT_EQ(sim->reg(210), 8);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(SetPointsPageTest, UnchangedValuesSendNothingAndOneChangeSendsOneRegister)
{
    openPage();
    const std::uint64_t writes = sim->writeCount();
    page.sendSettings();
    EXPECT_EQ(sim->writeCount(), writes);
    typeCell(1, 3, "90");
    EXPECT_EQ(sim->writeCount(), writes + 1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(SetPointsPageTest, ARefusedAlternationIsReportedWithTheWarning)
{
    openPage("t-alternation-refusal");
    page.setPointAlternationChosen(1);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, kSendError);
    EXPECT_EQ(ui.messages[1].kind, MessageKind::Warning);
    EXPECT_EQ(ui.messages[1].text.rfind("Se a configuração de Alternância de Setpoint falhou", 0), 0u);
    EXPECT_EQ(sim->reg(208), 0);
    EXPECT_EQ(page.state().setPointAlternation, 0);
}

TEST_P(SetPointsPageTest, ActiveRtdsFollowTheInputsAndShowTheirRedundancyBoxes)
{
    open("T", GetParam());
    const struct {
        int inputs, active, items, selected;
        bool groupVisible;
    } cases[] = {{4, 3, 4, 2, true}, {9, 6, 6, 5, true}, {0, 1, 1, 0, false}, {2, 5, 2, -1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.inputs);
        sim->setReg(1003, static_cast<std::uint16_t>(c.inputs));
        sim->setReg(1002, static_cast<std::uint16_t>(c.active));
        comm.readRegisters(1003, 1);
        page.activate(comm, 0);
        EXPECT_EQ(page.state().activeRtdCountItems, c.items);
        EXPECT_EQ(page.state().activeRtdCount, c.selected);
        EXPECT_EQ(page.state().redundantRtdsBoxVisible, c.groupVisible);
        for (int k = 2; k <= 6; ++k)
            EXPECT_EQ(page.state().redundantRtdVisible[static_cast<std::size_t>(k - 2)], k <= c.active) << k;
    }
    sim->setReg(1003, 4);
    comm.readRegisters(1003, 1);
    page.activate(comm, 0);
    page.activeRtdCountChosen(1);
    EXPECT_EQ(sim->reg(1002), 2);
}

TEST_P(SetPointsPageTest, ABoxClickWritesTheOtherBoxesAsTheDeviceHoldsThemNow)
{
    openPage();
    // Someone else sets RTD 4 redundant after the page was first opened.
    sim->setReg(1007, 1);
    page.activate(comm, 0);
    EXPECT_TRUE(page.state().redundantRtds[2]);
    page.redundantRtdToggled(0, true);
    EXPECT_EQ(sim->reg(1005), 1);
    EXPECT_EQ(sim->reg(1007), 1);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, SetPointsPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);

} // namespace
