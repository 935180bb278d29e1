#include "screens/regulator/FrameConfQLX700RF.h"

#include "app/Ui.h"
#include "device/EquipCommF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "screens/regulator/RegulatorControls.h"
#include "screens/regulator/RegulatorPages.h"

namespace {

constexpr LangText kGroups[4] = {{"Compensação LDC", "LDC Compensation", "Compensación LDC"},
                                 {"TC/TP", "PT/CT", "TC/TP"},
                                 {"Bloqueio", "Block", "Bloqueo"},
                                 {"Comutador", "Tap Changer", "Cambiador"}};

} // namespace

TFrameConfQLX700R::TFrameConfQLX700R(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , controls_(regulatorControls())
{
    SetIdioma(0);
}

bool TFrameConfQLX700R::connected() const { return comm_ != nullptr && comm_->connected(); }

void TFrameConfQLX700R::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    for (const auto& [first, count] : {std::pair{201, 5}, {401, 5}, {501, 3}, {701, 8}})
        comm.readRegisters(first, count, true);
    comm.flushQueuedReads();
    SetIdioma(language);
    AtualizarTela();
}

void TFrameConfQLX700R::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    for (std::size_t i = 0; i < groups_.size(); ++i)
        groups_[i] = kGroups[i].in(language_);
}

void TFrameConfQLX700R::AtualizarTela()
{
    updating_ = true;
    // Without a link the controls keep what they show.
    if (connected())
        controls_.fill(*comm_, 0, decimalSeparator_);
    updating_ = false;
}

void TFrameConfQLX700R::EnviarAjustes()
{
    if (updating_ || !connected())
        return;
    if (!controls_.send(*comm_, 0, ui_, language_))
        ui_.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
    regulatorSettle(pump_);
    AtualizarTela();
}

void TFrameConfQLX700R::radioClick(std::size_t control, int index)
{
    if (updating_)
        return;
    controls_.select(control, index);
    EnviarAjustes();
}
