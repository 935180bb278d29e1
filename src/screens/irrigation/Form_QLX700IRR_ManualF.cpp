#include "screens/irrigation/Form_QLX700IRR_ManualF.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/EquipCommF.h"
#include "link/EventPump.h"
#include "screens/irrigation/IrrigationTexts.h"

#include <chrono>

namespace {

constexpr int kDuracaoRegister = 210;
constexpr int kRamaisRegister = 211;
constexpr int kReleRegister = 212;
constexpr int kManualRegisters = 3;
// The device applies the new outputs before the form reads them back.
constexpr std::chrono::milliseconds kReadBackDelay{300};

constexpr LangText kCicloManual{"Ciclo Manual", "Manual Cycle", "Ciclo Manual"};
constexpr LangText kRamal{"Ramal ", "Branch ", "Rama "};
constexpr LangText kDuracao{"Duração (min)", "Duration (min)", "Duración (min)"};
constexpr LangText kIniciar{"Iniciar Ciclo", "Start Cycle", "Empezar Ciclo"};
constexpr LangText kParar{"Parar Ciclo", "Stop Cycle", "Parar Ciclo"};
constexpr LangText kControleManual{"Controle Manual", "Manual Control", "Control Manual"};
constexpr LangText kBomba{"Bomba", "Pump", "Bomba"};
constexpr LangText kErroEnvio{"Erro no envio do comando", "Error sending the command", "Error al enviar el comando"};
constexpr LangText kErroComunicacao{"Erro de comunicação com o equipamento", "Communication error",
                                    "Error de comunicacion"};
constexpr LangText kValorInvalido{"Valor numérico inválido: ", "Invalid numeric value: ", "Valor numérico inválido: "};

} // namespace

TForm_QLX700IRR_Manual::TForm_QLX700IRR_Manual(Ui& ui, EventPump& pump)
    : TDialog({50, 50})
    , ui_(ui)
    , pump_(pump)
{
    SetIdioma(0);
}

void TForm_QLX700IRR_Manual::Show(TEquipComm& comm, int language)
{
    comm_ = &comm;
    busy_ = false;
    updating_ = false;
    comm.readRegisters(kDuracaoRegister, kManualRegisters);
    fill();
    SetIdioma(language);
    timerEnabled_ = true;
}

void TForm_QLX700IRR_Manual::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    const int l = language_;
    captions_ = {kCicloManual.in(l), kCicloManual.in(l),    kDuracao.in(l), kIniciar.in(l),
                 kParar.in(l),       kControleManual.in(l), kBomba.in(l),   {}};
    for (int k = 1; k <= kBranches; ++k)
        captions_.ramais[index(k)] = kRamal.in(l) + std::to_string(k);
}

// Only what this link received is shown; the boxes of a register that never arrived
// stay clear and locked, so no mask built from them can reach the device.
void TForm_QLX700IRR_Manual::fill()
{
    const BusyHold hold(updating_);
    if (!duracaoFocused_) {
        const bool known = comm_->received(kDuracaoRegister);
        state_.edDuracao = known ? std::to_string(comm_->registerValue(kDuracaoRegister)) : "";
    }
    state_.cicloEnabled = comm_->received(kRamaisRegister);
    const int ramais = state_.cicloEnabled ? comm_->registerValue(kRamaisRegister) & 0xFF : 0;
    state_.controleEnabled = comm_->received(kReleRegister);
    const int reles = state_.controleEnabled ? comm_->registerValue(kReleRegister) & 0xFF : 0;
    state_.cbManualBomba = (reles & 1) != 0;
    for (std::size_t k = 0; k < kBranches; ++k) {
        state_.cbCicloValvula[k] = ((ramais >> k) & 1) != 0;
        state_.cbValvula[k] = ((reles >> (k + 1)) & 1) != 0;
    }
}

void TForm_QLX700IRR_Manual::failed()
{
    ui_.showMessage(MessageKind::Error, (comm_->busy() ? kErroComunicacao : kErroEnvio).in(language_));
}

void TForm_QLX700IRR_Manual::cbCicloValvula1Click()
{
    if (updating_ || comm_ == nullptr)
        return;
    // A tick firing inside one of the send's waits must not refill the boxes before
    // their masks are built.
    const BusyHold hold(busy_);
    if (state_.cicloEnabled) {
        int ramais = 0;
        for (std::size_t k = 0; k < kBranches; ++k)
            ramais |= state_.cbCicloValvula[k] ? 1 << k : 0;
        if (!comm_->writeRegister(kRamaisRegister, ramais, true))
            failed();
    }
    const std::optional<int> duracao = parseIntegerIn(state_.edDuracao, 0, kMaxDuracao);
    if (duracao) {
        if (!comm_->writeRegister(kDuracaoRegister, *duracao, true))
            failed();
    } else if (!state_.edDuracao.empty() || comm_->received(kDuracaoRegister)) {
        // An empty edit over a duration that never arrived is nothing the user typed.
        ui_.showMessage(MessageKind::Error, kValorInvalido.in(language_) + state_.edDuracao);
    }
    if (state_.controleEnabled) {
        int reles = state_.cbManualBomba ? 1 : 0;
        for (std::size_t k = 0; k < kBranches; ++k)
            reles |= state_.cbValvula[k] ? 1 << (k + 1) : 0;
        if (!comm_->writeRegister(kReleRegister, reles, true))
            failed();
    }
    if (!comm_->flushQueuedWrites())
        failed();
    pump_.sleepUntil(deadlineAfter(kReadBackDelay));
    comm_->readRegisters(kDuracaoRegister, kManualRegisters);
    // A refused change shows the device's state again.
    fill();
}

void TForm_QLX700IRR_Manual::command(Command code)
{
    if (comm_ == nullptr)
        return;
    const BusyHold hold(busy_);
    if (comm_->sendCommand(static_cast<int>(code)))
        ui_.showMessage(MessageKind::Information, irr::ComandoEnviado.in(language_));
    else
        failed();
}

void TForm_QLX700IRR_Manual::TimerUpdateTimer()
{
    if (comm_ == nullptr || busy_)
        return;
    const BusyHold hold(busy_);
    comm_->readRegisters(kDuracaoRegister, kManualRegisters);
    fill();
}
