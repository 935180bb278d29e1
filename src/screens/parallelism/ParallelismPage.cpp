#include "screens/parallelism/ParallelismPage.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"
#include "screens/parallelism/ParallelismLive.h"
#include "settings/DecimalParse.h"

#include <array>
#include <cmath>

namespace {

constexpr int kUnitIndex = 1951;
constexpr int kPositionReading = 201;
// Per-unit register bases, in the order of ParallelismEdit (the address shows 1 + u).
constexpr std::array<int, kParallelismEditCount> kEditBase{21, 41, 61, 81, 101, 1};
// Radio groups: 201 is the device's own; relays 7..9 are per unit.
constexpr std::array<int, kParallelismRadioCount> kRadioBase{kPositionReading, 121, 141, 161};
constexpr std::array<int, kParallelismRadioCount> kRadioItems{3, 10, 10, 10};
constexpr Seconds kRetryPause{0.2};
constexpr Seconds kAddressSettle{0.3};

constexpr LangText kInvalidAddress{"Endereço do Dispositivo inválido. Deve ser um inteiro entre 0 e 15",
                                   "Invalid device address. It must be an integer between 0 and 15",
                                   "Dirección del dispositivo inválido. Debe ser un entero entre 0 y 15"};
constexpr LangText kInvalidBusSize{"Tamanho do BUS inválido. Deve ser um inteiro entre 1 e 16",
                                   "Invalid BUS size. It must be an integer between 1 and 16",
                                   "Tamaño del BUS inválido. Debe ser un entero entre 1 y 16"};
constexpr LangText kInvalidPositionCount{"Número de posições inválido. Deve ser um inteiro entre 2 e 50",
                                         "Invalid number of positions. It must be an integer between 2 and 50",
                                         "Número de posiciones inválido. Debe ser un entero entre 2 y 50"};
constexpr LangText kInvalidResistance{"Resistência por posição inválido. Deve ser um valor entre 3.0 e 20.0",
                                      "Invalid resistance per position. It must be a value between 3.0 and 20.0",
                                      "Resistencia por posición inválido. Debe ser un valor entre 3.0 y 20.0"};
constexpr LangText kInvalidParallelismErrorTime{
    "Tempo de erro de paralelismo inválido. Deve ser um inteiro entre 10 e 100",
    "Invalid parallelism error time. It must be an integer between 10 and 100",
    "Tiempo de error de paralelismo inválido. Debe ser un entero entre 10 y 100"};
constexpr LangText kInvalidConfigurationErrorTime{
    "Tempo de erro de configuração inválido. Deve ser um inteiro entre 10 e 100",
    "Invalid configuration error time. It must be an integer between 10 and 100",
    "Tiempo de error de configuración inválido. Debe ser un entero entre 10 y 100"};

// Ohms per position 3.0..20.0 compared in typed hundredths, stored in tenths rounded half to even.
std::optional<int> resistanceTenths(const std::string& text)
{
    double v = 0;
    if (!TryParseDouble(text, v))
        return std::nullopt;
    const long long hundredths = std::llround(v * 100.0);
    if (hundredths < 300 || hundredths > 2000)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(v * 10.0));
}

struct EditRule {
    std::optional<int> (*parse)(const std::string&);
    const LangText* message;
};
const std::array<EditRule, kParallelismEditCount> kRules{{
    {[](const std::string& t) { return parseIntegerIn(t, 1, 16); }, &kInvalidBusSize},
    {[](const std::string& t) { return parseIntegerIn(t, 2, 50); }, &kInvalidPositionCount},
    {resistanceTenths, &kInvalidResistance},
    {[](const std::string& t) { return parseIntegerIn(t, 10, 100); }, &kInvalidParallelismErrorTime},
    {[](const std::string& t) { return parseIntegerIn(t, 10, 100); }, &kInvalidConfigurationErrorTime},
    {[](const std::string& t) { return parseIntegerIn(t, 0, 15); }, &kInvalidAddress},
}};

} // namespace

ParallelismPage::ParallelismPage(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , captions_(parallelismPageCaptions(0))
{
}

bool ParallelismPage::connected() const { return comm_ != nullptr && comm_->connected(); }

// The unit's registers at its bus index; nothing per unit for an index that
// addresses no unit.
bool ParallelismPage::readUnit()
{
    if (const std::optional<int> u = parallelismUnit(*comm_)) {
        for (const int base : {1, 21, 41, 61, 81, 101, 121, 141, 161})
            comm_->readRegisters(base + *u, 1, true);
    }
    comm_->readRegisters(kPositionReading, 1, true);
    return comm_->flushQueuedReads();
}

void ParallelismPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    if (connected()) {
        const BusyHold hold(busy_);
        if (!comm.received(kUnitIndex))
            comm.readRegisters(kUnitIndex, 1);
        if (!readUnit()) {
            pump_.sleepUntil(deadlineAfter(kRetryPause));
            readUnit();
        }
    }
    setLanguage(language);
    redraw();
}

void ParallelismPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = parallelismPageCaptions(language_);
}

void ParallelismPage::redraw()
{
    if (!connected())
        return;
    updating_ = true;
    const std::optional<int> u = parallelismUnit(*comm_);
    for (std::size_t e = 0; e < kEditBase.size(); ++e) {
        const int reg = u ? kEditBase[e] + *u : -1;
        if (!u || !comm_->received(reg))
            state_.edits[e].clear();
        else if (static_cast<ParallelismEdit>(e) == ParallelismEdit::ResistancePerPosition)
            state_.edits[e] = shownNumber("%.1f", comm_->registerValue(reg) / 10.0, decimalSeparator_);
        else
            state_.edits[e] = std::to_string(comm_->registerValue(reg));
    }
    for (std::size_t r = 0; r < kRadioBase.size(); ++r) {
        const bool perUnit = kRadioBase[r] != kPositionReading;
        const int reg = kRadioBase[r] + (perUnit ? u.value_or(-1) : 0);
        const bool known = (!perUnit || u) && comm_->received(reg);
        // A value the group has no item for selects none, so a send never writes an
        // item the device did not hold.
        const int value = known ? comm_->registerValue(reg) : -1;
        state_.radios[r] = value >= 0 && value < kRadioItems[r] ? value : -1;
    }
    updating_ = false;
}

void ParallelismPage::sendSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    const std::optional<int> u = parallelismUnit(*comm_);
    bool ok = true;
    bool addressChanged = false;
    const auto send = [&](ParallelismEdit edit) {
        const auto e = static_cast<std::size_t>(edit);
        const bool address = edit == ParallelismEdit::Address;
        // Per-unit fields need a valid unit; an empty field for a register never read is no input.
        if (!address && !u)
            return;
        if (state_.edits[e].empty() && !(u && comm_->received(kEditBase[e] + *u)))
            return;
        const std::optional<int> value = kRules[e].parse(state_.edits[e]);
        if (!value) {
            ui_.showMessage(MessageKind::Error, kRules[e].message->in(language_));
            return;
        }
        if (address)
            addressChanged = !comm_->received(kUnitIndex) || comm_->registerValue(kUnitIndex) != *value;
        ok = comm_->writeRegister(address ? kUnitIndex : kEditBase[e] + *u, *value, true) && ok;
    };
    for (int e = 0; e < kParallelismEditCount; ++e) {
        if (static_cast<ParallelismEdit>(e) != ParallelismEdit::Address)
            send(static_cast<ParallelismEdit>(e));
    }
    for (std::size_t r = 0; r < kRadioBase.size(); ++r) {
        const bool perUnit = kRadioBase[r] != kPositionReading;
        if (state_.radios[r] >= 0 && (!perUnit || u))
            ok = comm_->writeRegister(kRadioBase[r] + (perUnit ? *u : 0), state_.radios[r], true) && ok;
    }
    // The address goes last: the fields above are the unit's at its old index.
    send(ParallelismEdit::Address);
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
    pump_.sleepUntil(deadlineAfter(kAddressSettle));
    if (!comm_->readRegisters(kUnitIndex, 1)) {
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
        return;
    }
    if (addressChanged)
        readUnit();
    redraw();
}

void ParallelismPage::optionChosen(ParallelismRadio group, int index)
{
    const auto g = static_cast<std::size_t>(group);
    if (updating_ || busy_ || index < 0 || index >= kRadioItems.at(g))
        return;
    state_.radios[g] = index;
    sendSettings();
}
