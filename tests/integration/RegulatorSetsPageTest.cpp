// The regulation set page against the simulated regulator.
#include "PageLinkFixture.h"
#include "screens/regulator/RegulatorSetsPage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Positions in the page's control list.
constexpr std::size_t kNominalVoltage = 0;
constexpr std::size_t kCommand = 2;
constexpr std::size_t kRaiseTime = 5;
constexpr std::size_t kStartMinute = 8;

class RegulatorSetsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void SetUp() override
    {
        open("R", GetParam());
        page.activate(comm, 0);
    }
    const std::string& text(std::size_t control) const { return page.controls().values()[control].text; }
    void type(std::size_t control, const std::string& value)
    {
        page.setText(control, value);
        page.editLeft();
    }

    RegulatorSetsPage page{ui, pump};
};

} // namespace

TEST_P(RegulatorSetsPageTest, OpeningShowsTheFirstSet)
{
    EXPECT_EQ(page.selectedSet(), 0);
    EXPECT_EQ(text(kNominalVoltage), "115.0");
    EXPECT_TRUE(comm.received(11));
    EXPECT_FALSE(comm.received(21)) << "the other sets are read when chosen";
}

TEST_P(RegulatorSetsPageTest, ASelectedSetIsReadAndItsFieldsAreWritten)
{
    sim->setReg(41, 1234);
    page.regulationSetChosen(2);
    for (int reg = 41; reg <= 51; ++reg)
        EXPECT_TRUE(comm.received(reg)) << reg;
    EXPECT_EQ(text(kNominalVoltage), "123.4");

    struct Case {
        const char* typed;
        int written; // -1: refused
    };
    for (const Case& c : {Case{"127,5", 1275}, Case{"140.04", 1400}, Case{"80.0", 800}, Case{"79.9", -1}}) {
        ui.messages.clear();
        const int before = sim->reg(41);
        type(kNominalVoltage, c.typed);
        EXPECT_EQ(sim->reg(41), c.written < 0 ? before : c.written) << c.typed;
        EXPECT_EQ(ui.messageTexts(),
                  c.written < 0 ? std::vector<std::string>{"Tensão Nominal inválida. Deve ser um valor entre 80.0 e 140.0."}
                                : std::vector<std::string>{})
            << c.typed;
    }
    EXPECT_EQ(sim->reg(1), 1150) << "set 1 untouched";

    page.optionChosen(kCommand, 1);
    EXPECT_EQ(sim->reg(43), 1);
}

TEST_P(RegulatorSetsPageTest, AnInvalidMinuteLeavesTheOtherFieldsWritten)
{
    page.regulationSetChosen(5);
    page.setText(kStartMinute, "60");
    page.setText(kRaiseTime, "33");
    page.editLeft();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Minuto de Início inválido. Deve ser um inteiro entre 0 e 59."});
    EXPECT_EQ(sim->reg(105), 33);
    EXPECT_EQ(sim->reg(109), 0);
    EXPECT_EQ(text(kStartMinute), "0") << "the device's value again";
}

TEST_P(RegulatorSetsPageTest, ReopeningReadsOnlyTheFirstSetAndKeepsTheSelection)
{
    page.regulationSetChosen(3);
    const std::string shown = text(kNominalVoltage);
    sim->setReg(61, 999);
    sim->setReg(1, 1001);
    const std::uint64_t before = sim->requestCount();
    page.activate(comm, 0);
    EXPECT_EQ(sim->requestCount(), before + 1);
    EXPECT_EQ(page.selectedSet(), 3);
    EXPECT_EQ(text(kNominalVoltage), shown) << "from the image";
    EXPECT_EQ(comm.registerValue(1), 1001);
}

INSTANTIATE_TEST_SUITE_P(Links, RegulatorSetsPageTest,
                         ::testing::Values(PageLinkFixture::Link::SerialButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);
