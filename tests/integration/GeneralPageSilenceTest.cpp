// A device that stops answering while its general page is connected, on every link:
// the refresh stops at its first failed read, the page says since when the device is
// silent, and the fourth failed refresh in a row closes the link and says so. Clicks
// that arrive during a wait are run after the refresh or refused, never replayed late.
#include "ThermalGeneralPageFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum class Link { Serial, Udp, Tcp };

class GeneralPageSilence : public ::testing::TestWithParam<Link>, public ThermalGeneralPageFixture {
public:
    static std::string linkName(const ::testing::TestParamInfo<Link>& info)
    {
        return info.param == Link::Serial ? "Serial" : info.param == Link::Udp ? "Udp" : "Tcp";
    }

protected:
    void SetUp() override
    {
        const Link link = GetParam();
        sim = qlxsim::SimServer::start({.model = "T"},
                                       {.serial = link == Link::Serial, .udp = link == Link::Udp, .tcp = link == Link::Tcp});
        switch (link) {
        case Link::Serial: ASSERT_TRUE(connect()); break;
        case Link::Udp: ASSERT_TRUE(page.connectIp("127.0.0.1", "", false, sim->udpPort())); break;
        case Link::Tcp: ASSERT_TRUE(connect(true)); break;
        }
        page.tick();
        ASSERT_FALSE(page.general().stale);
        live = page.state().windingMeasurements[0][0];
        ASSERT_FALSE(live.empty());
    }

    std::string live;
};

} // namespace

TEST_P(GeneralPageSilence, FourFailedRefreshesCloseTheLinkAndSaySo)
{
    sim->setFaults("silent-after=0");
    for (int tick = 1; tick <= 3; ++tick) {
        const std::uint64_t before = sim->requestCount();
        page.tick();
        // One request, then the refresh gives up: the next ones would wait as long again.
        EXPECT_EQ(sim->requestCount(), before + 1) << "tick " << tick;
        ASSERT_TRUE(comm.connected()) << "tick " << tick;
        EXPECT_TRUE(page.general().stale);
        EXPECT_EQ(page.general().staleMarker.rfind("sem resposta desde ", 0), 0u) << page.general().staleMarker;
        // The last values stay, marked as such, rather than blanks or zeros.
        EXPECT_EQ(page.state().windingMeasurements[0][0], live);
        EXPECT_TRUE(ui.messages.empty());
    }
    page.tick();
    EXPECT_FALSE(comm.connected());
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Equipamento desconectado"});
    EXPECT_EQ(page.general().serialNumberPanel.text, "Não Conectado");
    EXPECT_FALSE(page.general().stale);
    EXPECT_EQ(page.generalCaptions().connectSerialButton, "Conectar Serial");
}

TEST_P(GeneralPageSilence, AnAnsweredRefreshClearsTheMarkerAndTheCount)
{
    sim->setFaults("silent-after=0");
    page.tick();
    page.tick();
    page.tick();
    ASSERT_TRUE(page.general().stale);
    sim->setFaults("");
    page.tick();
    EXPECT_FALSE(page.general().stale);
    EXPECT_TRUE(page.general().staleMarker.empty());
    sim->setFaults("silent-after=0");
    for (int tick = 0; tick < 3; ++tick)
        page.tick();
    EXPECT_TRUE(comm.connected()) << "three failures after a good refresh keep the link";
}

// Refreshes that fire while another transaction waits find the link busy: they are
// skipped, never counted as a device that did not answer.
TEST_P(GeneralPageSilence, RefreshesThatFindTheLinkBusyAreSkippedNotCounted)
{
    const auto refreshes = [this] {
        for (int tick = 0; tick <= GeneralPage::kMaxFailedTicks; ++tick)
            page.tick();
    };
    pump.duringWait = refreshes;
    pump.duringAsyncWait = refreshes;
    const std::uint64_t before = sim->requestCount();
    EXPECT_TRUE(comm.readRegisters(1500, 1));
    pump.duringWait = nullptr;
    pump.duringAsyncWait = nullptr;
    EXPECT_EQ(sim->requestCount(), before + 1) << "the skipped refreshes sent nothing";
    EXPECT_TRUE(comm.connected());
    EXPECT_FALSE(page.general().stale);
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    page.tick();
    EXPECT_FALSE(page.general().stale);
}

// The tool closing its own link (another model chosen) is no lost device; a TCP
// connection the device resets still is.
TEST_P(GeneralPageSilence, OnlyALinkTheToolDidNotCloseIsReportedLost)
{
    comm.close();
    page.tick();
    page.tick();
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    EXPECT_FALSE(page.general().connected);
    if (GetParam() != Link::Tcp)
        return;
    ASSERT_TRUE(connect(true));
    sim->setFaults("reset-after=0");
    page.tick();
    page.tick();
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Equipamento desconectado"});
}

INSTANTIATE_TEST_SUITE_P(Links, GeneralPageSilence, ::testing::Values(Link::Serial, Link::Udp, Link::Tcp),
                         GeneralPageSilence::linkName);

namespace {

class GeneralPageClicksDuringWaits : public ::testing::Test, public ThermalGeneralPageFixture {
protected:
    void SetUp() override
    {
        startSim("T");
        ASSERT_TRUE(connect());
        // Replies that take a moment, so the refresh's first read surely waits.
        sim->setFaults("slow=50ms");
    }
};

} // namespace

// "Desconectar" pressed while a refresh waits on a silent device: the link closes as
// soon as that read ends, the refresh stops there, and nothing says the device was lost.
TEST_F(GeneralPageClicksDuringWaits, DisconnectDuringARefreshHappensRightAfterTheRead)
{
    sim->setFaults("silent-after=0");
    const std::uint64_t before = sim->requestCount();
    pump.duringWait = [this] { page.connectClicked(false); };
    page.tick();
    EXPECT_EQ(sim->requestCount(), before + 1);
    EXPECT_FALSE(comm.connected());
    EXPECT_FALSE(page.general().connected);
    EXPECT_TRUE(ui.messages.empty());
    page.tick();
    EXPECT_TRUE(ui.messages.empty()) << "a disconnect the user asked for is no lost device";
}

// A button pressed while the refresh waits runs as soon as the refresh has ended (which
// it ends early); one pressed while another action waits is refused at once.
TEST_F(GeneralPageClicksDuringWaits, ActionsWaitForTheRefreshAndAreRefusedDuringAnother)
{
    files.answer = folder / "t.conf";
    pump.duringWait = [this] { page.saveConfigurationClicked(); };
    page.tick();
    EXPECT_EQ(files.asked, std::vector<std::string>{"Salvar Configuração"});
    EXPECT_EQ(ui.messageTexts().back(), "Configuração salva com sucesso");

    files.asked.clear();
    pump.duringWait = [this] { page.saveConfigurationClicked(); };
    page.loadConfigurationClicked();
    EXPECT_EQ(files.asked, std::vector<std::string>{"Carregar Configuração"}) << "the save during the load was refused";
}

// A radio click during the refresh keeps the index it was made with.
TEST_F(GeneralPageClicksDuringWaits, ASettingClickedDuringTheRefreshIsWrittenAfterIt)
{
    const int mode = (comm.registerValue(201) + 1) % 3;
    pump.duringWait = [this, mode] { page.displayModeChosen(mode); };
    page.tick();
    EXPECT_EQ(sim->reg(201), mode);
    EXPECT_EQ(page.state().displayMode, mode);
    EXPECT_TRUE(ui.messages.empty());
}
