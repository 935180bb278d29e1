// The QLX700-IRR manual operation window, opened from the general page, against the
// simulated irrigation controller over its pseudo-terminal (the USB button) and TCP.
#include "GeneralPageFixture.h"
#include "PageMessages.h"
#include "screens/irrigation/IrrigationGeneralPage.h"
#include "screens/irrigation/ManualOperationWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

namespace {

using Boxes = std::array<bool, ManualOperationWindow::kBranches>;

constexpr const char* kCommunicationError = "Erro de comunicação com o equipamento";

class ManualOperationWindowFixture : public GeneralPageFixture<IrrigationGeneralPage> {
protected:
    void open(bool tcp)
    {
        tcp_ = tcp;
        startSim("IRR", tcp);
        sim->setReg(210, 45);
        sim->setReg(211, 18);
        sim->setReg(212, 5);
        ASSERT_TRUE(tcp ? page.connectIp("127.0.0.1", "", true, sim->tcpPort())
                        : page.connectSerial(sim->serialPath(), 1, false, {9600, 0, 0}));
        page.setTimerEnabled(true);
    }
    // Opens the window from the page's button and runs `steps` while it is shown.
    void whileWindowShown(const std::function<void(ManualOperationWindow&)>& steps)
    {
        bool shown = false;
        ui.manualOperationWindow = [&](ManualOperationWindow& window) {
            shown = true;
            EXPECT_FALSE(page.timerEnabled()) << "the page's refresh leaves the link to the window";
            EXPECT_TRUE(window.timerEnabled());
            steps(window);
        };
        page.manualOperationClicked();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(page.timerEnabled()) << "the page's refresh runs again once the window closes";
    }
    // The next wait of the link, whichever kind the link has, runs `action`.
    std::function<void()>& duringNextWait() { return tcp_ ? pump.duringAsyncWait : pump.duringWait; }
    // The refused write of each link: a value that does not stick, or an error status.
    std::string refusal() const { return tcp_ ? "exception=4" : "ignore-writes"; }
    // Outputs 1..6 (pump, branches 1..5) once the device drives them as `expected`
    // (it updates them a few times a second), or as they stand after two seconds.
    std::array<int, 6> outputsBecome(const std::array<int, 6>& expected)
    {
        std::array<int, 6> on{};
        const Deadline deadline = deadlineAfter(Seconds(2));
        do {
            EXPECT_TRUE(comm.readRegisters(1100, 6));
            for (int k = 0; k < 6; ++k)
                on[static_cast<std::size_t>(k)] = comm.registerValue(1100 + k);
        } while (on != expected && LinkClock::now() < deadline &&
                 (std::this_thread::sleep_for(std::chrono::milliseconds(20)), true));
        return on;
    }

    bool tcp_ = false;
};

class ManualOperationWindowTest : public ::testing::TestWithParam<bool>, public ManualOperationWindowFixture {
protected:
    void SetUp() override { open(GetParam()); }
};

class ManualOperationWindowSerial : public ::testing::Test, public ManualOperationWindowFixture {
protected:
    void SetUp() override { open(false); }
};

} // namespace

TEST_P(ManualOperationWindowTest, ShowsTheManualRegistersAndFollowsTheDeviceOnEveryTick)
{
    whileWindowShown([&](ManualOperationWindow& window) {
        // One read of 210..212 and nothing around it.
        for (int reg = 210; reg <= 212; ++reg)
            EXPECT_TRUE(comm.received(reg)) << reg;
        EXPECT_FALSE(comm.received(209));
        EXPECT_FALSE(comm.received(213));
        EXPECT_EQ(window.state().duration, "45");
        EXPECT_EQ(window.state().cycleBranches, (Boxes{false, true, false, false, true}));
        EXPECT_TRUE(window.state().pump);
        EXPECT_EQ(window.state().valves, (Boxes{false, true, false, false, false}));
        EXPECT_TRUE(window.state().cycleEnabled);
        EXPECT_TRUE(window.state().controlEnabled);

        // Changes made on the device itself show at the next tick.
        sim->setReg(210, 90);
        sim->setReg(211, 1);
        sim->setReg(212, 0x3E);
        window.tick();
        EXPECT_EQ(window.state().duration, "90");
        EXPECT_EQ(window.state().cycleBranches, (Boxes{true, false, false, false, false}));
        EXPECT_FALSE(window.state().pump);
        EXPECT_EQ(window.state().valves, (Boxes{true, true, true, true, true}));

        // What is being typed stays while the edit has the focus; the boxes still follow.
        window.setDurationFocused(true);
        window.setDuration("7");
        sim->setReg(210, 120);
        sim->setReg(211, 4);
        window.tick();
        EXPECT_EQ(window.state().duration, "7");
        EXPECT_EQ(window.state().cycleBranches, (Boxes{false, false, true, false, false}));
        window.setDurationFocused(false);
        window.tick();
        EXPECT_EQ(window.state().duration, "120");
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

TEST_P(ManualOperationWindowTest, SendWritesTheMasksAndShowsWhatTheDeviceHolds)
{
    sim->setReg(211, 0);
    sim->setReg(212, 0);
    whileWindowShown([&](ManualOperationWindow& window) {
        window.setPump(true);
        window.setValve(2, true);
        window.controlChanged();
        EXPECT_EQ(sim->reg(212), 5);

        window.setCycleBranch(2, true);
        window.setCycleBranch(5, true);
        window.setDuration("1440");
        window.controlChanged();
        EXPECT_EQ(sim->reg(211), 18);
        EXPECT_EQ(sim->reg(210), 1440);
        EXPECT_EQ(sim->reg(212), 5);
        EXPECT_NE(std::find(pump.pauses.begin(), pump.pauses.end(), std::chrono::milliseconds(300)), pump.pauses.end())
            << "the device is given 300 ms before the window reads it back";

        // Branches changed on the device meanwhile come back with the send's reread;
        // the unchanged cycle boxes are not written over them.
        sim->setReg(211, 3);
        window.setValve(3, true);
        window.controlChanged();
        EXPECT_EQ(sim->reg(212), 13);
        EXPECT_EQ(sim->reg(211), 3);
        EXPECT_EQ(window.state().cycleBranches, (Boxes{true, true, false, false, false}));
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

// An invalid duration is reported with what was typed and not written; the boxes
// still go to the device.
TEST_P(ManualOperationWindowTest, AnInvalidDurationIsReportedAndTheMasksStillGo)
{
    whileWindowShown([&](ManualOperationWindow& window) {
        for (const char* typed : {"1441", "-1", "abc", "12.5", ""}) {
            ui.messages.clear();
            const bool pump = !window.state().pump;
            const bool branch1 = !window.state().cycleBranches[0];
            window.setPump(pump);
            window.setCycleBranch(1, branch1);
            window.setDuration(typed);
            window.controlChanged();
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{std::string("Valor numérico inválido: ") + typed});
            EXPECT_EQ(sim->reg(210), 45) << typed;
            EXPECT_EQ(sim->reg(212) & 1, pump ? 1 : 0) << typed;
            EXPECT_EQ(sim->reg(211) & 1, branch1 ? 1 : 0) << typed;
            EXPECT_EQ(window.state().duration, "45") << "the device's duration is shown again";
        }
    });
}

TEST_P(ManualOperationWindowTest, StartAndStopCommandsRunTheManualCycle)
{
    sim->setReg(212, 0);
    whileWindowShown([&](ManualOperationWindow& window) {
        constexpr std::array<int, 6> kCycle{1, 0, 1, 0, 0, 1}; // pump and branches 2 and 5
        constexpr std::array<int, 6> kIdle{};
        ASSERT_EQ(outputsBecome(kIdle), kIdle);
        window.startCycleClicked();
        EXPECT_EQ(outputsBecome(kCycle), kCycle);
        window.stopCycleClicked();
        EXPECT_EQ(outputsBecome(kIdle), kIdle);
    });
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const ScriptedUi::Message& m : ui.messages) {
        EXPECT_EQ(m.kind, MessageKind::Information);
        EXPECT_EQ(m.text, "Comando enviado");
    }
}

// A click whose request starts while another waits for its answer fails at once with
// the communication error, and nothing of it reaches the device.
TEST_P(ManualOperationWindowTest, ARequestDuringAnotherOnesWaitGivesTheCommunicationError)
{
    sim->setReg(212, 0);
    whileWindowShown([&](ManualOperationWindow& window) {
        const std::uint64_t writes = sim->writeCount();
        duringNextWait() = [&] {
            window.setValve(4, true);
            window.controlChanged();
        };
        window.tick();
        EXPECT_FALSE(duringNextWait()) << "the click ran inside the tick's wait";
        EXPECT_FALSE(window.state().valves[3]) << "the box shows the device again";
        duringNextWait() = [&] { window.startCycleClicked(); };
        window.tick();
        EXPECT_FALSE(duringNextWait());
        EXPECT_EQ(sim->writeCount(), writes) << "neither the valve nor the start command reached the device";
        EXPECT_EQ(sim->reg(212), 0);
    });
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kCommunicationError, kCommunicationError}));
}

// A tick firing inside a send's wait does not refill the boxes under the send.
TEST_P(ManualOperationWindowTest, ATickInsideASendIsSkipped)
{
    sim->setReg(211, 0);
    sim->setReg(212, 0);
    whileWindowShown([&](ManualOperationWindow& window) {
        const std::uint64_t requests = sim->requestCount();
        duringNextWait() = [&] { window.tick(); };
        window.setCycleBranch(1, true);
        window.setValve(5, true);
        window.controlChanged();
        EXPECT_FALSE(duringNextWait());
        EXPECT_EQ(sim->reg(211), 1);
        EXPECT_EQ(sim->reg(212), 32);
        // Serial: two writes with their read-backs and the reread; TCP: one write of
        // both pairs, its read-back and the reread. Nothing from the tick.
        EXPECT_EQ(sim->requestCount() - requests, tcp_ ? 3u : 5u);
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

TEST_P(ManualOperationWindowTest, ARefusedWriteGivesOneMessageAndTheDeviceStateComesBack)
{
    sim->setReg(212, 0);
    whileWindowShown([&](ManualOperationWindow& window) {
        sim->setFaults(refusal());
        window.setValve(3, true);
        window.controlChanged();
        EXPECT_EQ(sim->reg(212), 0);
        EXPECT_FALSE(window.state().valves[2]);
    });
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kCommandError});
}

INSTANTIATE_TEST_SUITE_P(Links, ManualOperationWindowTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Tcp" : "Serial"; });

// The manual registers never arrived on this link: nothing of them is shown and no
// box's mask is written over what the device holds.
TEST_F(ManualOperationWindowSerial, RegistersNeverReceivedAreNeitherShownNorWrittenBack)
{
    sim->setFaults("silent-after=0");
    whileWindowShown([&](ManualOperationWindow& window) {
        EXPECT_EQ(window.state().duration, "");
        EXPECT_FALSE(window.state().cycleEnabled);
        EXPECT_FALSE(window.state().controlEnabled);
        EXPECT_EQ(window.state().valves, Boxes{});
        sim->setFaults("");
        const std::uint64_t writes = sim->writeCount();
        window.setPump(false);
        window.setValve(1, true);
        window.setCycleBranch(1, true);
        window.controlChanged();
        EXPECT_EQ(sim->writeCount(), writes);
        EXPECT_EQ(sim->reg(211), 18);
        EXPECT_EQ(sim->reg(212), 5);
        // The send's reread brings the device's values in.
        EXPECT_EQ(window.state().duration, "45");
        EXPECT_TRUE(window.state().controlEnabled);
        EXPECT_TRUE(window.state().pump);
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

TEST_F(ManualOperationWindowSerial, OpensOnlyWhileConnected)
{
    page.connectClicked(true);
    ASSERT_FALSE(comm.connected());
    bool shown = false;
    ui.manualOperationWindow = [&](ManualOperationWindow&) { shown = true; };
    page.manualOperationClicked();
    EXPECT_FALSE(shown);
}

TEST(ManualOperationWindowTexts, CaptionsAndMessagesInTheThreeLanguages)
{
    struct Case {
        int language;
        const char* caption;
        const char* branch5;
        const char* durationLabel;
        const char* startButton;
        const char* manualControlBox;
        const char* pumpBox;
    };
    const Case cases[] = {
        {0, "Ciclo Manual", "Ramal 5", "Duração (min)", "Iniciar Ciclo", "Controle Manual", "Bomba"},
        {1, "Manual Cycle", "Branch 5", "Duration (min)", "Start Cycle", "Manual Control", "Pump"},
        {2, "Ciclo Manual", "Rama 5", "Duración (min)", "Empezar Ciclo", "Control Manual", "Bomba"},
    };
    for (const Case& c : cases) {
        ScriptedUi ui;
        RecordingPump pump;
        ManualOperationWindow window(ui, pump);
        window.setLanguage(c.language);
        const ManualOperationWindow::Captions& k = window.captions();
        EXPECT_EQ(k.caption, c.caption);
        EXPECT_EQ(k.manualCycleBox, c.caption);
        EXPECT_EQ(k.branches[4], c.branch5);
        EXPECT_EQ(k.durationLabel, c.durationLabel);
        EXPECT_EQ(k.startCycleButton, c.startButton);
        EXPECT_EQ(k.stopCycleButton, c.language == 1 ? "Stop Cycle" : "Parar Ciclo");
        EXPECT_EQ(k.manualControlBox, c.manualControlBox);
        EXPECT_EQ(k.pump, c.pumpBox);
    }
}
