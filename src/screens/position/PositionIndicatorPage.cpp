#include "screens/position/PositionIndicatorPage.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/DecimalParse.h"

#include <cmath>
#include <optional>

namespace {

constexpr int kResistancePerPosition = 701;
constexpr int kReadingMode = 707;
constexpr std::array<int, kPositionEditCount> kEditRegister{kResistancePerPosition, 702, 705, 706};
constexpr Seconds kRedrawDelay{0.3};

constexpr LangText kInvalidResistance{
    "Valor de Resistência por Posição inválido. Deve ser um valor entre 3.0 e 20.0.",
    "Invalid Resistance per Position value. It must be a value between 3.0 and 20.0.",
    "Valor de Resistência por Posición inválido. Debe ser un valor entre 3.0 y 20.0."};
constexpr LangText kInvalidPositionCount{"Número de posições inválido. Deve ser um inteiro entre 2 e 50.",
                                         "Invalid Number of Positions. It must be an integer between 2 and 50.",
                                         "Número de posiciones inválido. Debe ser un entero entre 2 y 50."};
constexpr LangText kInvalidMinPosition{"Posição Mínima inválida. Deve ser um inteiro entre 1 e 50.",
                                       "Invalid Min. Position. It must be an integer between 1 and 50.",
                                       "Posición Mínima inválida. Debe ser un entero entre 1 y 50."};
constexpr LangText kInvalidMaxPosition{"Posição Máxima inválida. Deve ser um inteiro entre 1 e 50.",
                                       "Invalid Max. Position. It must be an integer between 1 and 50.",
                                       "Posición Máxima inválida. Debe ser un entero entre 1 y 50."};

// Ohms per position, 2.97 to 20.04 as typed (compared in hundredths, so no float
// equality decides a bound), stored in tenths rounded half to even.
std::optional<int> resistanceTenths(const std::string& text)
{
    double v = 0;
    if (!TryParseDouble(text, v))
        return std::nullopt;
    const long long hundredths = std::llround(v * 100.0);
    if (hundredths < 297 || hundredths > 2004)
        return std::nullopt;
    return static_cast<int>(std::nearbyint(v * 10.0));
}

} // namespace

PositionIndicatorPage::PositionIndicatorPage(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , captions_(positionIndicatorPageCaptions(0))
{
}

bool PositionIndicatorPage::connected() const { return comm_ != nullptr && comm_->connected(); }

void PositionIndicatorPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    if (connected()) {
        const BusyHold hold(busy_);
        comm.readRegisters(kResistancePerPosition, 7, true);
        comm.flushQueuedReads();
    }
    setLanguage(language);
    redraw();
}

void PositionIndicatorPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = positionIndicatorPageCaptions(language_);
}

void PositionIndicatorPage::redraw()
{
    if (!connected())
        return;
    updating_ = true;
    for (std::size_t e = 0; e < kEditRegister.size(); ++e) {
        const int reg = kEditRegister[e];
        if (!comm_->received(reg))
            state_.edits[e].clear();
        else if (reg == kResistancePerPosition)
            state_.edits[e] = shownNumber("%.1f", comm_->registerValue(reg) / 10.0, decimalSeparator_);
        else
            state_.edits[e] = std::to_string(comm_->registerValue(reg));
    }
    const int mode = comm_->received(kReadingMode) ? comm_->registerValue(kReadingMode) : -1;
    state_.readingMode = mode == 0 || mode == 1 ? mode : -1;
    updating_ = false;
}

void PositionIndicatorPage::sendSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const BusyHold hold(busy_);
    bool ok = true;
    const auto send = [&](PositionEdit edit, const std::optional<int>& value, const LangText& message) {
        const auto e = static_cast<std::size_t>(edit);
        // An edit left empty for a register this connection never read is not input.
        if (state_.edits[e].empty() && !comm_->received(kEditRegister[e]))
            return;
        if (value)
            ok = comm_->writeRegister(kEditRegister[e], *value, true) && ok;
        else
            ui_.showMessage(MessageKind::Error, message.in(language_));
    };
    const auto text = [this](PositionEdit e) -> const std::string& { return state_.edits[static_cast<std::size_t>(e)]; };
    send(PositionEdit::ResistancePerPosition, resistanceTenths(text(PositionEdit::ResistancePerPosition)),
         kInvalidResistance);
    send(PositionEdit::PositionCount, parseIntegerIn(text(PositionEdit::PositionCount), 2, 50), kInvalidPositionCount);
    send(PositionEdit::MinPosition, parseIntegerIn(text(PositionEdit::MinPosition), 1, 50), kInvalidMinPosition);
    send(PositionEdit::MaxPosition, parseIntegerIn(text(PositionEdit::MaxPosition), 1, 50), kInvalidMaxPosition);
    if (state_.readingMode >= 0)
        ok = comm_->writeRegister(kReadingMode, state_.readingMode, true) && ok;
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
    pump_.sleepUntil(deadlineAfter(kRedrawDelay));
    redraw();
}

void PositionIndicatorPage::readingModeChosen(int index)
{
    if (updating_ || busy_ || index < 0 || index > 1)
        return;
    state_.readingMode = index;
    sendSettings();
}
