#include "screens/thermal/CurrentOutputsPage.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/PageWork.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "device/DeviceType.h"
#include "device/RegisterMap.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/RegisterRounding.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kRangeRegister = 301;
constexpr int kFullScaleRegister = 302;
constexpr int kCurrentFullScaleRegister = 303;
constexpr int kChannelRegister = 310;
constexpr int kRangeItems = 5;
// The board of an output that only has the 0-1 mA range.
constexpr int kBoard0_1mA = 2;
constexpr int kBusUnits = 16;

constexpr LangText kMsgFullScale{"Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255.",
                                 "Invalid Full Scale. It must be an integer between 0 and 255.",
                                 "Valor inválido en \"Fondo de Escala\". Debe ser un entero entre 0 y 255."};
constexpr LangText kMsgCurrentFullScale{
    "Valor inválido no Fundo de Escala de Corrente. Deve ser um valor entre 1.0A e 10.0A.",
    "Invalid Current Full Scale. It must be a value between 1.0A and 10.0A.",
    "Valor inválido en \"Fondo de Escala Corriente\". Debe ser un valor entre 1.0 y 10.0."};
constexpr LangText kOil{"Óleo", "Oil", "Oleo"};
constexpr LangText kWindingPrefix{"Enrolamento ", "Winding ", "Devanado "};
constexpr LangText kVT{"TP", "PT", "TP"};
constexpr LangText kCT{"TC", "CT", "TC"};

} // namespace

CurrentOutputsPage::CurrentOutputsPage(Ui& ui, std::function<int()> currentOutputs)
    : ui_(ui)
    , currentOutputs_(std::move(currentOutputs))
    , captions_(currentOutputsPageCaptions(0, false))
{
}

bool CurrentOutputsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

CurrentOutputsPage::Variant CurrentOutputsPage::variant() const
{
    switch (comm_ != nullptr ? comm_->deviceType() : kQLX700T) {
    case kQLX700T:
        return Variant::Thermal;
    case kQLX700R:
        return Variant::Regulator;
    default:
        return Variant::RangeOnly;
    }
}

std::optional<int> CurrentOutputsPage::rangeRegister() const
{
    if (comm_ == nullptr || comm_->deviceType() != kQLX700P)
        return kRangeRegister;
    // Another unit's register must never be shown or written as this one's.
    const int unit = comm_->registerValue(reg::P::UnitIndex.first);
    return unit >= 0 && unit < kBusUnits ? std::optional(kRangeRegister + unit) : std::nullopt;
}

int CurrentOutputsPage::listCount() const
{
    switch (variant()) {
    case Variant::Thermal:
        return CurrentOutputsPageState::kOutputCount;
    case Variant::Regulator:
        return 3;
    case Variant::RangeOnly:
        break;
    }
    return 0;
}

void CurrentOutputsPage::readOutputs(DeviceLink& comm)
{
    switch (variant()) {
    case Variant::Thermal:
        comm.readRegisters(kRangeRegister, 1, true);
        comm.readRegisters(kFullScaleRegister, 1, true);
        comm.readRegisters(kChannelRegister, 4, true);
        comm.readRegisters(reg::common::OutputBoardType.first, 4, true);
        // The channel lists and the outputs shown follow this device's inputs.
        comm.readRegisters(reg::T::RtdInputCount.first, 1, true);
        comm.readRegisters(reg::T::WindingCount.first, 2, true);
        break;
    case Variant::Regulator:
        comm.readRegisters(kRangeRegister, 1, true);
        comm.readRegisters(kFullScaleRegister, 2, true);
        comm.readRegisters(kChannelRegister, 3, true);
        comm.readRegisters(reg::common::OutputBoardType.first, 3, true);
        break;
    case Variant::RangeOnly:
        if (comm.deviceType() == kQLX700IRR)
            return;
        // The range shown is the one this opening read, of this unit on a P.
        if (comm.deviceType() == kQLX700P) {
            comm.readRegisters(reg::P::UnitIndex.first, 1, true);
            comm.flushQueuedReads();
        }
        if (const std::optional<int> range = rangeRegister())
            comm.readRegisters(*range, 1, true);
        comm.readRegisters(reg::common::OutputBoardType.first, 1, true);
        break;
    }
    comm.flushQueuedReads();
}

void CurrentOutputsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    const BusyHold hold(busy_);
    if (connected())
        readOutputs(comm);
    setLanguage(language);
    redraw();
}

void CurrentOutputsPage::buildChannels()
{
    state_.channelNames.clear();
    codes_.clear();
    const auto add = [this](std::string name, int code) {
        state_.channelNames.push_back(std::move(name));
        codes_.push_back(code);
    };
    if (variant() == Variant::Regulator) {
        add(kVT.in(language_), 0);
        add(kCT.in(language_), 1);
        add("TAP", 2);
    } else if (variant() == Variant::Thermal) {
        // Device counts beyond the hardware's are not taken as list sizes.
        const int windings = std::clamp(comm_->registerValue(reg::T::WindingCount.first), 0, 3);
        const int rtds = std::clamp(comm_->registerValue(reg::T::RtdInputCount.first), 0, 6);
        add(kOil.in(language_), 0);
        for (int w = 1; w <= windings; ++w)
            add(kWindingPrefix.in(language_) + std::to_string(w), w);
        // RTD 1 is the oil; RTD k has code k + 2.
        for (int k = 2; k <= rtds; ++k)
            add("RTD " + std::to_string(k), k + 2);
    }
}

void CurrentOutputsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = currentOutputsPageCaptions(language_, variant() == Variant::Regulator);
    if (comm_ != nullptr)
        buildChannels();
}

void CurrentOutputsPage::redraw()
{
    if (!connected())
        return;
    updating_ = true;
    const Variant f = variant();
    const bool fixedRange = comm_->registerValue(reg::common::OutputBoardType.first) == kBoard0_1mA;
    state_.fixedRangePanelVisible = fixedRange;
    state_.rangeVisible = !fixedRange;
    // A range the list has no item for selects none, so a send never writes an item
    // the device did not hold.
    const std::optional<int> range = rangeRegister();
    const int rangeValue = range ? comm_->registerValue(*range) : -1;
    state_.range = rangeValue >= 0 && rangeValue < kRangeItems ? rangeValue : -1;

    if (f != Variant::RangeOnly) {
        if (focus_ != kFullScaleEdit)
            state_.fullScale = std::to_string(comm_->registerValue(kFullScaleRegister));
        if (f == Variant::Regulator && focus_ != kCurrentFullScaleEdit)
            state_.currentFullScale =
                shownNumber("%.1f", comm_->registerValue(kCurrentFullScaleRegister) / 10.0, decimalSeparator_);
        for (int k = 0; k < listCount(); ++k) {
            const auto it = std::find(codes_.begin(), codes_.end(), comm_->registerValue(kChannelRegister + k));
            state_.outputChannels[static_cast<std::size_t>(k)] =
                it == codes_.end() ? -1 : static_cast<int>(it - codes_.begin());
        }
    }

    int outputs = 0;
    switch (f) {
    case Variant::Thermal:
        outputs = std::max(1, std::min(comm_->registerValue(reg::T::CurrentOutputCount.first),
                                       CurrentOutputsPageState::kOutputCount));
        break;
    case Variant::Regulator:
        outputs = std::clamp(currentOutputs_ ? currentOutputs_() : 0, 0, 3);
        if (outputs <= 0)
            state_.rangeVisible = false;
        break;
    case Variant::RangeOnly:
        break;
    }
    for (int k = 0; k < CurrentOutputsPageState::kOutputCount; ++k)
        state_.outputVisible[static_cast<std::size_t>(k)] = k < outputs;
    state_.fullScaleVisible = f != Variant::RangeOnly;
    state_.currentFullScaleVisible = f == Variant::Regulator && outputs > 0;
    updating_ = false;
}

void CurrentOutputsPage::sendSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    const Variant f = variant();
    bool ok = true;
    const std::optional<int> range = rangeRegister();
    if (state_.rangeVisible && state_.range >= 0 && range)
        ok = comm_->writeRegister(*range, state_.range, true) && ok;
    if (f != Variant::RangeOnly) {
        const std::optional<int> fullScale = parseInteger(state_.fullScale);
        if (fullScale && *fullScale >= 0 && *fullScale <= 255)
            ok = comm_->writeRegister(kFullScaleRegister, *fullScale, true) && ok;
        else
            ui_.showMessage(MessageKind::Error, kMsgFullScale.in(language_));
    }
    if (f == Variant::Regulator) {
        if (const auto tenths = scaledRegisterValue(state_.currentFullScale, 1.0, 10.0, 10.0))
            ok = comm_->writeRegister(kCurrentFullScaleRegister, *tenths, true) && ok;
        else
            ui_.showMessage(MessageKind::Error, kMsgCurrentFullScale.in(language_));
    }
    for (int k = 0; k < listCount(); ++k) {
        const int entry = state_.outputChannels[static_cast<std::size_t>(k)];
        if (entry >= 0 && entry < static_cast<int>(codes_.size()))
            ok = comm_->writeRegister(kChannelRegister + k, codes_[static_cast<std::size_t>(entry)], true) && ok;
    }
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
    redraw();
}

void CurrentOutputsPage::rangeChosen(int index)
{
    if (busy_ || index < 0 || index >= kRangeItems)
        return;
    state_.range = index;
    sendSettings();
}

void CurrentOutputsPage::outputChannelChosen(int output, int entry)
{
    if (busy_ || output < 0 || output >= listCount() || entry < 0 || entry >= static_cast<int>(codes_.size()))
        return;
    state_.outputChannels[static_cast<std::size_t>(output)] = entry;
    sendSettings();
}
