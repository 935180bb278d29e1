// The QLX700-IRR manual operation form, opened from the general page, against the
// simulated irrigation controller over its pseudo-terminal (the USB button) and TCP.
#include "GeneralPageFixture.h"
#include "screens/irrigation/FrameConfGeral_QLX700IRRF.h"
#include "screens/irrigation/Form_QLX700IRR_ManualF.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

namespace {

using Form = TForm_QLX700IRR_Manual;
using Boxes = std::array<bool, Form::kBranches>;

constexpr const char* kErroEnvio = "Erro no envio do comando";
constexpr const char* kErroComunicacao = "Erro de comunicação com o equipamento";

class FormIRRManualBase : public GeneralPageFixture<TFrameConfGeral_QLX700IRR> {
protected:
    void open(bool tcp)
    {
        tcp_ = tcp;
        startSim("IRR", tcp);
        sim->setReg(210, 45);
        sim->setReg(211, 18);
        sim->setReg(212, 5);
        ASSERT_TRUE(tcp ? frame.ConectarIP("127.0.0.1", "", true, sim->tcpPort())
                        : frame.ConectarSerial(sim->serialPath(), 1, false, {9600, 0, 0}));
        frame.setTimerEnabled(true);
    }
    // Opens the form from the page's button and runs `steps` while it is shown.
    void withForm(const std::function<void(Form&)>& steps)
    {
        bool shown = false;
        ui.irrManual = [&](Form& form) {
            shown = true;
            EXPECT_FALSE(frame.timerEnabled()) << "the page's refresh leaves the link to the form";
            EXPECT_TRUE(form.timerEnabled());
            steps(form);
        };
        frame.bbManualClick();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(frame.timerEnabled()) << "the page's refresh runs again once the form closes";
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

class FormIRRManualTest : public ::testing::TestWithParam<bool>, public FormIRRManualBase {
protected:
    void SetUp() override { open(GetParam()); }
};

class FormIRRManualSerial : public ::testing::Test, public FormIRRManualBase {
protected:
    void SetUp() override { open(false); }
};

} // namespace

TEST_P(FormIRRManualTest, ShowsTheManualRegistersAndFollowsTheDeviceOnEveryTick)
{
    withForm([&](Form& form) {
        // One read of 210..212 and nothing around it.
        for (int reg = 210; reg <= 212; ++reg)
            EXPECT_TRUE(comm.received(reg)) << reg;
        EXPECT_FALSE(comm.received(209));
        EXPECT_FALSE(comm.received(213));
        EXPECT_EQ(form.state().edDuracao, "45");
        EXPECT_EQ(form.state().cbCicloValvula, (Boxes{false, true, false, false, true}));
        EXPECT_TRUE(form.state().cbManualBomba);
        EXPECT_EQ(form.state().cbValvula, (Boxes{false, true, false, false, false}));
        EXPECT_TRUE(form.state().cicloEnabled);
        EXPECT_TRUE(form.state().controleEnabled);

        // Changes made on the device itself show at the next tick.
        sim->setReg(210, 90);
        sim->setReg(211, 1);
        sim->setReg(212, 0x3E);
        form.TimerUpdateTimer();
        EXPECT_EQ(form.state().edDuracao, "90");
        EXPECT_EQ(form.state().cbCicloValvula, (Boxes{true, false, false, false, false}));
        EXPECT_FALSE(form.state().cbManualBomba);
        EXPECT_EQ(form.state().cbValvula, (Boxes{true, true, true, true, true}));

        // What is being typed stays while the edit has the focus; the boxes still follow.
        form.setDuracaoFocused(true);
        form.setEdDuracao("7");
        sim->setReg(210, 120);
        sim->setReg(211, 4);
        form.TimerUpdateTimer();
        EXPECT_EQ(form.state().edDuracao, "7");
        EXPECT_EQ(form.state().cbCicloValvula, (Boxes{false, false, true, false, false}));
        form.setDuracaoFocused(false);
        form.TimerUpdateTimer();
        EXPECT_EQ(form.state().edDuracao, "120");
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

TEST_P(FormIRRManualTest, SendWritesTheMasksAndShowsWhatTheDeviceHolds)
{
    sim->setReg(211, 0);
    sim->setReg(212, 0);
    withForm([&](Form& form) {
        form.setManualBomba(true);
        form.setValvula(2, true);
        form.cbCicloValvula1Click();
        EXPECT_EQ(sim->reg(212), 5);

        form.setCicloValvula(2, true);
        form.setCicloValvula(5, true);
        form.setEdDuracao("1440");
        form.cbCicloValvula1Click();
        EXPECT_EQ(sim->reg(211), 18);
        EXPECT_EQ(sim->reg(210), 1440);
        EXPECT_EQ(sim->reg(212), 5);
        EXPECT_NE(std::find(pump.pauses.begin(), pump.pauses.end(), std::chrono::milliseconds(300)), pump.pauses.end())
            << "the device is given 300 ms before the form reads it back";

        // Branches changed on the device meanwhile come back with the send's reread;
        // the unchanged cycle boxes are not written over them.
        sim->setReg(211, 3);
        form.setValvula(3, true);
        form.cbCicloValvula1Click();
        EXPECT_EQ(sim->reg(212), 13);
        EXPECT_EQ(sim->reg(211), 3);
        EXPECT_EQ(form.state().cbCicloValvula, (Boxes{true, true, false, false, false}));
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

// An invalid duration is reported with what was typed and not written; the boxes
// still go to the device.
TEST_P(FormIRRManualTest, AnInvalidDurationIsReportedAndTheMasksStillGo)
{
    withForm([&](Form& form) {
        for (const char* typed : {"1441", "-1", "abc", "12.5", ""}) {
            ui.messages.clear();
            const bool pump = !form.state().cbManualBomba;
            const bool branch1 = !form.state().cbCicloValvula[0];
            form.setManualBomba(pump);
            form.setCicloValvula(1, branch1);
            form.setEdDuracao(typed);
            form.cbCicloValvula1Click();
            EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{std::string("Valor numérico inválido: ") + typed});
            EXPECT_EQ(sim->reg(210), 45) << typed;
            EXPECT_EQ(sim->reg(212) & 1, pump ? 1 : 0) << typed;
            EXPECT_EQ(sim->reg(211) & 1, branch1 ? 1 : 0) << typed;
            EXPECT_EQ(form.state().edDuracao, "45") << "the device's duration is shown again";
        }
    });
}

TEST_P(FormIRRManualTest, StartAndStopCommandsRunTheManualCycle)
{
    sim->setReg(212, 0);
    withForm([&](Form& form) {
        constexpr std::array<int, 6> kCycle{1, 0, 1, 0, 0, 1}; // pump and branches 2 and 5
        constexpr std::array<int, 6> kIdle{};
        ASSERT_EQ(outputsBecome(kIdle), kIdle);
        form.bbCicloManualClick();
        EXPECT_EQ(outputsBecome(kCycle), kCycle);
        form.bbCicloManualCancelarClick();
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
TEST_P(FormIRRManualTest, ARequestDuringAnotherOnesWaitGivesTheCommunicationError)
{
    sim->setReg(212, 0);
    withForm([&](Form& form) {
        const std::uint64_t writes = sim->writeCount();
        duringNextWait() = [&] {
            form.setValvula(4, true);
            form.cbCicloValvula1Click();
        };
        form.TimerUpdateTimer();
        EXPECT_FALSE(duringNextWait()) << "the click ran inside the tick's wait";
        EXPECT_FALSE(form.state().cbValvula[3]) << "the box shows the device again";
        duringNextWait() = [&] { form.bbCicloManualClick(); };
        form.TimerUpdateTimer();
        EXPECT_FALSE(duringNextWait());
        EXPECT_EQ(sim->writeCount(), writes) << "neither the valve nor the start command reached the device";
        EXPECT_EQ(sim->reg(212), 0);
    });
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{kErroComunicacao, kErroComunicacao}));
}

// A tick firing inside a send's wait does not refill the boxes under the send.
TEST_P(FormIRRManualTest, ATickInsideASendIsSkipped)
{
    sim->setReg(211, 0);
    sim->setReg(212, 0);
    withForm([&](Form& form) {
        const std::uint64_t requests = sim->requestCount();
        duringNextWait() = [&] { form.TimerUpdateTimer(); };
        form.setCicloValvula(1, true);
        form.setValvula(5, true);
        form.cbCicloValvula1Click();
        EXPECT_FALSE(duringNextWait());
        EXPECT_EQ(sim->reg(211), 1);
        EXPECT_EQ(sim->reg(212), 32);
        // Serial: two writes with their read-backs and the reread; TCP: one write of
        // both pairs, its read-back and the reread. Nothing from the tick.
        EXPECT_EQ(sim->requestCount() - requests, tcp_ ? 3u : 5u);
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

TEST_P(FormIRRManualTest, ARefusedWriteGivesOneMessageAndTheDeviceStateComesBack)
{
    sim->setReg(212, 0);
    withForm([&](Form& form) {
        sim->setFaults(refusal());
        form.setValvula(3, true);
        form.cbCicloValvula1Click();
        EXPECT_EQ(sim->reg(212), 0);
        EXPECT_FALSE(form.state().cbValvula[2]);
    });
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kErroEnvio});
}

INSTANTIATE_TEST_SUITE_P(Links, FormIRRManualTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Tcp" : "Serial"; });

// The manual registers never arrived on this link: nothing of them is shown and no
// box's mask is written over what the device holds.
TEST_F(FormIRRManualSerial, RegistersNeverReceivedAreNeitherShownNorWrittenBack)
{
    sim->setFaults("silent-after=0");
    withForm([&](Form& form) {
        EXPECT_EQ(form.state().edDuracao, "");
        EXPECT_FALSE(form.state().cicloEnabled);
        EXPECT_FALSE(form.state().controleEnabled);
        EXPECT_EQ(form.state().cbValvula, Boxes{});
        sim->setFaults("");
        const std::uint64_t writes = sim->writeCount();
        form.setManualBomba(false);
        form.setValvula(1, true);
        form.setCicloValvula(1, true);
        form.cbCicloValvula1Click();
        EXPECT_EQ(sim->writeCount(), writes);
        EXPECT_EQ(sim->reg(211), 18);
        EXPECT_EQ(sim->reg(212), 5);
        // The send's reread brings the device's values in.
        EXPECT_EQ(form.state().edDuracao, "45");
        EXPECT_TRUE(form.state().controleEnabled);
        EXPECT_TRUE(form.state().cbManualBomba);
    });
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts()[0];
}

TEST_F(FormIRRManualSerial, OpensOnlyWhileConnected)
{
    frame.bbConectarClick(true);
    ASSERT_FALSE(comm.connected());
    bool shown = false;
    ui.irrManual = [&](Form&) { shown = true; };
    frame.bbManualClick();
    EXPECT_FALSE(shown);
}

TEST(FormIRRManualTexts, CaptionsAndMessagesInTheThreeLanguages)
{
    struct Case {
        int language;
        const char* caption;
        const char* ramal5;
        const char* duracao;
        const char* iniciar;
        const char* controle;
        const char* bomba;
    };
    const Case cases[] = {
        {0, "Ciclo Manual", "Ramal 5", "Duração (min)", "Iniciar Ciclo", "Controle Manual", "Bomba"},
        {1, "Manual Cycle", "Branch 5", "Duration (min)", "Start Cycle", "Manual Control", "Pump"},
        {2, "Ciclo Manual", "Rama 5", "Duración (min)", "Empezar Ciclo", "Control Manual", "Bomba"},
    };
    for (const Case& c : cases) {
        ScriptedUi ui;
        RecordingPump pump;
        Form form(ui, pump);
        form.SetIdioma(c.language);
        const Form::Captions& k = form.captions();
        EXPECT_EQ(k.caption, c.caption);
        EXPECT_EQ(k.gbCicloManual, c.caption);
        EXPECT_EQ(k.ramais[4], c.ramal5);
        EXPECT_EQ(k.lblDuracao, c.duracao);
        EXPECT_EQ(k.bbCicloManual, c.iniciar);
        EXPECT_EQ(k.bbCicloManualCancelar, c.language == 1 ? "Stop Cycle" : "Parar Ciclo");
        EXPECT_EQ(k.gbControleManual, c.controle);
        EXPECT_EQ(k.cbManualBomba, c.bomba);
    }
}
