// The current output page against simulated devices: the T's full page, the R's
// three outputs, the range alone on the P (this unit's) and the C.
#include "PageLinkFixture.h"
#include "PageMessages.h"
#include "screens/thermal/CurrentOutputsPage.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kMsgFullScale = "Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255.";
constexpr const char* kMsgCurrentFullScale =
    "Valor inválido no Fundo de Escala de Corrente. Deve ser um valor entre 1.0A e 10.0A.";

class CurrentOutputsPageTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& model, const std::function<void()>& device = {})
    {
        open(model, GetParam());
        if (device)
            device();
        page.activate(comm, 0);
    }
    void typeFullScale(const std::string& text)
    {
        page.setFocus(CurrentOutputsPage::kFullScaleEdit);
        page.setFullScale(text);
        page.setFocus(CurrentOutputsPage::kNoFocus);
        page.fullScaleLeft();
    }
    const CurrentOutputsPageState& s() const { return page.state(); }

    int outputs = 3; // as the R's general page found them
    CurrentOutputsPage page{ui, [this] { return outputs; }};
};

} // namespace

TEST_P(CurrentOutputsPageTest, TheChannelListsFollowTheDevicesWindingsAndRtds)
{
    struct Case {
        int windings, rtds;
        std::vector<std::string> names;
        std::vector<int> codes;
    };
    const Case cases[] = {
        {3, 6,
         {"Óleo", "Enrolamento 1", "Enrolamento 2", "Enrolamento 3", "RTD 2", "RTD 3", "RTD 4", "RTD 5", "RTD 6"},
         {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {1, 3, {"Óleo", "Enrolamento 1", "RTD 2", "RTD 3"}, {0, 1, 4, 5}},
        {0, 1, {"Óleo"}, {0}},
        // Counts beyond the hardware are not list sizes.
        {9, 40, {"Óleo", "Enrolamento 1", "Enrolamento 2", "Enrolamento 3", "RTD 2", "RTD 3", "RTD 4", "RTD 5", "RTD 6"},
         {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    };
    open("T", GetParam());
    for (const Case& c : cases) {
        sim->setReg(1020, static_cast<std::uint16_t>(c.windings));
        sim->setReg(1003, static_cast<std::uint16_t>(c.rtds));
        page.activate(comm, 0);
        EXPECT_EQ(s().channelNames, c.names) << c.windings << "/" << c.rtds;
        // Choosing entry e in the second list writes its code to 311.
        for (std::size_t e = 0; e < c.codes.size(); ++e) {
            page.outputChannelChosen(1, static_cast<int>(e));
            EXPECT_EQ(sim->reg(311), c.codes[e]) << c.names[e];
            EXPECT_EQ(s().outputChannels[1], static_cast<int>(e));
        }
    }
    EXPECT_TRUE(ui.messages.empty());
    page.setLanguage(1);
    EXPECT_EQ(s().channelNames[0], "Oil");
    EXPECT_EQ(s().channelNames[1], "Winding 1");
    page.setLanguage(2);
    EXPECT_EQ(s().channelNames[1], "Devanado 1");
}

TEST_P(CurrentOutputsPageTest, TheThermalPageShowsTheDevicesOutputs)
{
    openPage("T", [this] {
        sim->setReg(301, 2);
        sim->setReg(302, 77);
        sim->setReg(310, 5);
        sim->setReg(313, 8);
        sim->setReg(1021, 2);
    });
    EXPECT_TRUE(s().rangeVisible);
    EXPECT_FALSE(s().fixedRangePanelVisible);
    EXPECT_EQ(s().range, 2);
    EXPECT_TRUE(s().fullScaleVisible);
    EXPECT_FALSE(s().currentFullScaleVisible);
    EXPECT_EQ(s().fullScale, "77");
    EXPECT_EQ(s().outputChannels[0], 5);
    EXPECT_EQ(s().outputChannels[3], 8);
    EXPECT_EQ(s().outputVisible, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(page.captions().fullScaleLabel, "Fundo de Escala");

    for (const auto& [count, shown] : {std::pair{0, 1}, std::pair{3, 3}, std::pair{4, 4}, std::pair{9, 4}}) {
        sim->setReg(1021, static_cast<std::uint16_t>(count));
        page.activate(comm, 0);
        int visible = 0;
        for (bool v : s().outputVisible)
            visible += v ? 1 : 0;
        EXPECT_EQ(visible, shown) << count;
    }
}

TEST_P(CurrentOutputsPageTest, RangeFullScaleAndChannelsAreWritten)
{
    openPage("T");
    page.rangeChosen(1);
    EXPECT_EQ(sim->reg(301), 1);
    typeFullScale("200");
    EXPECT_EQ(sim->reg(302), 200);
    page.outputChannelChosen(3, 0);
    EXPECT_EQ(sim->reg(313), 0);
    EXPECT_TRUE(ui.messages.empty());

    // An invalid full scale is reported; the range and the channels still go out.
    for (const char* bad : {"256", "abc", "-1", "1.5", ""}) {
        ui.messages.clear();
        page.setFullScale(bad);
        page.outputChannelChosen(0, 2);
        page.setFullScale(bad);
        page.rangeChosen(4);
        EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kMsgFullScale, kMsgFullScale})) << bad;
        EXPECT_EQ(sim->reg(310), 2) << bad;
        EXPECT_EQ(sim->reg(301), 4) << bad;
        EXPECT_EQ(sim->reg(302), 200) << bad;
        EXPECT_EQ(s().fullScale, "200") << "the device's value comes back";
        sim->setReg(310, 0);
        sim->setReg(301, 0);
        page.activate(comm, 0);
    }
}

// A 0-1 mA board has one range only: the panel shows it and the range is never written.
TEST_P(CurrentOutputsPageTest, TheFixedRangeBoardShowsItsPanelAndWritesNoRange)
{
    openPage("T", [this] {
        sim->setReg(2660, 2);
        sim->setReg(301, 3);
    });
    EXPECT_FALSE(s().rangeVisible);
    EXPECT_TRUE(s().fixedRangePanelVisible);
    EXPECT_EQ(page.captions().fixedRangePanel, "Escala: 0 - 1 mA");
    page.rangeChosen(0);
    page.outputChannelChosen(0, 1);
    EXPECT_EQ(sim->reg(301), 3);
    EXPECT_EQ(sim->reg(310), 1);
}

// Values the lists have no entry for select none and are never written back.
TEST_P(CurrentOutputsPageTest, ValuesWithoutAnEntryAreShownAsNoneAndNeverWritten)
{
    openPage("T", [this] {
        sim->setReg(301, 9);
        sim->setReg(311, 8);
        sim->setReg(1020, 1);
        sim->setReg(1003, 2);
    });
    EXPECT_EQ(s().range, -1);
    EXPECT_EQ(s().outputChannels[1], -1);
    page.outputChannelChosen(0, 2);
    typeFullScale("12");
    EXPECT_EQ(sim->reg(310), 4);
    EXPECT_EQ(sim->reg(302), 12);
    EXPECT_EQ(sim->reg(301), 9);
    EXPECT_EQ(sim->reg(311), 8);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(CurrentOutputsPageTest, ARefusedWriteIsReportedOnce)
{
    openPage("T");
    sim->setFaults(refusal());
    typeFullScale("99");
    page.rangeChosen(2);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kSendError, kSendError}));
    EXPECT_EQ(s().range, 4);
    EXPECT_EQ(s().fullScale, "150");
}

// The R: opening reads 301, 302 (2), 310 (3) and 2660 (3); TP, TC and TAP drive up to
// three outputs; a current full scale.
TEST_P(CurrentOutputsPageTest, TheRegulatorsOutputs)
{
    openPage("R", [this] {
        const std::pair<std::uint16_t, std::uint16_t> device[] = {
            {301, 3}, {302, 200}, {303, 25},  {310, 0},   {311, 1},   {312, 2},
            {313, 2}, {2660, 1},  {2661, 1}, {2662, 1}, {2663, 1}};
        for (const auto& [r, v] : device)
            sim->setReg(r, v);
    });
    for (int r : {301, 302, 303, 310, 311, 312, 2660, 2661, 2662})
        EXPECT_EQ(comm.registerValue(r), sim->reg(static_cast<std::uint16_t>(r))) << r;
    EXPECT_EQ(comm.registerValue(313), 0) << "the R has three outputs";
    EXPECT_EQ(comm.registerValue(2663), 0);
    EXPECT_EQ(s().channelNames, (std::vector<std::string>{"TP", "TC", "TAP"}));
    EXPECT_EQ(s().outputChannels[2], 2);
    EXPECT_EQ(s().currentFullScale, "2.5");
    EXPECT_EQ(s().outputVisible, (std::array<bool, 4>{true, true, true, false}));
    EXPECT_TRUE(s().currentFullScaleVisible);
    EXPECT_EQ(page.captions().fullScaleLabel, "Fundo de Escala Tensão");

    const std::pair<const char*, int> amps[] = {{"2,5", 25}, {"10", 100}, {"1.0", 10}, {"1,05", 10}};
    for (const auto& [typed, written] : amps) {
        page.setCurrentFullScale(typed);
        page.fullScaleLeft();
        EXPECT_EQ(sim->reg(303), written) << typed;
    }
    EXPECT_TRUE(ui.messages.empty());
    for (const char* bad : {"10.1", "0.9", "x"}) {
        ui.messages.clear();
        page.setCurrentFullScale(bad);
        page.outputChannelChosen(0, 1);
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgCurrentFullScale}) << bad;
        EXPECT_EQ(sim->reg(303), 10) << bad;
        EXPECT_EQ(sim->reg(310), 1);
        sim->setReg(310, 0);
        page.activate(comm, 0);
    }
    page.rangeChosen(1);
    EXPECT_EQ(sim->reg(301), 1);
    page.outputChannelChosen(3, 0);
    EXPECT_EQ(sim->reg(313), 2) << "no fourth output on the R";

    page.setLanguage(1);
    EXPECT_EQ(s().channelNames, (std::vector<std::string>{"PT", "CT", "TAP"}));
    outputs = 1;
    page.activate(comm, 0);
    EXPECT_EQ(s().outputVisible, (std::array<bool, 4>{true, false, false, false}));
    outputs = 0;
    page.activate(comm, 0);
    EXPECT_FALSE(s().rangeVisible);
    EXPECT_FALSE(s().currentFullScaleVisible);
    EXPECT_EQ(s().outputVisible, (std::array<bool, 4>{}));
}

// The P's range is this unit's, 301 + the unit index, read when the page opens; an
// index outside the bus addresses nothing.
TEST_P(CurrentOutputsPageTest, TheParallelismControllerSetsItsOwnUnitsRange)
{
    openPage("P", [this] {
        sim->setReg(1951, 3);
        sim->setReg(304, 2);
        sim->setReg(301, 0);
    });
    EXPECT_TRUE(s().rangeVisible);
    EXPECT_EQ(s().range, 2);
    EXPECT_FALSE(s().fullScaleVisible);
    EXPECT_EQ(s().outputVisible, (std::array<bool, 4>{}));
    page.rangeChosen(4);
    EXPECT_EQ(sim->reg(304), 4);
    EXPECT_EQ(sim->reg(301), 0);
    page.outputChannelChosen(0, 0);
    EXPECT_TRUE(ui.messages.empty());

    sim->setReg(2660, 2);
    page.activate(comm, 0);
    EXPECT_TRUE(s().fixedRangePanelVisible) << "the board type is read when the page opens";
    sim->setReg(2660, 0);

    for (std::uint16_t unit : {16, 20, 65535}) {
        sim->setReg(1951, unit);
        const std::uint64_t before = sim->requestCount();
        page.activate(comm, 0);
        EXPECT_EQ(s().range, -1) << unit;
        page.rangeChosen(1);
        EXPECT_EQ(s().range, -1) << unit;
        EXPECT_TRUE(comm.connected());
        EXPECT_EQ(sim->requestCount(), before + 2) << "1951 and 2660 read, nothing written";
        for (std::uint16_t r = 301; r <= 316; ++r)
            EXPECT_EQ(sim->reg(r), r == 301 ? 0 : 4) << r;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(CurrentOutputsPageTest, ThePositionIndicatorSetsItsRange)
{
    openPage("C", [this] {
        sim->setReg(301, 1);
        sim->setReg(2660, 0);
    });
    EXPECT_EQ(s().range, 1);
    EXPECT_FALSE(s().fullScaleVisible);
    EXPECT_FALSE(s().currentFullScaleVisible);
    page.rangeChosen(3);
    EXPECT_EQ(sim->reg(301), 3);
    sim->setReg(2660, 2);
    page.activate(comm, 0);
    EXPECT_TRUE(s().fixedRangePanelVisible);
    EXPECT_FALSE(s().rangeVisible);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, CurrentOutputsPageTest,
                         ::testing::Values(PageLinkFixture::Link::UsbButton, PageLinkFixture::Link::Tcp),
                         PageLinkFixture::linkName);
