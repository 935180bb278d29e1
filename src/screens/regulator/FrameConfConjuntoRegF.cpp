#include "screens/regulator/FrameConfConjuntoRegF.h"

#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/regulator/RegulatorControls.h"
#include "screens/regulator/RegulatorPages.h"

namespace {

constexpr LangText kConjunto{"Conjunto de Regulação", "Regulation Set", "Conjunto Regulador"};
constexpr int kSetRegisters = 11;

} // namespace

TFrameConfConjuntoReg::TFrameConfConjuntoReg(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , controls_(regulatorSetControls())
{
    SetIdioma(0);
}

bool TFrameConfConjuntoReg::connected() const { return comm_ != nullptr && comm_->connected(); }

void TFrameConfConjuntoReg::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    // Only the first set: another selected set shows from the image until chosen again.
    comm.readRegisters(1, kSetRegisters, true);
    comm.flushQueuedReads();
    SetIdioma(language);
    if (set_ < 0)
        set_ = 0;
    AtualizarTela();
}

void TFrameConfConjuntoReg::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    gbConjunto_ = kConjunto.in(language_);
}

void TFrameConfConjuntoReg::cbConjuntoSelect(int set)
{
    if (set < 0 || set >= kSetCount)
        return;
    set_ = set;
    if (connected()) {
        comm_->readRegisters(base() + 1, kSetRegisters, true);
        comm_->flushQueuedReads();
    }
    AtualizarTela();
}

void TFrameConfConjuntoReg::AtualizarTela()
{
    if (set_ < 0)
        return;
    updating_ = true;
    if (connected())
        controls_.fill(*comm_, base(), decimalSeparator_);
    updating_ = false;
}

void TFrameConfConjuntoReg::EnviarAjustes()
{
    if (updating_ || set_ < 0 || !connected())
        return;
    if (!controls_.send(*comm_, base(), ui_, language_))
        ui_.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
    regulatorSettle(pump_);
    AtualizarTela();
}

void TFrameConfConjuntoReg::radioClick(std::size_t control, int index)
{
    if (updating_)
        return;
    controls_.select(control, index);
    EnviarAjustes();
}
