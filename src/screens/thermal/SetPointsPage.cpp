#include "screens/thermal/SetPointsPage.h"

#include "app/IntegerText.h"
#include "app/LanguageText.h"
#include "app/PageWork.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "device/ReceivedValue.h"
#include "device/RegisterMap.h"
#include "settings/DecimalParse.h"
#include "settings/FullConfigRead.h"
#include "settings/RegisterRounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// Grid columns 1..9: relay r's register is base + r.
constexpr std::array<int, 9> kColumnBase{0, 20, 40, 60, 80, 100, 120, 140, 160};
constexpr int kChannelColumn = 4;
constexpr int kDelayColumn = 3;
constexpr int kChannelCount = 9;
constexpr int kInvalidChoice = 15;
constexpr int kAlternationWarning = 16;

constexpr int kAlternation = 208;
constexpr int kActiveRtds = 1002;
constexpr int kFirstRedundant = 1005; // RTD 2..6

// The send error as this page spells it, which differs from general::SendError.
constexpr LangText kSetPointsSendError{"Erro no envio do comando.", "Error sending the command.",
                                       "Error al envial el comando."};
constexpr LangText kMsg0To255{"Valor inválido. Deve ser um inteiro entre 0 e 255.",
                              "Invalid value. It must be an integer between 0 and 255.",
                              "Valor inválido. Debe ser un entero entre 0 y 255."};
constexpr LangText kMsg1To255{"Valor inválido. Deve ser um inteiro entre 1 e 255.",
                              "Invalid value. It must be an integer between 1 and 255.",
                              "Valor inválido. Debe ser un entero entre 1 y 255."};
constexpr LangText kMsgDelay{"Valor inválido. Deve ser um valor entre 0.1 e 25.5.",
                             "Invalid value. It must be between 0.1 and 25.5.",
                             "Valor inválido. Debe ser un valor entre 0.1 y 25.5."};
constexpr LangText kMsg0To150{"Valor inválido. Deve ser um inteiro entre 0 e 150.",
                              "Invalid value. It must be an integer between 0 and 150.",
                              "Valor inválido. Debe ser un entero entre 0 y 150."};
constexpr LangText kMsgCoolingStart{"Valor de início do resfriamento diário inválido.",
                                    "Invalid daily cooling start time.",
                                    "Valor de hora de inicio de enfriamiento diario inválido."};
constexpr LangText kMsgCoolingDuration{
    "Valor de duração do resfriamento diário inválido. Deve ser um valor entre 0 e 999",
    "Invalid daily cooling duration. It must be a number between 0 and 999.",
    "Valor de duración de enfriamiento diario inválido. Debe ser un valor entre 0 y 999."};
constexpr LangText kMsgMaxDifference{
    "Valor de máxima diferença de temperatura inválido. Deve ser um valor entre 1 e 200",
    "Invalid max temperature difference. It must be a number between 1 and 200.",
    "Valor de diferencia de temperatura máxima inválido. Debe ser un valor entre 1 y 200."};
constexpr LangText kMsgNominalCurrent{"Valor de corrente nominal inválido. Deve ser um valor entre 0.2 e 5.0.",
                                      "Invalid nominal current value. It must be a number between 0.2 and 5.0.",
                                      "Valor de corriente nominal inválido. Deve ser un valor entre 0.2 y 5.0."};
constexpr LangText kMsgDeltaT{"Valor de delta T inválido. Deve ser um inteiro entre 0 e 99.",
                              "Invalid delta T value. It must be an integer between 0 and 99.",
                              "Valor de Delta T inválido. Deve ser un valor entero entre 0 y 99."};
constexpr LangText kMsgTimeConstant{
    "Valor da constante de tempo inválido. Deve ser um valor entre 3.0 e 20.0, ou 0.0.",
    "Invalid time constant value. It must be a number between 3.0 and 20.0, or 0.0.",
    "Valor de la constante de tiempo inválido. Deve ser un valor entre 3.0 y 20.0, o 0.0."};
constexpr LangText kMsgParameterM{"Valor do parâmetro M inválido. Deve ser um valor entre 0.5 e 1.0, ou 0.0.",
                                  "Invalid paramter M value. It must be a number between 0.5 and 1.0, or 0.0",
                                  "Valor del parámetro M inválido. Deve ser un valor entre 0.5 y 1.0, o 0.0"};

// A number with one decimal, stored in tenths, accepted when lo <= value <= hi.
std::optional<int> tenthsIn(const std::string& text, double lo, double hi)
{
    return scaledRegisterValue(text, lo, hi, 10.0);
}

// The time constant and parameter M: 0 (anything within 0.001 of it), or lo..hi.
std::optional<int> zeroOrTenthsIn(const std::string& text, double lo, double hi)
{
    double v = 0;
    if (!TryParseDouble(text, v))
        return std::nullopt;
    if (std::fabs(v) <= 0.001)
        return 0;
    return tenthsIn(text, lo, hi);
}

// The editor's input rule of a grid column with a number, and its message.
std::optional<int> gridValue(int column, const std::string& text)
{
    switch (column) {
    case 1: return parseIntegerIn(text, 0, 255);
    case 2:
    case 8: return parseIntegerIn(text, 1, 255);
    case kDelayColumn: return tenthsIn(text, 0.1, 25.5);
    case 7: return parseIntegerIn(text, 0, 150);
    default: return std::nullopt;
    }
}

const LangText& gridMessage(int column)
{
    switch (column) {
    case 1: return kMsg0To255;
    case kDelayColumn: return kMsgDelay;
    case 7: return kMsg0To150;
    default: return kMsg1To255;
    }
}

bool listColumn(int column) { return column == kChannelColumn || column == 5 || column == 6 || column == 9; }

// First choice of a two-item column (value 0; value 1 is the next).
int choiceBase(int column) { return column == 5 ? 9 : column == 6 ? 11 : 13; }

} // namespace

SetPointsPage::SetPointsPage(Ui& ui)
    : ui_(ui)
    , captions_(setPointsPageCaptions(0))
{
}

bool SetPointsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

int SetPointsPage::windings() const
{
    return std::clamp(receivedValue(*comm_, reg::T::WindingCount.first).value_or(0), 0, 3);
}

int SetPointsPage::rtdInputs() const
{
    return std::clamp(receivedValue(*comm_, reg::T::RtdInputCount.first).value_or(1), 1, 6);
}

int SetPointsPage::activeRtds() const
{
    return comm_->received(kActiveRtds) ? comm_->registerValue(kActiveRtds) : 0;
}

std::string SetPointsPage::decimal(double value) const { return shownNumber("%.1f", value, decimalSeparator_); }

void SetPointsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    state_.editor = SetPointsPageState::Editor::None;
    if (connected()) {
        const BusyHold hold(busy_);
        for (const int base : kColumnBase)
            comm.readRegisters(base + 1, 8, true);
        // 1004..1009: the redundancy boxes are written back as one block, so the page
        // reads them all rather than trusting an older image.
        const RegisterRun runs[] = {{212, 1}, {213, 1}, {1004, 6}, {kAlternation, 1}, {215, 1}, {kActiveRtds, 1},
                                    {205, 3}, {202, 3}, {209, 1}, {210, 1}};
        for (const RegisterRun& run : runs)
            comm.readRegisters(run.first, run.count, true);
        // The general page reads these on connecting; the lists need them.
        for (const int count : {reg::T::RtdInputCount.first, reg::T::WindingCount.first}) {
            if (!comm.received(count))
                comm.readRegisters(count, 1, true);
        }
        comm.flushQueuedReads();
    }
    setLanguage(language);
}

void SetPointsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = setPointsPageCaptions(language_);
    redraw();
}

std::string SetPointsPage::cellText(int column, int relay) const
{
    const int reg = kColumnBase[static_cast<std::size_t>(column - 1)] + relay;
    if (!comm_->received(reg))
        return {};
    const int v = comm_->registerValue(reg);
    if (column == kDelayColumn)
        return decimal(v / 10.0);
    if (column == kChannelColumn)
        return captions_.choices[static_cast<std::size_t>(v >= 0 && v < kChannelCount ? v : kInvalidChoice)];
    if (listColumn(column))
        return captions_.choices[static_cast<std::size_t>(choiceBase(column) + (v != 0 ? 1 : 0))];
    return std::to_string(v);
}

void SetPointsPage::showEdit(SetPointEdit edit, int reg, int divisor)
{
    const auto e = static_cast<std::size_t>(edit);
    if (static_cast<int>(e) == focusedEdit_)
        return;
    if (!comm_->received(reg))
        state_.edits[e].clear();
    else
        state_.edits[e] = divisor == 1 ? std::to_string(comm_->registerValue(reg)) : decimal(comm_->registerValue(reg) / 10.0);
}

void SetPointsPage::redraw()
{
    if (!connected())
        return;
    updating_ = true;
    for (int relay = 1; relay <= SetPointsPageState::kRelays; ++relay)
        for (int column = 1; column <= SetPointsPageState::kColumns; ++column)
            state_.cells[static_cast<std::size_t>(relay - 1)][static_cast<std::size_t>(column - 1)] = cellText(column, relay);

    const int focusH = static_cast<int>(SetPointEdit::CoolingStartHour);
    const int focusM = static_cast<int>(SetPointEdit::CoolingStartMinute);
    if (focusedEdit_ != focusH && focusedEdit_ != focusM) {
        const bool start = comm_->received(212);
        state_.edits[static_cast<std::size_t>(focusH)] = start ? std::to_string(comm_->registerValue(212) / 60) : "";
        state_.edits[static_cast<std::size_t>(focusM)] = start ? std::to_string(comm_->registerValue(212) % 60) : "";
    }
    showEdit(SetPointEdit::CoolingDuration, 213, 1);
    showEdit(SetPointEdit::MaxTemperatureDifference, 215, 1);
    for (int w = 0; w < 3; ++w) {
        showEdit(static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::NominalCurrent1) + w), 205 + w, 10);
        showEdit(static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::DeltaT1) + w), 202 + w, 1);
    }
    showEdit(SetPointEdit::TimeConstant, 209, 10);
    showEdit(SetPointEdit::ParameterM, 210, 10);

    const int alternation = comm_->received(kAlternation) ? comm_->registerValue(kAlternation) : -1;
    state_.setPointAlternation = alternation >= 0 && alternation < 4 ? alternation : -1;
    state_.activeRtdCountItems = rtdInputs();
    const int active = activeRtds();
    state_.activeRtdCount = active >= 1 && active - 1 < state_.activeRtdCountItems ? active - 1 : -1;
    state_.redundantRtdsBoxVisible = active > 1;
    for (int i = 0; i < SetPointsPageState::kRedundantBoxes; ++i) {
        const auto b = static_cast<std::size_t>(i);
        state_.redundantRtds[b] =
            comm_->received(kFirstRedundant + i) && comm_->registerValue(kFirstRedundant + i) != 0;
        state_.redundantRtdVisible[b] = i + 2 <= active;
    }
    updating_ = false;
}

void SetPointsPage::setPointCellPressed(int column, int row)
{
    if (!connected() || busy_ || column < 1 || column > SetPointsPageState::kColumns || row < 1 ||
        row > SetPointsPageState::kRelays)
        return;
    state_.editColumn = column;
    state_.editRow = row;
    const std::string& cell = state_.cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
    if (listColumn(column)) {
        std::vector<int> entries;
        if (column == kChannelColumn) {
            for (int c = 0; c <= windings(); ++c)
                entries.push_back(c);
            if (activeRtds() > 1) {
                for (int c = 4; c <= std::min(2 + activeRtds(), kChannelCount - 1); ++c)
                    entries.push_back(c);
            }
        } else {
            entries = {choiceBase(column), choiceBase(column) + 1};
        }
        state_.cellChoices.clear();
        state_.cellChoiceIndex = 0;
        for (const int e : entries) {
            if (captions_.choices[static_cast<std::size_t>(e)] == cell)
                state_.cellChoiceIndex = static_cast<int>(state_.cellChoices.size());
            state_.cellChoices.push_back(captions_.choices[static_cast<std::size_t>(e)]);
        }
        state_.editor = SetPointsPageState::Editor::List;
        return;
    }
    double v = 0;
    // Not assigned from a literal: GCC 12 warns falsely (-Wrestrict) on that here at -O2.
    if (!TryParseDouble(cell, v))
        state_.cellEditText = std::string(1, '0');
    else
        state_.cellEditText =
            column == kDelayColumn ? decimal(v) : std::to_string(static_cast<long>(roundHalfEven(v)));
    state_.editor = SetPointsPageState::Editor::Edit;
}

void SetPointsPage::cellEditLeft()
{
    if (state_.editor != SetPointsPageState::Editor::Edit)
        return;
    const int column = state_.editColumn;
    const std::optional<int> value = gridValue(column, state_.cellEditText);
    if (!value) {
        ui_.showMessage(MessageKind::Error, gridMessage(column).in(language_));
        return;
    }
    state_.cells[static_cast<std::size_t>(state_.editRow - 1)][static_cast<std::size_t>(column - 1)] =
        column == kDelayColumn ? decimal(*value / 10.0) : std::to_string(*value);
    state_.editor = SetPointsPageState::Editor::None;
    sendSettings();
}

void SetPointsPage::cellEditEscaped()
{
    if (state_.editor == SetPointsPageState::Editor::Edit)
        state_.editor = SetPointsPageState::Editor::None;
}

void SetPointsPage::cellChoiceChosen(int index)
{
    if (state_.editor != SetPointsPageState::Editor::List || index < 0 ||
        index >= static_cast<int>(state_.cellChoices.size()))
        return;
    state_.cells[static_cast<std::size_t>(state_.editRow - 1)][static_cast<std::size_t>(state_.editColumn - 1)] =
        state_.cellChoices[static_cast<std::size_t>(index)];
    state_.editor = SetPointsPageState::Editor::None;
    sendSettings();
}

bool SetPointsPage::writeGrid()
{
    bool ok = true;
    for (int relay = 1; relay <= SetPointsPageState::kRelays; ++relay) {
        for (int column = 1; column <= SetPointsPageState::kColumns; ++column) {
            const std::string& cell = state_.cells[static_cast<std::size_t>(relay - 1)][static_cast<std::size_t>(column - 1)];
            std::optional<int> value;
            if (column == kChannelColumn) {
                const auto end = captions_.choices.begin() + kChannelCount;
                const auto found = std::find(captions_.choices.begin(), end, cell);
                if (found != end)
                    value = static_cast<int>(found - captions_.choices.begin());
            } else if (listColumn(column)) {
                const int base = choiceBase(column);
                if (cell == captions_.choices[static_cast<std::size_t>(base)])
                    value = 0;
                else if (cell == captions_.choices[static_cast<std::size_t>(base + 1)])
                    value = 1;
            } else if (column == kDelayColumn) {
                double v = 0;
                if (TryParseDouble(cell, v))
                    value = static_cast<int>(roundHalfEven(v * 10.0));
            } else {
                value = parseInteger(cell);
            }
            // A cell that matches nothing (an empty one, the invalid value) writes nothing.
            if (value)
                ok = comm_->writeRegister(kColumnBase[static_cast<std::size_t>(column - 1)] + relay, *value, true) && ok;
        }
    }
    return ok;
}

bool SetPointsPage::writeEdits()
{
    bool ok = true;
    const auto text = [this](SetPointEdit e) -> const std::string& { return state_.edits[static_cast<std::size_t>(e)]; };
    // An edit left empty for a register this connection never read is not a user's
    // input: it is skipped without a message.
    const auto apply = [&](int reg, const std::string& typed, const std::optional<int>& value, const LangText& message) {
        if (typed.empty() && !comm_->received(reg))
            return;
        if (value)
            ok = comm_->writeRegister(reg, *value, true) && ok;
        else
            ui_.showMessage(MessageKind::Error, message.in(language_));
    };

    const std::string startText = text(SetPointEdit::CoolingStartHour) + text(SetPointEdit::CoolingStartMinute);
    const std::optional<int> hours = parseIntegerIn(text(SetPointEdit::CoolingStartHour), 0, 23);
    const std::optional<int> minutes = parseIntegerIn(text(SetPointEdit::CoolingStartMinute), 0, 59);
    apply(212, startText, hours && minutes ? std::optional<int>(*hours * 60 + *minutes) : std::nullopt,
          kMsgCoolingStart);
    apply(213, text(SetPointEdit::CoolingDuration), parseIntegerIn(text(SetPointEdit::CoolingDuration), 0, 999),
          kMsgCoolingDuration);
    apply(215, text(SetPointEdit::MaxTemperatureDifference),
          parseIntegerIn(text(SetPointEdit::MaxTemperatureDifference), 1, 200), kMsgMaxDifference);
    for (int w = 0; w < 3; ++w) {
        const auto e = static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::NominalCurrent1) + w);
        apply(205 + w, text(e), tenthsIn(text(e), 0.2, 5.0), kMsgNominalCurrent);
    }
    for (int w = 0; w < 3; ++w) {
        const auto e = static_cast<SetPointEdit>(static_cast<int>(SetPointEdit::DeltaT1) + w);
        apply(202 + w, text(e), parseIntegerIn(text(e), 0, 99), kMsgDeltaT);
    }
    apply(209, text(SetPointEdit::TimeConstant), zeroOrTenthsIn(text(SetPointEdit::TimeConstant), 3.0, 20.0),
          kMsgTimeConstant);
    apply(210, text(SetPointEdit::ParameterM), zeroOrTenthsIn(text(SetPointEdit::ParameterM), 0.5, 1.0),
          kMsgParameterM);
    return ok;
}

void SetPointsPage::sendSettings()
{
    if (updating_ || busy_ || !connected())
        return;
    const PageWork work(comm_, busy_);
    bool ok = writeGrid();
    ok = writeEdits() && ok;
    const int alternation = state_.setPointAlternation;
    if (alternation >= 0)
        ok = comm_->writeRegister(kAlternation, alternation, true) && ok;
    if (state_.activeRtdCount >= 0)
        ok = comm_->writeRegister(kActiveRtds, state_.activeRtdCount + 1, true) && ok;
    // The five boxes go out as one block: only when all five came from this device,
    // so that one click never writes the others from an image it did not read.
    bool boxesRead = true;
    std::array<std::uint16_t, SetPointsPageState::kRedundantBoxes> boxes{};
    for (int i = 0; i < SetPointsPageState::kRedundantBoxes; ++i) {
        boxesRead = boxesRead && comm_->received(kFirstRedundant + i);
        boxes[static_cast<std::size_t>(i)] = state_.redundantRtds[static_cast<std::size_t>(i)] ? 1 : 0;
    }
    if (boxesRead)
        ok = comm_->writeRegisters(kFirstRedundant, boxes, true) && ok;
    ok = comm_->flushQueuedWrites() && ok;
    if (!ok)
        ui_.showMessage(MessageKind::Error, kSetPointsSendError.in(language_));
    redraw();
    const int shown = state_.setPointAlternation;
    if (!ok && alternation >= 0 && shown >= 0 && alternation != shown)
        ui_.showMessage(MessageKind::Warning, captions_.choices[kAlternationWarning]);
}

void SetPointsPage::setPointAlternationChosen(int index)
{
    if (updating_ || busy_ || index < 0 || index >= static_cast<int>(captions_.setPointAlternationItems.size()))
        return;
    state_.setPointAlternation = index;
    sendSettings();
}

void SetPointsPage::activeRtdCountChosen(int index)
{
    if (updating_ || busy_ || index < 0 || index >= state_.activeRtdCountItems)
        return;
    state_.activeRtdCount = index;
    sendSettings();
}

void SetPointsPage::redundantRtdToggled(int box, bool checked)
{
    if (updating_ || busy_ || box < 0 || box >= SetPointsPageState::kRedundantBoxes)
        return;
    state_.redundantRtds[static_cast<std::size_t>(box)] = checked;
    sendSettings();
}
