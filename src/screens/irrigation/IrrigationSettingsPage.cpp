#include "screens/irrigation/IrrigationSettingsPage.h"

#include "app/IntegerText.h"
#include "app/PageWork.h"
#include "app/ShownNumber.h"
#include "app/Ui.h"
#include "device/BusyHold.h"
#include "device/DeviceLink.h"
#include "screens/common/GeneralPageTexts.h"
#include "settings/RegisterRounding.h"

#include <algorithm>
#include <cstdio>

// One control of the page and its register; the cycle's registers add the cycle.
struct IrrControl {
    enum class Kind { Start, Integer, Tenths, Branches, Check, Radio };

    Kind kind;
    // The IrrEdit, IrrCheck or IrrRadio it shows.
    int index;
    int reg;
    bool perCycle;
    // The accepted entries, inclusive; tenths in their shown unit.
    int lo = 0;
    int hi = 0;
};

namespace {

using IrrKind = IrrControl::Kind;

constexpr int E(IrrEdit e) { return static_cast<int>(e); }
constexpr int C(IrrCheck c) { return static_cast<int>(c); }
constexpr int R(IrrRadio r) { return static_cast<int>(r); }

// In the order they are sent: the cycle's start, duration and branches, then the
// general, pump and sensor settings.
constexpr IrrControl kControls[] = {
    {IrrKind::Start, E(IrrEdit::StartHour), 1, true},
    {IrrKind::Integer, E(IrrEdit::Duration), 11, true, 0, 1440},
    {IrrKind::Branches, C(IrrCheck::Branch1), 21, true},
    {IrrKind::Integer, E(IrrEdit::MaxHydrometer), 31, false, 0, 10000},
    {IrrKind::Check, C(IrrCheck::BlockOnConsumption), 32, false},
    {IrrKind::Radio, R(IrrRadio::BranchesEnabled), 209, false},
    {IrrKind::Integer, E(IrrEdit::ManualDuration), 210, false, 0, 1440},
    {IrrKind::Radio, R(IrrRadio::PressureSensor), 101, false},
    {IrrKind::Tenths, E(IrrEdit::PressureFullScale), 102, false, 1, 20},
    {IrrKind::Tenths, E(IrrEdit::MaxPressure), 103, false, 1, 10},
    {IrrKind::Tenths, E(IrrEdit::MinPressure), 104, false, 1, 10},
    {IrrKind::Integer, E(IrrEdit::MaxPressureTimer), 105, false, 0, 120},
    {IrrKind::Integer, E(IrrEdit::MinPressureTimer), 106, false, 0, 120},
    {IrrKind::Radio, R(IrrRadio::OperationMode), 201, false},
    {IrrKind::Tenths, E(IrrEdit::HydrometerFactor), 203, false, 1, 10},
    {IrrKind::Tenths, E(IrrEdit::PluviometerFactor), 205, false, 1, 10},
    {IrrKind::Integer, E(IrrEdit::MaxPluviometer), 206, false, 0, 20000},
    {IrrKind::Integer, E(IrrEdit::PluviometerPeriod), 207, false, 0, 744},
    {IrrKind::Check, C(IrrCheck::HydrometerEnabled), 202, false},
    {IrrKind::Check, C(IrrCheck::PluviometerEnabled), 204, false},
    {IrrKind::Check, C(IrrCheck::Pt100Enabled), 208, false},
    {IrrKind::Radio, R(IrrRadio::WaterSensor), 213, false},
    {IrrKind::Radio, R(IrrRadio::PressureSwitch), 214, false},
};

// The blocks the page shows, read when it opens, and the two input inversions at 213
// and 214, which the page shows too.
constexpr std::pair<int, int> kReads[] = {{1, 5}, {11, 5}, {21, 5}, {31, 2}, {101, 6}, {201, 10}, {213, 2}};
constexpr Seconds kSettleBeforeRedraw{0.3};

std::string paddedTwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.2d", value);
    return text;
}

// A real typed with a point or a comma, in tenths; the bounds hold for the typed value.
std::optional<int> parseTenths(const std::string& text, int lo, int hi)
{
    return scaledRegisterValue(text, lo, hi, 10.0);
}

} // namespace

IrrigationSettingsPage::IrrigationSettingsPage(Ui& ui, EventPump& pump)
    : ui_(ui)
    , pump_(pump)
    , captions_(irrigationSettingsPageCaptions(0))
{
}

bool IrrigationSettingsPage::connected() const { return comm_ != nullptr && comm_->connected(); }

void IrrigationSettingsPage::activate(DeviceLink& comm, int language)
{
    comm_ = &comm;
    if (connected()) {
        const BusyHold hold(busy_);
        for (const auto& [first, count] : kReads)
            comm.readRegisters(first, count, true);
        comm.flushQueuedReads();
    }
    setLanguage(language);
    cycle_ = 0;
    state_.cycle = 0;
    redraw();
}

void IrrigationSettingsPage::setLanguage(int language)
{
    language_ = ValidLanguage(language);
    captions_ = irrigationSettingsPageCaptions(language_);
    if (state_.cycle < 0)
        state_.cycle = 0;
}

void IrrigationSettingsPage::redraw()
{
    if (!connected())
        return;
    const BusyHold filling(updating_);
    for (const IrrControl& c : kControls) {
        const int reg = c.reg + (c.perCycle ? cycle_ : 0);
        const std::optional<int> v = comm_->received(reg) ? std::optional(comm_->registerValue(reg)) : std::nullopt;
        const auto index = static_cast<std::size_t>(c.index);
        switch (c.kind) {
        case IrrKind::Start:
            state_.edits[E(IrrEdit::StartHour)] = v ? paddedTwoDigits(*v / 60) : "";
            state_.edits[E(IrrEdit::StartMinute)] = v ? paddedTwoDigits(*v % 60) : "";
            break;
        case IrrKind::Integer:
            state_.edits[index] = v ? std::to_string(*v) : "";
            break;
        case IrrKind::Tenths:
            state_.edits[index] = v ? shownNumber("%.1f", *v / 10.0, decimalSeparator_) : "";
            break;
        case IrrKind::Branches:
            for (int b = 0; b < kIrrBranchCount; ++b)
                state_.checks[index + static_cast<std::size_t>(b)] = v ? (*v >> b) & 1 : IrrigationSettingsPageState::kUnknown;
            break;
        case IrrKind::Check:
            state_.checks[index] = v ? (*v != 0 ? 1 : 0) : IrrigationSettingsPageState::kUnknown;
            break;
        case IrrKind::Radio:
            state_.radios[index] = v ? (*v != 0 ? 1 : 0) : IrrigationSettingsPageState::kUnknown;
            break;
        }
    }
}

std::optional<int> IrrigationSettingsPage::sentValue(const IrrControl& c, int reg)
{
    const auto index = static_cast<std::size_t>(c.index);
    // An edit left empty because its register never came on this link is no entry.
    const auto noEntry = [&](std::initializer_list<IrrEdit> edits) {
        return !comm_->received(reg) && std::all_of(edits.begin(), edits.end(), [&](IrrEdit e) { return text(e).empty(); });
    };
    const auto refuse = [&](const std::string& typed) -> std::optional<int> {
        ui_.showMessage(MessageKind::Error, captions_.invalidValue + typed);
        return std::nullopt;
    };
    switch (c.kind) {
    case IrrKind::Start: {
        if (noEntry({IrrEdit::StartHour, IrrEdit::StartMinute}))
            return std::nullopt;
        const std::optional<int> hour = parseIntegerIn(text(IrrEdit::StartHour), 0, 23);
        if (!hour)
            return refuse(text(IrrEdit::StartHour));
        const std::optional<int> minute = parseIntegerIn(text(IrrEdit::StartMinute), 0, 59);
        if (!minute)
            return refuse(text(IrrEdit::StartMinute));
        return *hour * 60 + *minute;
    }
    case IrrKind::Integer:
    case IrrKind::Tenths: {
        const IrrEdit edit = static_cast<IrrEdit>(c.index);
        if (noEntry({edit}))
            return std::nullopt;
        const std::optional<int> v = c.kind == IrrKind::Integer ? parseIntegerIn(text(edit), c.lo, c.hi)
                                                                : parseTenths(text(edit), c.lo, c.hi);
        return v ? v : refuse(text(edit));
    }
    case IrrKind::Branches: {
        int mask = 0;
        for (int b = 0; b < kIrrBranchCount; ++b) {
            const int checked = state_.checks[index + static_cast<std::size_t>(b)];
            // A mask the device never sent is written only once the user set every box.
            if (checked == IrrigationSettingsPageState::kUnknown)
                return std::nullopt;
            mask |= checked << b;
        }
        return mask;
    }
    case IrrKind::Check:
    case IrrKind::Radio: {
        // Nothing chosen, nothing received: nothing to send.
        const int v = c.kind == IrrKind::Check ? state_.checks[index] : state_.radios[index];
        return v == IrrigationSettingsPageState::kUnknown ? std::nullopt : std::optional(v);
    }
    }
    return std::nullopt;
}

void IrrigationSettingsPage::sendSettings()
{
    if (updating_ || !connected())
        return;
    // A click during the wait of a send is the user's latest word: it goes out
    // right after that send instead of being lost under the refill.
    if (busy_) {
        sendAgain_ = sending_;
        return;
    }
    const PageWork work(comm_, busy_);
    const BusyHold send(sending_);
    do {
        sendAgain_ = false;
        bool ok = true;
        for (const IrrControl& c : kControls) {
            const int reg = c.reg + (c.perCycle ? cycle_ : 0);
            if (const std::optional<int> v = sentValue(c, reg))
                ok = comm_->writeRegister(reg, *v, true) && ok;
        }
        ok = comm_->flushQueuedWrites() && ok;
        if (!ok)
            ui_.showMessage(MessageKind::Error, general::SendError.in(language_));
        // The device takes a moment to settle its new settings before they are shown.
        pump_.sleepUntil(deadlineAfter(kSettleBeforeRedraw));
    } while (sendAgain_ && connected());
    redraw();
}

void IrrigationSettingsPage::cycleChosen(int index)
{
    if (updating_ || busy_)
        return;
    cycle_ = std::clamp(index, 0, kCycles - 1);
    state_.cycle = cycle_;
    redraw();
}

void IrrigationSettingsPage::checkToggled(IrrCheck box, bool checked)
{
    if (!accepting())
        return;
    state_.checks.at(static_cast<std::size_t>(box)) = checked ? 1 : 0;
    sendSettings();
}

void IrrigationSettingsPage::radioChosen(IrrRadio group, int index)
{
    if (!accepting() || index < 0 || index > 1)
        return;
    state_.radios.at(static_cast<std::size_t>(group)) = index;
    sendSettings();
}
