#include "screens/irrigation/ManualOperationWindow.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "link/EventPump.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/irrigation/IrrigationTexts.h"

#include <chrono>

namespace {

constexpr int kDurationRegister = 210;
constexpr int kBranchesRegister = 211;
constexpr int kRelaysRegister = 212;
constexpr int kManualRegisters = 3;
// The device applies the new outputs before the window reads them back.
constexpr std::chrono::milliseconds kReadBackDelay{300};

constexpr LangText kManualCycle{"Ciclo Manual", "Manual Cycle", "Ciclo Manual"};
constexpr LangText kManualBranch{"Ramal ", "Branch ", "Rama "};
constexpr LangText kDuration{"Duração (min)", "Duration (min)", "Duración (min)"};
constexpr LangText kStartCycle{"Iniciar Ciclo", "Start Cycle", "Empezar Ciclo"};
constexpr LangText kStopCycle{"Parar Ciclo", "Stop Cycle", "Parar Ciclo"};
constexpr LangText kManualControl{"Controle Manual", "Manual Control", "Control Manual"};
constexpr LangText kPump{"Bomba", "Pump", "Bomba"};
constexpr LangText kCommunicationError{"Erro de comunicação com o equipamento", "Communication error",
                                       "Error de comunicacion"};
constexpr LangText kInvalidNumber{"Valor numérico inválido: ", "Invalid numeric value: ", "Valor numérico inválido: "};

} // namespace

ManualOperationWindow::ManualOperationWindow(Ui& ui, EventPump& pump)
    : Dialog({50, 50})
    , ui_(ui)
    , pump_(pump)
{
    setLanguage(0);
}

void ManualOperationWindow::open(DeviceLink& comm, int language)
{
    comm_ = &comm;
    busy_ = false;
    updating_ = false;
    comm.readRegisters(kDurationRegister, kManualRegisters);
    fill();
    setLanguage(language);
    timerEnabled_ = true;
}

void ManualOperationWindow::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    const int l = language_;
    captions_ = {kManualCycle.in(l), kManualCycle.in(l),    kDuration.in(l), kStartCycle.in(l),
                 kStopCycle.in(l),       kManualControl.in(l), kPump.in(l),   {}};
    for (int k = 1; k <= kBranches; ++k)
        captions_.branches[index(k)] = kManualBranch.in(l) + std::to_string(k);
}

// Only what this link received is shown; the boxes of a register that never arrived
// stay clear and locked, so no mask built from them can reach the device.
void ManualOperationWindow::fill()
{
    const BusyHold hold(updating_);
    if (!durationFocused_) {
        const bool known = comm_->received(kDurationRegister);
        state_.duration = known ? std::to_string(comm_->registerValue(kDurationRegister)) : "";
    }
    state_.cycleEnabled = comm_->received(kBranchesRegister);
    const int branches = state_.cycleEnabled ? comm_->registerValue(kBranchesRegister) & 0xFF : 0;
    state_.controlEnabled = comm_->received(kRelaysRegister);
    const int relays = state_.controlEnabled ? comm_->registerValue(kRelaysRegister) & 0xFF : 0;
    state_.pump = (relays & 1) != 0;
    for (std::size_t k = 0; k < kBranches; ++k) {
        state_.cycleBranches[k] = ((branches >> k) & 1) != 0;
        state_.valves[k] = ((relays >> (k + 1)) & 1) != 0;
    }
}

void ManualOperationWindow::failed()
{
    const LangText& message = comm_->busy() ? kCommunicationError : general::SendErrorUnstopped;
    ui_.showMessage(MessageKind::Error, message.in(language_));
}

void ManualOperationWindow::controlChanged()
{
    if (updating_ || comm_ == nullptr)
        return;
    // A tick firing inside one of the send's waits must not refill the boxes before
    // their masks are built.
    const BusyHold hold(busy_);
    if (state_.cycleEnabled) {
        int branches = 0;
        for (std::size_t k = 0; k < kBranches; ++k)
            branches |= state_.cycleBranches[k] ? 1 << k : 0;
        if (!comm_->writeRegister(kBranchesRegister, branches, true))
            failed();
    }
    const std::optional<int> duration = parseIntegerIn(state_.duration, 0, kMaxDuration);
    if (duration) {
        if (!comm_->writeRegister(kDurationRegister, *duration, true))
            failed();
    } else if (!state_.duration.empty() || comm_->received(kDurationRegister)) {
        // An empty edit over a duration that never arrived is nothing the user typed.
        ui_.showMessage(MessageKind::Error, kInvalidNumber.in(language_) + state_.duration);
    }
    if (state_.controlEnabled) {
        int relays = state_.pump ? 1 : 0;
        for (std::size_t k = 0; k < kBranches; ++k)
            relays |= state_.valves[k] ? 1 << (k + 1) : 0;
        if (!comm_->writeRegister(kRelaysRegister, relays, true))
            failed();
    }
    if (!comm_->flushQueuedWrites())
        failed();
    pump_.sleepUntil(deadlineAfter(kReadBackDelay));
    comm_->readRegisters(kDurationRegister, kManualRegisters);
    // A refused change shows the device's state again.
    fill();
}

void ManualOperationWindow::command(Command code)
{
    if (comm_ == nullptr)
        return;
    const BusyHold hold(busy_);
    if (comm_->sendCommand(static_cast<int>(code)))
        ui_.showMessage(MessageKind::Information, irrigation::CommandSent.in(language_));
    else
        failed();
}

void ManualOperationWindow::tick()
{
    if (comm_ == nullptr || busy_)
        return;
    const BusyHold hold(busy_);
    comm_->readRegisters(kDurationRegister, kManualRegisters);
    fill();
}
