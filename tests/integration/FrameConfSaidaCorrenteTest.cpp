// The current output page against simulated devices: the T's full page, the R's
// three outputs, the range alone on the P (this unit's) and the C.
#include "PageLinkFixture.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kErroEnvio = "Erro no envio do comando.";
constexpr const char* kMsgFundoEscala = "Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255.";
constexpr const char* kMsgFundoEscalaCorrente =
    "Valor inválido no Fundo de Escala de Corrente. Deve ser um valor entre 1.0A e 10.0A.";

class FrameConfSaidaCorrenteTest : public ::testing::TestWithParam<PageLinkFixture::Link>, public PageLinkFixture {
protected:
    void openPage(const std::string& model, const std::function<void()>& device = {})
    {
        open(model, GetParam());
        if (device)
            device();
        frame.AtivarFrame(comm, 0);
    }
    void typeFundoEscala(const std::string& text)
    {
        frame.setFocus(TFrameConfSaidaCorrente::kFundoEscala);
        frame.setFundoEscala(text);
        frame.setFocus(TFrameConfSaidaCorrente::kNoFocus);
        frame.edFundoEscalaExit();
    }
    const FrameConfSaidaCorrenteState& s() const { return frame.state(); }

    int outputs = 3; // as the R's general page found them
    TFrameConfSaidaCorrente frame{ui, [this] { return outputs; }};
};

} // namespace

TEST_P(FrameConfSaidaCorrenteTest, TheChannelListsFollowTheDevicesWindingsAndRtds)
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
        frame.AtivarFrame(comm, 0);
        EXPECT_EQ(s().canais, c.names) << c.windings << "/" << c.rtds;
        // Choosing entry e in the second list writes its code to 311.
        for (std::size_t e = 0; e < c.codes.size(); ++e) {
            frame.cbSaidaAssociadaSelect(1, static_cast<int>(e));
            EXPECT_EQ(sim->reg(311), c.codes[e]) << c.names[e];
            EXPECT_EQ(s().saidaAssociada[1], static_cast<int>(e));
        }
    }
    EXPECT_TRUE(ui.messages.empty());
    frame.SetIdioma(1);
    EXPECT_EQ(s().canais[0], "Oil");
    EXPECT_EQ(s().canais[1], "Winding 1");
    frame.SetIdioma(2);
    EXPECT_EQ(s().canais[1], "Devanado 1");
}

TEST_P(FrameConfSaidaCorrenteTest, TheThermalPageShowsTheDevicesOutputs)
{
    openPage("T", [this] {
        sim->setReg(301, 2);
        sim->setReg(302, 77);
        sim->setReg(310, 5);
        sim->setReg(313, 8);
        sim->setReg(1021, 2);
    });
    EXPECT_TRUE(s().rgEscalaVisible);
    EXPECT_FALSE(s().pnEscala0_1maVisible);
    EXPECT_EQ(s().rgEscala, 2);
    EXPECT_TRUE(s().edFundoEscalaVisible);
    EXPECT_FALSE(s().edFundoEscalaCorrenteVisible);
    EXPECT_EQ(s().edFundoEscala, "77");
    EXPECT_EQ(s().saidaAssociada[0], 5);
    EXPECT_EQ(s().saidaAssociada[3], 8);
    EXPECT_EQ(s().saidaVisible, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(frame.captions().lblFundoEscala, "Fundo de Escala");

    for (const auto& [count, shown] : {std::pair{0, 1}, std::pair{3, 3}, std::pair{4, 4}, std::pair{9, 4}}) {
        sim->setReg(1021, static_cast<std::uint16_t>(count));
        frame.AtivarFrame(comm, 0);
        int visible = 0;
        for (bool v : s().saidaVisible)
            visible += v ? 1 : 0;
        EXPECT_EQ(visible, shown) << count;
    }
}

TEST_P(FrameConfSaidaCorrenteTest, RangeFullScaleAndChannelsAreWritten)
{
    openPage("T");
    frame.rgEscalaClick(1);
    EXPECT_EQ(sim->reg(301), 1);
    typeFundoEscala("200");
    EXPECT_EQ(sim->reg(302), 200);
    frame.cbSaidaAssociadaSelect(3, 0);
    EXPECT_EQ(sim->reg(313), 0);
    EXPECT_TRUE(ui.messages.empty());

    // An invalid full scale is reported; the range and the channels still go out.
    for (const char* bad : {"256", "abc", "-1", "1.5", ""}) {
        ui.messages.clear();
        frame.setFundoEscala(bad);
        frame.cbSaidaAssociadaSelect(0, 2);
        frame.setFundoEscala(bad);
        frame.rgEscalaClick(4);
        EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kMsgFundoEscala, kMsgFundoEscala})) << bad;
        EXPECT_EQ(sim->reg(310), 2) << bad;
        EXPECT_EQ(sim->reg(301), 4) << bad;
        EXPECT_EQ(sim->reg(302), 200) << bad;
        EXPECT_EQ(s().edFundoEscala, "200") << "the device's value comes back";
        sim->setReg(310, 0);
        sim->setReg(301, 0);
        frame.AtivarFrame(comm, 0);
    }
}

// A 0-1 mA board has one range only: the panel shows it and the range is never written.
TEST_P(FrameConfSaidaCorrenteTest, TheFixedRangeBoardShowsItsPanelAndWritesNoRange)
{
    openPage("T", [this] {
        sim->setReg(2660, 2);
        sim->setReg(301, 3);
    });
    EXPECT_FALSE(s().rgEscalaVisible);
    EXPECT_TRUE(s().pnEscala0_1maVisible);
    EXPECT_EQ(frame.captions().pnEscala0_1ma, "Escala: 0 - 1 mA");
    frame.rgEscalaClick(0);
    frame.cbSaidaAssociadaSelect(0, 1);
    EXPECT_EQ(sim->reg(301), 3);
    EXPECT_EQ(sim->reg(310), 1);
}

// Values the lists have no entry for select none and are never written back.
TEST_P(FrameConfSaidaCorrenteTest, ValuesWithoutAnEntryAreShownAsNoneAndNeverWritten)
{
    openPage("T", [this] {
        sim->setReg(301, 9);
        sim->setReg(311, 8);
        sim->setReg(1020, 1);
        sim->setReg(1003, 2);
    });
    EXPECT_EQ(s().rgEscala, -1);
    EXPECT_EQ(s().saidaAssociada[1], -1);
    frame.cbSaidaAssociadaSelect(0, 2);
    typeFundoEscala("12");
    EXPECT_EQ(sim->reg(310), 4);
    EXPECT_EQ(sim->reg(302), 12);
    EXPECT_EQ(sim->reg(301), 9);
    EXPECT_EQ(sim->reg(311), 8);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(FrameConfSaidaCorrenteTest, ARefusedWriteIsReportedOnce)
{
    openPage("T");
    sim->setFaults(refusal());
    typeFundoEscala("99");
    frame.rgEscalaClick(2);
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kErroEnvio, kErroEnvio}));
    EXPECT_EQ(s().rgEscala, 4);
    EXPECT_EQ(s().edFundoEscala, "150");
}

// The R: opening reads 301, 302 (2), 310 (3) and 2660 (3); TP, TC and TAP drive up to
// three outputs; a current full scale.
TEST_P(FrameConfSaidaCorrenteTest, TheRegulatorsOutputs)
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
    EXPECT_EQ(s().canais, (std::vector<std::string>{"TP", "TC", "TAP"}));
    EXPECT_EQ(s().saidaAssociada[2], 2);
    EXPECT_EQ(s().edFundoEscalaCorrente, "2.5");
    EXPECT_EQ(s().saidaVisible, (std::array<bool, 4>{true, true, true, false}));
    EXPECT_TRUE(s().edFundoEscalaCorrenteVisible);
    EXPECT_EQ(frame.captions().lblFundoEscala, "Fundo de Escala Tensão");

    const std::pair<const char*, int> amps[] = {{"2,5", 25}, {"10", 100}, {"1.0", 10}, {"1,05", 10}};
    for (const auto& [typed, written] : amps) {
        frame.setFundoEscalaCorrente(typed);
        frame.edFundoEscalaExit();
        EXPECT_EQ(sim->reg(303), written) << typed;
    }
    EXPECT_TRUE(ui.messages.empty());
    for (const char* bad : {"10.1", "0.9", "x"}) {
        ui.messages.clear();
        frame.setFundoEscalaCorrente(bad);
        frame.cbSaidaAssociadaSelect(0, 1);
        EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kMsgFundoEscalaCorrente}) << bad;
        EXPECT_EQ(sim->reg(303), 10) << bad;
        EXPECT_EQ(sim->reg(310), 1);
        sim->setReg(310, 0);
        frame.AtivarFrame(comm, 0);
    }
    frame.rgEscalaClick(1);
    EXPECT_EQ(sim->reg(301), 1);
    frame.cbSaidaAssociadaSelect(3, 0);
    EXPECT_EQ(sim->reg(313), 2) << "no fourth output on the R";

    frame.SetIdioma(1);
    EXPECT_EQ(s().canais, (std::vector<std::string>{"PT", "CT", "TAP"}));
    outputs = 1;
    frame.AtivarFrame(comm, 0);
    EXPECT_EQ(s().saidaVisible, (std::array<bool, 4>{true, false, false, false}));
    outputs = 0;
    frame.AtivarFrame(comm, 0);
    EXPECT_FALSE(s().rgEscalaVisible);
    EXPECT_FALSE(s().edFundoEscalaCorrenteVisible);
    EXPECT_EQ(s().saidaVisible, (std::array<bool, 4>{}));
}

// The P's range is this unit's, 301 + the unit index, read when the page opens; an
// index outside the bus addresses nothing.
TEST_P(FrameConfSaidaCorrenteTest, TheParallelismControllerSetsItsOwnUnitsRange)
{
    openPage("P", [this] {
        sim->setReg(1951, 3);
        sim->setReg(304, 2);
        sim->setReg(301, 0);
    });
    EXPECT_TRUE(s().rgEscalaVisible);
    EXPECT_EQ(s().rgEscala, 2);
    EXPECT_FALSE(s().edFundoEscalaVisible);
    EXPECT_EQ(s().saidaVisible, (std::array<bool, 4>{}));
    frame.rgEscalaClick(4);
    EXPECT_EQ(sim->reg(304), 4);
    EXPECT_EQ(sim->reg(301), 0);
    frame.cbSaidaAssociadaSelect(0, 0);
    EXPECT_TRUE(ui.messages.empty());

    sim->setReg(2660, 2);
    frame.AtivarFrame(comm, 0);
    EXPECT_TRUE(s().pnEscala0_1maVisible) << "the board type is read when the page opens";
    sim->setReg(2660, 0);

    for (std::uint16_t unit : {16, 20, 65535}) {
        sim->setReg(1951, unit);
        const std::uint64_t before = sim->requestCount();
        frame.AtivarFrame(comm, 0);
        EXPECT_EQ(s().rgEscala, -1) << unit;
        frame.rgEscalaClick(1);
        EXPECT_EQ(s().rgEscala, -1) << unit;
        EXPECT_TRUE(comm.connected());
        EXPECT_EQ(sim->requestCount(), before + 2) << "1951 and 2660 read, nothing written";
        for (std::uint16_t r = 301; r <= 316; ++r)
            EXPECT_EQ(sim->reg(r), r == 301 ? 0 : 4) << r;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_P(FrameConfSaidaCorrenteTest, ThePositionIndicatorSetsItsRange)
{
    openPage("C", [this] {
        sim->setReg(301, 1);
        sim->setReg(2660, 0);
    });
    EXPECT_EQ(s().rgEscala, 1);
    EXPECT_FALSE(s().edFundoEscalaVisible);
    EXPECT_FALSE(s().edFundoEscalaCorrenteVisible);
    frame.rgEscalaClick(3);
    EXPECT_EQ(sim->reg(301), 3);
    sim->setReg(2660, 2);
    frame.AtivarFrame(comm, 0);
    EXPECT_TRUE(s().pnEscala0_1maVisible);
    EXPECT_FALSE(s().rgEscalaVisible);
    EXPECT_TRUE(ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, FrameConfSaidaCorrenteTest,
                         ::testing::Values(PageLinkFixture::Link::UsbButton, PageLinkFixture::Link::Tcp),
                         [](const auto& info) { return info.param == PageLinkFixture::Link::Tcp ? "Tcp" : "Usb"; });
