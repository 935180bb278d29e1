#include "screens/thermal/FrameConfSaidaCorrenteF.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceType.h"
#include "device/EquipCommF.h"
#include "screens/common/GeneralFrameTexts.h"
#include "settings/DecimalParse.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kRange = 301;
constexpr int kFullScale = 302;
constexpr int kCurrentFullScale = 303;
constexpr int kChannel = 310;
constexpr int kBoardType = 2660;
constexpr int kUnitIndex = 1951;
constexpr int kRtdInputs = 1003;
constexpr int kWindings = 1020;
constexpr int kOutputs = 1021;
constexpr int kRangeItems = 5;
// The board of an output that only has the 0-1 mA range.
constexpr int kBoard0_1mA = 2;
constexpr int kBusUnits = 16;

constexpr LangText kMsgFundoEscala{"Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255.",
                                   "Invalid Full Scale. It must be an integer between 0 and 255.",
                                   "Valor inválido en \"Fondo de Escala\". Debe ser un entero entre 0 y 255."};
constexpr LangText kMsgFundoEscalaCorrente{
    "Valor inválido no Fundo de Escala de Corrente. Deve ser um valor entre 1.0A e 10.0A.",
    "Invalid Current Full Scale. It must be a value between 1.0A and 10.0A.",
    "Valor inválido en \"Fondo de Escala Corriente\". Debe ser un valor entre 1.0 y 10.0."};
constexpr LangText kOleo{"Óleo", "Oil", "Oleo"};
constexpr LangText kEnrolamento{"Enrolamento ", "Winding ", "Devanado "};
constexpr LangText kTP{"TP", "PT", "TP"};
constexpr LangText kTC{"TC", "CT", "TC"};

} // namespace

TFrameConfSaidaCorrente::TFrameConfSaidaCorrente(Ui& ui, std::function<int()> currentOutputs)
    : ui_(ui)
    , currentOutputs_(std::move(currentOutputs))
    , captions_(frameConfSaidaCorrenteCaptions(0, false))
{
}

bool TFrameConfSaidaCorrente::connected() const { return comm_ != nullptr && comm_->connected(); }

TFrameConfSaidaCorrente::Form TFrameConfSaidaCorrente::form() const
{
    switch (comm_ != nullptr ? comm_->deviceType() : kQLX700T) {
    case kQLX700T:
        return Form::Thermal;
    case kQLX700R:
        return Form::Regulator;
    default:
        return Form::RangeOnly;
    }
}

std::optional<int> TFrameConfSaidaCorrente::rangeRegister() const
{
    if (comm_ == nullptr || comm_->deviceType() != kQLX700P)
        return kRange;
    // Another unit's register must never be shown or written as this one's.
    const int unit = comm_->registerValue(kUnitIndex);
    return unit >= 0 && unit < kBusUnits ? std::optional(kRange + unit) : std::nullopt;
}

int TFrameConfSaidaCorrente::listCount() const
{
    switch (form()) {
    case Form::Thermal:
        return FrameConfSaidaCorrenteState::kOutputCount;
    case Form::Regulator:
        return 3;
    case Form::RangeOnly:
        break;
    }
    return 0;
}

void TFrameConfSaidaCorrente::readOutputs(TEquipComm& comm)
{
    switch (form()) {
    case Form::Thermal:
        comm.readRegisters(kRange, 1, true);
        comm.readRegisters(kFullScale, 1, true);
        comm.readRegisters(kChannel, 4, true);
        comm.readRegisters(kBoardType, 4, true);
        // The channel lists and the outputs shown follow this device's inputs.
        comm.readRegisters(kRtdInputs, 1, true);
        comm.readRegisters(kWindings, 2, true);
        break;
    case Form::Regulator:
        comm.readRegisters(kRange, 1, true);
        comm.readRegisters(kFullScale, 2, true);
        comm.readRegisters(kChannel, 3, true);
        comm.readRegisters(kBoardType, 3, true);
        break;
    case Form::RangeOnly:
        if (comm.deviceType() == kQLX700IRR)
            return;
        // The range shown is the one this opening read, of this unit on a P.
        if (comm.deviceType() == kQLX700P) {
            comm.readRegisters(kUnitIndex, 1, true);
            comm.flushQueuedReads();
        }
        if (const std::optional<int> range = rangeRegister())
            comm.readRegisters(*range, 1, true);
        comm.readRegisters(kBoardType, 1, true);
        break;
    }
    comm.flushQueuedReads();
}

void TFrameConfSaidaCorrente::AtivarFrame(TEquipComm& comm, int language)
{
    comm_ = &comm;
    const BusyHold hold(busy_);
    if (connected())
        readOutputs(comm);
    SetIdioma(language);
    AtualizarTela();
}

void TFrameConfSaidaCorrente::buildChannels()
{
    state_.canais.clear();
    codes_.clear();
    const auto add = [this](std::string name, int code) {
        state_.canais.push_back(std::move(name));
        codes_.push_back(code);
    };
    if (form() == Form::Regulator) {
        add(kTP.in(language_), 0);
        add(kTC.in(language_), 1);
        add("TAP", 2);
    } else if (form() == Form::Thermal) {
        // Device counts beyond the hardware's are not taken as list sizes.
        const int windings = std::clamp(comm_->registerValue(kWindings), 0, 3);
        const int rtds = std::clamp(comm_->registerValue(kRtdInputs), 0, 6);
        add(kOleo.in(language_), 0);
        for (int w = 1; w <= windings; ++w)
            add(kEnrolamento.in(language_) + std::to_string(w), w);
        // RTD 1 is the oil; RTD k has code k + 2.
        for (int k = 2; k <= rtds; ++k)
            add("RTD " + std::to_string(k), k + 2);
    }
}

void TFrameConfSaidaCorrente::SetIdioma(int language)
{
    language_ = ValidLanguage(language);
    captions_ = frameConfSaidaCorrenteCaptions(language_, form() == Form::Regulator);
    if (comm_ != nullptr)
        buildChannels();
}

void TFrameConfSaidaCorrente::AtualizarTela()
{
    if (!connected())
        return;
    updating_ = true;
    const Form f = form();
    const bool fixedRange = comm_->registerValue(kBoardType) == kBoard0_1mA;
    state_.pnEscala0_1maVisible = fixedRange;
    state_.rgEscalaVisible = !fixedRange;
    // A range the list has no item for selects none, so a send never writes an item
    // the device did not hold.
    const std::optional<int> range = rangeRegister();
    const int rangeValue = range ? comm_->registerValue(*range) : -1;
    state_.rgEscala = rangeValue >= 0 && rangeValue < kRangeItems ? rangeValue : -1;

    if (f != Form::RangeOnly) {
        if (focus_ != kFundoEscala)
            state_.edFundoEscala = std::to_string(comm_->registerValue(kFullScale));
        if (f == Form::Regulator && focus_ != kFundoEscalaCorrente)
            state_.edFundoEscalaCorrente =
                shownNumber("%.1f", comm_->registerValue(kCurrentFullScale) / 10.0, decimalSeparator_);
        for (int k = 0; k < listCount(); ++k) {
            const auto it = std::find(codes_.begin(), codes_.end(), comm_->registerValue(kChannel + k));
            state_.saidaAssociada[static_cast<std::size_t>(k)] =
                it == codes_.end() ? -1 : static_cast<int>(it - codes_.begin());
        }
    }

    int outputs = 0;
    switch (f) {
    case Form::Thermal:
        outputs = std::max(1, std::min(comm_->registerValue(kOutputs), FrameConfSaidaCorrenteState::kOutputCount));
        break;
    case Form::Regulator:
        outputs = std::clamp(currentOutputs_ ? currentOutputs_() : 0, 0, 3);
        if (outputs <= 0)
            state_.rgEscalaVisible = false;
        break;
    case Form::RangeOnly:
        break;
    }
    for (int k = 0; k < FrameConfSaidaCorrenteState::kOutputCount; ++k)
        state_.saidaVisible[static_cast<std::size_t>(k)] = k < outputs;
    state_.edFundoEscalaVisible = f != Form::RangeOnly;
    state_.edFundoEscalaCorrenteVisible = f == Form::Regulator && outputs > 0;
    updating_ = false;
}

void TFrameConfSaidaCorrente::EnviarAjustes()
{
    if (updating_ || busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    const Form f = form();
    bool ok = true;
    const std::optional<int> range = rangeRegister();
    if (state_.rgEscalaVisible && state_.rgEscala >= 0 && range)
        ok = comm_->writeRegister(*range, state_.rgEscala, true) && ok;
    if (f != Form::RangeOnly) {
        const std::optional<int> fullScale = parseInteger(state_.edFundoEscala);
        if (fullScale && *fullScale >= 0 && *fullScale <= 255)
            ok = comm_->writeRegister(kFullScale, *fullScale, true) && ok;
        else
            ui_.showMessage(MessageKind::Error, kMsgFundoEscala.in(language_));
    }
    if (f == Form::Regulator) {
        double amps = 0;
        if (TryParseDouble(state_.edFundoEscalaCorrente, amps) && amps >= 1.0 && amps <= 10.0)
            ok = comm_->writeRegister(kCurrentFullScale, static_cast<int>(std::nearbyint(amps * 10.0)), true) && ok;
        else
            ui_.showMessage(MessageKind::Error, kMsgFundoEscalaCorrente.in(language_));
    }
    for (int k = 0; k < listCount(); ++k) {
        const int entry = state_.saidaAssociada[static_cast<std::size_t>(k)];
        if (entry >= 0 && entry < static_cast<int>(codes_.size()))
            ok = comm_->writeRegister(kChannel + k, codes_[static_cast<std::size_t>(entry)], true) && ok;
    }
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, geral::ErroEnvio.in(language_));
    AtualizarTela();
}

void TFrameConfSaidaCorrente::rgEscalaClick(int index)
{
    if (busy_ || index < 0 || index >= kRangeItems)
        return;
    state_.rgEscala = index;
    EnviarAjustes();
}

void TFrameConfSaidaCorrente::cbSaidaAssociadaSelect(int output, int entry)
{
    if (busy_ || output < 0 || output >= listCount() || entry < 0 || entry >= static_cast<int>(codes_.size()))
        return;
    state_.saidaAssociada[static_cast<std::size_t>(output)] = entry;
    EnviarAjustes();
}
